// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/rowscale.h"

#include <QPainter>

namespace platform {

RowScale::RowScale(const QString &text, const QColor &colour, QWidget *parent)
    : QFrame(parent), caption(text), fore(colour)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAccessibleName(rows().join(QLatin1Char(' ')));
}

QStringList RowScale::rows() const
{
    return caption.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void RowScale::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(fore);
    const QFontMetrics metrics(font());
    const QRect inside = contentsRect();
    int top = inside.top();
    for (const QString &row : rows()) {
        painter.drawText(
            QRect(inside.left(), top, inside.width(), metrics.height()), Qt::AlignRight | Qt::AlignTop, row);
        top += metrics.height();
    }
}

} // namespace platform
