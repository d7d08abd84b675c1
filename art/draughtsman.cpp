// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The About picture: a draughtsman in an eyeshade at his drawing board,
// drawing a gear wheel. Drawn on a 191 x 80 grid at four times the size and
// shrunk smoothly, then kept in true colour (saved as JPEG).

#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr int width = 191;
constexpr int height = 80;
constexpr int oversample = 4;

QPen line(const QColor &colour, double w, Qt::PenStyle style = Qt::SolidLine)
{
    return QPen(colour, w, style, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    p.addPolygon(QPolygonF(QList<QPointF>(points)));
    p.closeSubpath();
    return p;
}

void room(QPainter &p)
{
    QLinearGradient wall(0, 0, 0, 66);
    wall.setColorAt(0, QColor(238, 228, 204));
    wall.setColorAt(1, QColor(214, 198, 168));
    p.fillRect(QRectF(0, 0, width, 66), wall);
    // Floor boards.
    p.fillRect(QRectF(0, 66, width, 14), QColor(150, 104, 66));
    p.setPen(line(QColor(120, 80, 50), 0.4));
    for (double y : {70.0, 74.5})
        p.drawLine(QPointF(0, y), QPointF(width, y));
    p.setPen(line(QColor(110, 74, 44), 1.2));
    p.drawLine(QPointF(0, 66), QPointF(width, 66));

    // A window with the sky behind it.
    p.setPen(line(QColor(240, 240, 236), 1.6));
    QLinearGradient sky(0, 8, 0, 40);
    sky.setColorAt(0, QColor(120, 175, 230));
    sky.setColorAt(1, QColor(200, 225, 245));
    p.setBrush(sky);
    p.drawRect(QRectF(8, 8, 30, 34));
    p.setPen(line(QColor(240, 240, 236), 1.0));
    p.drawLine(QPointF(23, 8), QPointF(23, 42));
    p.drawLine(QPointF(8, 25), QPointF(38, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QRectF(11, 13, 9, 4));
    p.drawEllipse(QRectF(14, 11, 7, 4));

    // A clock on the wall.
    p.setPen(line(QColor(90, 60, 40), 1.0));
    p.setBrush(QColor(250, 248, 240));
    p.drawEllipse(QPointF(56, 14), 6.5, 6.5);
    p.setPen(line(QColor(40, 40, 40), 0.8));
    p.drawLine(QPointF(56, 14), QPointF(56, 9.5));
    p.drawLine(QPointF(56, 14), QPointF(59, 15.5));

    // The waste-paper basket with the day's mistakes.
    p.setPen(line(QColor(90, 70, 40), 0.7));
    p.setBrush(QColor(196, 160, 96));
    p.drawPath(polygon({{40, 63}, {54, 63}, {52, 77}, {42, 77}}));
    p.setPen(line(QColor(150, 150, 150), 0.5));
    p.setBrush(QColor(252, 252, 248));
    p.drawEllipse(QPointF(44, 62), 3, 2.6);
    p.drawEllipse(QPointF(49.5, 61.5), 3.2, 2.8);
    p.drawEllipse(QPointF(56, 74), 2.6, 2.3);
}

void board(QPainter &p)
{
    // Legs of the stand.
    p.setPen(line(QColor(96, 64, 36), 2.4));
    p.drawLine(QPointF(108, 54), QPointF(100, 77));
    p.drawLine(QPointF(168, 54), QPointF(178, 77));
    p.setPen(line(QColor(96, 64, 36), 1.6));
    p.drawLine(QPointF(103, 68), QPointF(175, 68));

    // The board, leaning back a little, and its sheet.
    p.setPen(line(QColor(120, 80, 44), 0.8));
    p.setBrush(QColor(196, 146, 88));
    p.drawPath(polygon({{101, 6}, {177, 6}, {183, 56}, {95, 56}}));
    p.setPen(line(QColor(200, 200, 200), 0.4));
    p.setBrush(QColor(252, 252, 246));
    p.drawPath(polygon({{105, 9}, {173, 9}, {178, 52}, {100, 52}}));

    // The drawing: a gear wheel with its centre lines and a dimension.
    const QColor pencil(60, 70, 110);
    const QPointF centre(124, 27);
    QPainterPath gear;
    constexpr int teeth = 12;
    for (int i = 0; i <= 4 * teeth; ++i) {
        const double a = 2 * std::numbers::pi * i / (4 * teeth);
        const double r = (i % 4 == 1 || i % 4 == 2) ? 12.5 : 10.5;
        const QPointF q(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a) * 0.95);
        if (i == 0)
            gear.moveTo(q);
        else
            gear.lineTo(q);
    }
    p.setPen(line(pencil, 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gear);
    p.drawEllipse(centre, 4, 3.8);
    p.drawEllipse(centre, 1.6, 1.5);
    p.setPen(line(QColor(180, 70, 70), 0.35, Qt::DashDotLine));
    p.drawLine(QPointF(centre.x() - 16, centre.y()), QPointF(centre.x() + 16, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - 16), QPointF(centre.x(), centre.y() + 16));
    // The shaft beside it, seen from the side.
    p.setPen(line(pencil, 0.6));
    p.drawRect(QRectF(146, 21, 20, 12));
    p.drawRect(QRectF(142, 24, 4, 6));
    p.drawLine(QPointF(146, 45), QPointF(166, 45));
    p.drawLine(QPointF(146, 43), QPointF(146, 47));
    p.drawLine(QPointF(166, 43), QPointF(166, 47));
    // Title block.
    p.setPen(line(pencil, 0.45));
    p.drawRect(QRectF(154, 46, 20, 5));
    p.drawLine(QPointF(162, 46), QPointF(162, 51));

    // The parallel rule and a set square on it.
    p.setPen(line(QColor(40, 40, 40), 0.5));
    p.setBrush(QColor(70, 70, 76));
    p.drawRect(QRectF(99, 40.5, 81, 2));
    p.setBrush(QColor(90, 200, 140, 120));
    p.setPen(line(QColor(40, 120, 80), 0.5));
    p.drawPath(polygon({{132, 40.5}, {148, 40.5}, {132, 26}}));
}

void figure(QPainter &p)
{
    const QColor skin(244, 200, 160);
    const QColor skinline(170, 110, 80);
    const QColor trousers(70, 70, 86);

    // Legs and shoes.
    p.setPen(line(trousers.darker(130), 0.6));
    p.setBrush(trousers);
    p.drawPath(polygon({{73, 46}, {87, 46}, {88, 75}, {82, 75}, {80, 52}, {78, 75}, {72, 75}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 26));
    p.drawRoundedRect(QRectF(71, 74, 9, 3), 1.4, 1.4);
    p.drawRoundedRect(QRectF(81, 74, 10, 3), 1.4, 1.4);

    // The far arm, resting on the rule.
    p.setPen(line(QColor(230, 230, 230), 4.0));
    p.drawLine(QPointF(80, 28), QPointF(86, 40));
    p.drawLine(QPointF(86, 40), QPointF(99, 41));

    // Shirt and waistcoat.
    p.setPen(line(QColor(170, 170, 170), 0.5));
    p.setBrush(QColor(250, 250, 250));
    QPainterPath shirt;
    shirt.moveTo(73, 27);
    shirt.quadTo(80, 23.5, 87, 27);
    shirt.lineTo(88, 47);
    shirt.lineTo(72, 47);
    shirt.closeSubpath();
    p.drawPath(shirt);
    p.setPen(line(QColor(60, 60, 70), 0.5));
    p.setBrush(QColor(96, 100, 120));
    p.drawPath(polygon({{74, 30}, {80, 38}, {86, 30}, {87.5, 47}, {72.5, 47}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 30, 40));
    p.drawPath(polygon({{79.3, 27}, {80.7, 27}, {81.2, 35}, {80, 37}, {78.8, 35}}));

    // Head, turned towards the board, under a green eyeshade.
    p.setPen(line(skinline, 0.5));
    p.setBrush(skin);
    p.drawRect(QRectF(78, 22, 4, 4));
    p.drawEllipse(QPointF(81, 16), 6, 6.8);
    p.drawPath(polygon({{86.5, 15}, {89, 18}, {86.6, 18.8}})); // nose
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 40));
    QPainterPath hair;
    hair.moveTo(75, 17);
    hair.quadTo(74, 9, 81, 9);
    hair.lineTo(83, 11);
    hair.quadTo(78, 12, 77, 19);
    hair.closeSubpath();
    p.drawPath(hair);
    p.setBrush(skin.darker(115));
    p.drawEllipse(QPointF(78.6, 16.6), 1.3, 1.8); // ear
    p.setBrush(QColor(30, 30, 30));
    p.drawEllipse(QPointF(85, 15.6), 0.8, 0.8); // eye
    p.setPen(line(QColor(150, 80, 70), 0.5));
    p.drawLine(QPointF(84.2, 20.4), QPointF(86.2, 20.2)); // mouth
    p.setPen(line(QColor(20, 90, 40), 0.5));
    p.setBrush(QColor(40, 170, 80, 220));
    p.drawPath(polygon({{75, 11.5}, {85, 10}, {93, 12.5}, {84, 13.3}}));
    p.setPen(line(QColor(20, 90, 40), 1.0));
    p.drawLine(QPointF(75, 11.5), QPointF(85, 10.2));

    // The near arm, drawing with a pencil on the gear wheel.
    p.setPen(line(QColor(244, 244, 244), 4.2));
    p.drawLine(QPointF(82, 29), QPointF(90, 36));
    p.drawLine(QPointF(90, 36), QPointF(103, 31));
    p.setPen(line(QColor(150, 150, 150), 0.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(line(skinline, 0.5));
    p.setBrush(skin);
    p.drawEllipse(QPointF(105, 30.5), 2.4, 2.1);
    p.setPen(line(QColor(230, 180, 40), 1.1));
    p.drawLine(QPointF(105, 31), QPointF(110, 26));
    p.setPen(line(QColor(50, 50, 50), 0.6));
    p.drawLine(QPointF(110, 26), QPointF(111, 25));
}

} // namespace

QImage draughtsman(int scale)
{
    QImage big(width * scale * oversample, height * scale * oversample, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale * oversample, scale * oversample);
    room(p);
    board(p);
    figure(p);
    p.end();
    return big.scaled(width * scale, height * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace art
