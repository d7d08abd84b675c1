// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/picturebox.h"

#include "platform/accessibility.h"

#include <QPainter>

#include <cmath>
#include <utility>

namespace platform {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

// The surface has as many pixels as the screen shows of the box: at a scale of
// 2 each printed line is drawn with twice the detail, not stretched. When the
// size or the scale changes, everything printed is drawn afresh.
void PictureBox::ensuresurface()
{
    const qreal ratio = devicePixelRatioF();
    const QSize logical = contentsRect().size();
    const QSize pixels(int(std::ceil(logical.width() * ratio)), int(std::ceil(logical.height() * ratio)));
    if (surface.size() == pixels && surface.devicePixelRatio() == ratio)
        return;
    surface = QImage(pixels, QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(palette().color(backgroundRole()));
    for (const Run &run : runs)
        draw(run);
}

void PictureBox::draw(const Run &run)
{
    QPainter painter(&surface);
    painter.setFont(run.font);
    painter.setPen(run.ink);
    painter.drawText(run.at.x(), run.at.y() + QFontMetrics(run.font).ascent(), run.text);
}

void PictureBox::print(const QString &text, bool endline)
{
    ensuresurface();
    if (atlinestart)
        printed.append(QString());
    printed.last() += text;
    atlinestart = endline;

    const QFontMetrics metrics(font());
    if (!text.isEmpty()) {
        runs.append({cursor, text, font(), fore});
        draw(runs.last());
        cursor.rx() += metrics.horizontalAdvance(text);
    }
    if (endline)
        cursor = QPoint(0, cursor.y() + metrics.height());
    update();
    if (endline)
        lineschanged(this, printed.mid(0, printed.size() - 1));
}

void PictureBox::cls()
{
    runs.clear();
    ensuresurface();
    surface.fill(palette().color(backgroundRole()));
    cursor = QPoint(0, 0);
    const QStringList before = std::exchange(printed, {});
    atlinestart = true;
    update();
    lineschanged(this, before);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    ensuresurface();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensuresurface(); // the box may have moved to a screen of another density
    {
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), surface);
    }
    QFrame::paintEvent(event);
}

} // namespace platform
