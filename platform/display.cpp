// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display.h"

#include <QAccessible>
#include <QPainter>

namespace platform {

Display::Display(QWidget *parent) : QLabel(parent) { }

void Display::setreading(const QString &shownwords, const QString &emptywords)
{
    shown = shownwords;
    empty = emptywords;
}

QString Display::reading() const
{
    if (text().isEmpty())
        return empty.isEmpty() ? accessibleName() : empty;
    return shown.isEmpty() ? text() : shown.arg(text());
}

void Display::settext(const QString &now)
{
    const QString before = text();
    if (now == before)
        return;
    setText(now);
    if (!QAccessible::isActive())
        return;
    // The smallest change: a digit typed or taken back, or the whole number.
    if (now.startsWith(before)) {
        QAccessibleTextInsertEvent inserted(this, int(before.size()), now.mid(before.size()));
        QAccessible::updateAccessibility(&inserted);
    } else if (before.startsWith(now)) {
        QAccessibleTextRemoveEvent removed(this, int(now.size()), before.mid(now.size()));
        QAccessible::updateAccessibility(&removed);
    } else {
        QAccessibleTextUpdateEvent replaced(this, 0, before, now);
        QAccessible::updateAccessibility(&replaced);
    }
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

NumberDisplay::NumberDisplay(QWidget *parent) : Display(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void NumberDisplay::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event); // the border; the ground is filled by the widget
    if (text().isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const QRectF box = contentsRect();
    const QFontMetricsF metrics(font(), this);
    // Every digit, so that the baseline stays put whatever number is shown;
    // measured at the size the screen draws them, where their height is
    // rounded to its own pixels.
    const qreal ratio = devicePixelRatioF();
    QFont drawn = font();
    drawn.setPointSizeF(font().pointSizeF() * ratio);
    const QRectF digits = QFontMetricsF(drawn, this).tightBoundingRect(QStringLiteral("0123456789"));
    const qreal baseline = box.center().y() - digits.center().y() / ratio;
    const qreal left = box.left() + (box.width() - metrics.horizontalAdvance(text())) / 2;
    painter.drawText(QPointF(left, baseline), text());
}

} // namespace platform
