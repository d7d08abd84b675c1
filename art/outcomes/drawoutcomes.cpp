// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the pictures of the three outcome dialogs as small icons with
// transparency: oldman-{32,48,16}.png, wheelchair-{32,16}.png,
// handshake-{32,16}.png, into the folder named on the command line.
// Every picture is drawn on a 32-unit grid and scaled to its size, with a few
// details left out where a 16-pixel image has no room for them.

#include "../straightalpha.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

using Draw = std::function<void(QPainter &, bool small)>;

QPen outline(const QColor &colour, double width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void oldman(QPainter &p, bool small)
{
    const QColor skin(250, 208, 166);
    const QColor skinline(139, 84, 48);
    const QColor hair(250, 250, 250);
    const QColor hairline(150, 150, 160);

    // White tufts around the sides and back of a bald head.
    QPainterPath tufts;
    for (auto [x, y, r] : {std::tuple {5.2, 9.5, 3.6}, {3.6, 13.5, 3.2}, {4.2, 17.5, 2.8}, {8.0, 6.6, 3.0},
             {26.8, 9.5, 3.6}, {28.4, 13.5, 3.2}, {27.8, 17.5, 2.8}, {24.0, 6.6, 3.0}})
        tufts.addEllipse(QPointF(x, y), r, r);
    p.setPen(outline(hairline, 0.9));
    p.setBrush(hair);
    p.drawPath(tufts.simplified());

    // Ears, then the head over them.
    p.setPen(outline(skinline, 0.9));
    p.setBrush(skin);
    p.drawEllipse(QPointF(6.4, 18.0), 2.3, 3.2);
    p.drawEllipse(QPointF(25.6, 18.0), 2.3, 3.2);
    p.drawEllipse(QPointF(16.0, 17.0), 9.8, 12.2);

    if (!small) {
        // Forehead wrinkles and rosy cheeks.
        p.setPen(outline(QColor(205, 150, 110), 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(11.5, 8.2, 9.0, 3.0), 30 * 16, 120 * 16);
        p.drawArc(QRectF(12.5, 9.8, 7.0, 2.4), 30 * 16, 120 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 120, 110, 110));
        p.drawEllipse(QPointF(9.6, 21.0), 2.2, 1.6);
        p.drawEllipse(QPointF(22.4, 21.0), 2.2, 1.6);
    }

    // Bushy white eyebrows, outlined so they show on the skin.
    for (double side : {-1.0, 1.0}) {
        QPainterPath brow;
        brow.moveTo(16 + side * 1.6, 13.4);
        brow.quadTo(16 + side * 4.0, 11.0, 16 + side * 7.0, 12.8);
        p.setBrush(Qt::NoBrush);
        p.setPen(outline(hairline, small ? 2.6 : 2.7));
        p.drawPath(brow);
        p.setPen(outline(hair, small ? 1.6 : 1.8));
        p.drawPath(brow);
    }

    // Eyes screwed up with laughing: two upturned arcs.
    p.setPen(outline(QColor(40, 25, 15), small ? 1.6 : 1.2));
    p.setBrush(Qt::NoBrush);
    for (double x : {12.2, 19.8}) {
        QPainterPath eye;
        eye.moveTo(x - 2.0, 16.6);
        eye.quadTo(x, 14.0, x + 2.0, 16.6);
        p.drawPath(eye);
    }

    // A big round nose.
    p.setPen(outline(skinline, 0.8));
    p.setBrush(QColor(240, 160, 130));
    p.drawEllipse(QPointF(16.0, 19.6), 2.3, 1.9);

    // The grin: wide open, a row of teeth and a tongue.
    QPainterPath mouth;
    mouth.moveTo(9.0, 22.0);
    mouth.quadTo(16.0, 23.6, 23.0, 22.0);
    mouth.cubicTo(22.0, 28.6, 10.0, 28.6, 9.0, 22.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 20, 25));
    p.drawPath(mouth);
    p.save();
    p.setClipPath(mouth);
    p.setBrush(QColor(235, 110, 120));
    p.drawEllipse(QPointF(16.0, 28.0), 4.5, 2.6);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.0, 21.0, 16.0, small ? 3.2 : 2.9));
    if (!small) {
        p.setPen(outline(QColor(190, 190, 190), 0.4));
        for (double x : {12.6, 14.9, 17.1, 19.4})
            p.drawLine(QPointF(x, 22.5), QPointF(x, 24.0));
    }
    p.restore();
    p.setPen(outline(skinline, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void wheelchair(QPainter &p, bool small)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 72, 186));
    p.drawRoundedRect(QRectF(0.5, 0.5, 31.0, 31.0), small ? 2.0 : 3.0, small ? 2.0 : 3.0);

    const double limb = small ? 3.0 : 2.8;
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.0, 5.8), 2.6, 2.6);

    p.setBrush(Qt::NoBrush);
    p.setPen(outline(Qt::white, limb));
    QPainterPath body;
    body.moveTo(12.4, 10.2); // back, down to the seat
    body.lineTo(12.4, 18.0);
    body.lineTo(19.6, 18.0); // thigh
    body.lineTo(22.6, 25.4); // shin, to the footrest
    body.lineTo(25.6, 24.2);
    p.drawPath(body);
    p.drawLine(QPointF(12.6, 13.0), QPointF(18.4, 13.0)); // arm

    // The wheel, open where the sitter's back meets the seat.
    p.setPen(outline(Qt::white, small ? 2.6 : 2.2));
    p.drawArc(QRectF(5.6, 14.2, 14.8, 14.8), 118 * 16, 272 * 16);
}

