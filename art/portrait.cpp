// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The program icon: a friendly thinker with round glasses looking up at a
// question in a thought bubble. One list of shapes on a 256-unit square is
// both painted (any size) and written out as SVG, so the two always agree.

#include "art.h"
#include "straightalpha.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>

#include <variant>

namespace art {

namespace {

struct Stop
{
    double at;
    QColor colour;
};

struct Solid
{
    QColor colour;
};

struct Linear
{
    QPointF from, to;
    QList<Stop> stops;
};

struct Radial
{
    QPointF centre;
    double radius;
    QList<Stop> stops;
};

using Fill = std::variant<std::monostate, Solid, Linear, Radial>;

struct Stroke
{
    QColor colour;
    double width = 0;
};

// A shape is an SVG path with absolute M, L, Q, C and Z only, or an ellipse.
struct Shape
{
    QString path;
    QRectF ellipse;
    Fill fill;
    Stroke stroke;
    int minsize = 0; // left out of smaller pictures, where it only blurs
};

Shape detail(Shape shape, int minsize)
{
    shape.minsize = minsize;
    return shape;
}

Shape path(const QString &d, Fill fill, Stroke stroke = {})
{
    return {d, {}, std::move(fill), stroke};
}

Shape circle(double cx, double cy, double rx, double ry, Fill fill, Stroke stroke = {})
{
    return {{}, QRectF(cx - rx, cy - ry, 2 * rx, 2 * ry), std::move(fill), stroke};
}

const QColor ink(45, 35, 40);
const QColor skin(248, 205, 165);
const QColor skinshade(226, 160, 120);

QList<Shape> scene()
{
    return {
        // Ground: a blue tile with rounded corners, lighter at the top.
        path("M 44 8 L 212 8 Q 248 8 248 44 L 248 212 Q 248 248 212 248 L 44 248 "
             "Q 8 248 8 212 L 8 44 Q 8 8 44 8 Z",
            Linear {{128, 8}, {128, 248}, {{0, QColor(86, 150, 230)}, {1, QColor(28, 60, 140)}}}),
        // Thought bubble with its question.
        detail(circle(148, 84, 7, 7, Solid {Qt::white}), 32),
        detail(circle(166, 64, 10, 10, Solid {Qt::white}), 32),
        detail(circle(204, 44, 34, 28, Solid {Qt::white}), 32),
        detail(path("M 193 36 Q 193 24 205 24 Q 217 24 217 35 Q 217 43 208 47 Q 204 49 204 56", {},
                   {QColor(200, 40, 40), 8}),
            32),
        detail(circle(204, 66, 5, 5, Solid {QColor(200, 40, 40)}), 32),
        // Shoulders in a dark red jumper, a white collar.
        path("M 22 248 Q 22 196 70 186 L 158 186 Q 206 196 206 248 Z", Solid {QColor(160, 30, 40)}),
        path("M 94 186 L 114 212 L 134 186 Z", Solid {Qt::white}),
        // Neck, ears, face.
        path("M 98 170 L 130 170 L 128 196 Q 114 206 100 196 Z", Solid {skinshade}),
        circle(56, 128, 12, 17, Solid {skin}, {skinshade, 3}),
        circle(172, 128, 12, 17, Solid {skin}, {skinshade, 3}),
        circle(114, 124, 60, 66, Radial {{96, 104}, 80, {{0, QColor(255, 225, 192)}, {0.7, skin}, {1, skinshade}}}),
        // Grey hair on the sides, a few strands combed over the top.
        path("M 54 120 Q 46 74 76 58 Q 110 44 148 56 Q 180 70 174 122 Q 166 90 152 80 "
             "Q 120 70 92 76 Q 64 88 54 120 Z",
            Solid {QColor(150, 150, 160)}),
        detail(path("M 78 70 Q 110 52 150 66", {}, {QColor(120, 120, 132), 4}), 32),
        // Eyebrows, one raised in thought.
        path("M 72 98 Q 86 90 100 97", {}, {QColor(110, 100, 100), 6}),
        path("M 128 90 Q 142 80 158 88", {}, {QColor(110, 100, 100), 6}),
        // Eyes looking up and to the right, behind round glasses.
        circle(90, 120, 7, 8, Solid {Qt::white}),
        circle(142, 120, 7, 8, Solid {Qt::white}),
        circle(93, 116, 4, 4, Solid {ink}),
        circle(145, 116, 4, 4, Solid {ink}),
        circle(88, 121, 19, 18, Solid {QColor(255, 255, 255, 50)}, {ink, 5}),
        circle(142, 121, 19, 18, Solid {QColor(255, 255, 255, 50)}, {ink, 5}),
        path("M 107 119 Q 115 113 123 119", {}, {ink, 5}),
        path("M 69 118 L 58 114", {}, {ink, 4}),
        path("M 161 118 L 170 114", {}, {ink, 4}),
        // Nose and a small smile, lifted at one corner.
        detail(path("M 116 128 Q 110 146 118 150", {}, {skinshade, 4}), 32),
        path("M 96 164 Q 114 176 136 160", {}, {QColor(170, 70, 70), 5}),
        // A hand at the chin.
        detail(path("M 120 214 Q 118 192 130 180 Q 138 172 150 176 Q 160 182 156 196 "
                    "Q 168 198 166 210 Q 160 230 140 232 Q 124 232 120 214 Z",
                   Solid {skin}, {skinshade, 3}),
            32),
        detail(path("M 150 176 Q 158 160 152 148", {}, {skinshade, 9}), 32),
        detail(path("M 150 176 Q 158 160 152 148", {}, {skin, 5}), 32),
    };
}

QPainterPath painterpath(const QString &d)
{
    QPainterPath result;
    const QStringList tokens = d.split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
    qsizetype at = 0;
    auto number = [&] { return tokens.value(at++).toDouble(); };
    auto point = [&] {
        const double x = number();
        return QPointF(x, number());
    };
    while (at < tokens.size()) {
        const QString command = tokens.value(at++);
        if (command == QLatin1String("M")) {
            result.moveTo(point());
        } else if (command == QLatin1String("L")) {
            result.lineTo(point());
        } else if (command == QLatin1String("Q")) {
            const QPointF c = point();
            result.quadTo(c, point());
        } else if (command == QLatin1String("C")) {
            const QPointF c1 = point();
            const QPointF c2 = point();
            result.cubicTo(c1, c2, point());
        } else if (command == QLatin1String("Z")) {
            result.closeSubpath();
        }
    }
    return result;
}

QBrush brush(const Fill &fill)
{
    auto withstops = [](QGradient gradient, const QList<Stop> &stops) {
        for (const Stop &s : stops)
            gradient.setColorAt(s.at, s.colour);
        return QBrush(gradient);
    };
    if (auto *solid = std::get_if<Solid>(&fill))
        return solid->colour;
    if (auto *linear = std::get_if<Linear>(&fill))
        return withstops(QLinearGradient(linear->from, linear->to), linear->stops);
    if (auto *radial = std::get_if<Radial>(&fill))
        return withstops(QRadialGradient(radial->centre, radial->radius), radial->stops);
    return Qt::NoBrush;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

QString colourattributes(const QString &name, const QColor &colour)
{
    QString text = QStringLiteral(" %1=\"%2\"").arg(name, colour.name(QColor::HexRgb));
    if (colour.alpha() < 255)
        text += QStringLiteral(" %1-opacity=\"%2\"").arg(name, number(colour.alphaF()));
    return text;
}

} // namespace

QImage portrait(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);
    const QList<Shape> shapes = scene();
    for (qsizetype i = 0; i < shapes.size(); ++i) {
        const Shape &shape = shapes[i];
        if (size < shape.minsize)
            continue;
        QPainterPath outline;
        if (shape.path.isEmpty())
            outline.addEllipse(shape.ellipse);
        else
            outline = painterpath(shape.path);
        if (i == 0)
            painter.setClipPath(outline); // nothing spills over the tile
        // Small pictures get bolder lines, or the glasses and smile vanish.
        const double boldness = size < 32 ? 1.8 : 1.0;
        if (shape.stroke.width > 0)
            painter.setPen(
                QPen(shape.stroke.colour, shape.stroke.width * boldness, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        else
            painter.setPen(Qt::NoPen);
        painter.setBrush(brush(shape.fill));
        painter.drawPath(outline);
    }
    painter.end();
    return straightalpha(image);
}

QString portraitsvg()
{
    const QList<Shape> shapes = scene();
    QString defs;
    QString body;
    int gradients = 0;
    for (qsizetype i = 0; i < shapes.size(); ++i) {
        const Shape &shape = shapes[i];
        QString paint;
        auto stops = [](const QList<Stop> &list) {
            QString text;
            for (const Stop &s : list)
                text += QStringLiteral("      <stop offset=\"%1\"%2/>\n")
                            .arg(number(s.at), colourattributes(QStringLiteral("stop-color"), s.colour));
            return text;
        };
        if (auto *solid = std::get_if<Solid>(&shape.fill)) {
            paint = colourattributes(QStringLiteral("fill"), solid->colour);
        } else if (auto *linear = std::get_if<Linear>(&shape.fill)) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">\n%6    </linearGradient>\n")
                        .arg(id, number(linear->from.x()), number(linear->from.y()), number(linear->to.x()),
                            number(linear->to.y()), stops(linear->stops));
            paint = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        } else if (auto *radial = std::get_if<Radial>(&shape.fill)) {
            const QString id = QStringLiteral("g%1").arg(++gradients);
            defs += QStringLiteral("    <radialGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "cx=\"%2\" cy=\"%3\" r=\"%4\">\n%5    </radialGradient>\n")
                        .arg(id, number(radial->centre.x()), number(radial->centre.y()), number(radial->radius),
                            stops(radial->stops));
            paint = QStringLiteral(" fill=\"url(#%1)\"").arg(id);
        } else {
            paint = QStringLiteral(" fill=\"none\"");
        }
        if (shape.stroke.width > 0)
            paint += colourattributes(QStringLiteral("stroke"), shape.stroke.colour)
                + QStringLiteral(" stroke-width=\"%1\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
                      .arg(number(shape.stroke.width));
        QString element;
        if (shape.path.isEmpty())
            element = QStringLiteral("<ellipse cx=\"%1\" cy=\"%2\" rx=\"%3\" ry=\"%4\"%5/>")
                          .arg(number(shape.ellipse.center().x()), number(shape.ellipse.center().y()),
                              number(shape.ellipse.width() / 2), number(shape.ellipse.height() / 2), paint);
        else
            element = QStringLiteral("<path d=\"%1\"%2/>").arg(shape.path, paint);
        if (i == 0) {
            defs += QStringLiteral("    <clipPath id=\"tile\">\n      <path d=\"%1\"/>\n    </clipPath>\n")
                        .arg(shape.path);
            body += QStringLiteral("  ") + element + QStringLiteral("\n  <g clip-path=\"url(#tile)\">\n");
        } else {
            body += QStringLiteral("    ") + element + QLatin1Char('\n');
        }
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<!-- Numora's program icon; drawn by art/portrait.cpp. -->\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                          "viewBox=\"0 0 256 256\">\n  <defs>\n%1  </defs>\n%2  </g>\n</svg>\n")
        .arg(defs, body);
}

} // namespace art
