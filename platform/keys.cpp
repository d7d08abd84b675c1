// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keys.h"

#include <QKeyEvent>

#include <algorithm>

namespace platform {

int keycode(const QKeyEvent &event)
{
    const int k = event.key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter)
        return key::enter;
    if (!(event.modifiers() & Qt::KeypadModifier))
        return key::other;
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return key::keypad0 + (k - Qt::Key_0);
    switch (k) {
    case Qt::Key_Plus:
        return key::keypadplus;
    case Qt::Key_Minus:
        return key::keypadminus;
    case Qt::Key_Period: // the decimal key gives "." or "," by keyboard layout
    case Qt::Key_Comma:
        return key::keypaddecimal;
    default:
        return key::other;
    }
}

bool pressesbutton(const QKeyEvent &event)
{
    const int k = event.key();
    return k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space;
}

void InputClock::sample(quint64 stamp)
{
    // The smallest difference is the one with the least delay in between. A
    // much larger one means the stamps' clock has started again or wrapped.
    const qint64 difference = now() - qint64(stamp);
    if (!known || difference < offset || difference - offset > 10000)
        offset = difference;
    known = true;
}

qint64 InputClock::timeof(quint64 stamp)
{
    const qint64 handled = now();
    if (stamp == 0)
        return handled;
    sample(stamp);
    return std::min(qint64(stamp) + offset, handled);
}

} // namespace platform