void handshake(QPainter &p, bool small)
{
    const QColor left(250, 210, 165);
    const QColor right(205, 145, 95);
    const QColor line(95, 52, 24);
    const double edge = small ? 1.1 : 0.9;

    // Both forearms rise from the lower corners: a blue sleeve on the left, a
    // grey one on the right, each with a white cuff.
    for (int side : {-1, 1}) {
        p.save();
        p.translate(16.0 + side * 11.0, 18.8);
        p.rotate(side * 22.0);
        p.setPen(outline(side < 0 ? QColor(20, 30, 100) : QColor(45, 45, 55), edge));
        p.setBrush(side < 0 ? QColor(55, 95, 220) : QColor(150, 150, 160));
        p.drawRect(QRectF(side < 0 ? -14.0 : 0.0, -4.6, 14.0, 9.2));
        p.setPen(outline(QColor(110, 110, 120), edge));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(side < 0 ? -1.6 : -0.8, -5.0, 2.4, 10.0));
        p.restore();
    }

    // The hands stretched to reach from cuff to cuff.
    p.translate(16.0, 17.0);
    p.scale(1.16, 1.08);
    p.translate(-16.0, -17.0);
    p.setPen(outline(line, edge));

    // The right hand reaches in from its cuff; the left hand's fingers will
    // wrap over its back.
    QPainterPath rhand;
    rhand.moveTo(26.4, 15.6);
    rhand.cubicTo(23.0, 10.6, 18.0, 9.4, 13.0, 10.6);
    rhand.lineTo(12.0, 21.0);
    rhand.cubicTo(16.0, 24.6, 21.0, 25.4, 24.2, 23.8);
    rhand.closeSubpath();
    p.setBrush(right);
    p.drawPath(rhand);

    // Its fingertips curl round under the left hand's palm.
    for (int i = 0; i < 3; ++i)
        p.drawRoundedRect(QRectF(8.6 + i * 2.4, 20.0, 2.4, 5.6 - i * 0.4), 1.2, 1.2);

    // The left hand's palm, from its cuff to the knuckles.
    QPainterPath lhand;
    lhand.moveTo(7.8, 23.4);
    lhand.cubicTo(6.6, 19.0, 6.6, 15.0, 8.0, 13.2);
    lhand.cubicTo(10.0, 11.2, 13.0, 11.0, 15.6, 11.6);
    lhand.lineTo(16.2, 22.4);
    lhand.cubicTo(13.0, 24.6, 10.0, 24.6, 7.8, 23.4);
    lhand.closeSubpath();
    p.setBrush(left);
    p.drawPath(lhand);

    // Its four fingers, curled over the right hand: stacked stripes whose tips
    // bend down out of sight.
    const int fingers = 4;
    const double height = small ? 2.9 : 2.6;
    for (int i = 0; i < fingers; ++i) {
        const double y = 12.2 + i * height;
        const double length = 8.0 - i * 1.0;
        QRectF finger(13.2, y, length, height);
        p.drawRoundedRect(finger, height / 2, height / 2);
    }

    // The right hand's thumb lies across the left hand's knuckles.
    QPainterPath thumb;
    thumb.moveTo(23.0, 11.6);
    thumb.cubicTo(19.0, 10.6, 14.0, 10.4, 11.0, 11.2);
    thumb.cubicTo(9.4, 11.8, 9.6, 13.8, 11.2, 13.8);
    thumb.cubicTo(14.0, 13.6, 18.0, 13.8, 21.0, 14.8);
    p.setBrush(right);
    p.drawPath(thumb);
    if (!small) {
        p.setPen(outline(QColor(240, 200, 170), 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10.2, 11.6, 2.0, 1.6), 90 * 16, 180 * 16);
    }
}

bool save(const QString &folder, const QString &name, int size, const Draw &draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter, size < 24);
    painter.end();
    const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, name).arg(size);
    if (!art::straightalpha(image).save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [PREVIEWSIZE]\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    if (argc == 3) {
        // A large rendering of each picture, to judge its shapes.
        const int size = QString::fromLocal8Bit(argv[2]).toInt();
        const std::pair<const char *, Draw> pictures[]
            = {{"oldman", oldman}, {"wheelchair", wheelchair}, {"handshake", handshake}};
        for (const auto &[name, draw] : pictures)
            ok = save(folder, QString::fromLatin1(name), size, draw) && ok;
        return ok ? 0 : 1;
    }
    // 64 serves the 32-pixel box on screens of two device pixels to the pixel.
    for (int size : {32, 48, 16, 64})
        ok = save(folder, QStringLiteral("oldman"), size, oldman) && ok;
    for (int size : {32, 16, 64}) {
        ok = save(folder, QStringLiteral("wheelchair"), size, wheelchair) && ok;
        ok = save(folder, QStringLiteral("handshake"), size, handshake) && ok;
    }
    return ok ? 0 : 1;
}
