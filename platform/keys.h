// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>

class QKeyEvent;

namespace platform {

// Virtual key codes of the numeric keypad, as the key handler expects them.
namespace key {
constexpr int keypad0 = 96; // keypad 1 to 9 are 97 to 105
constexpr int keypadplus = 107;
constexpr int keypadminus = 109;
constexpr int keypaddecimal = 110;
constexpr int enter = 13;
constexpr int other = 0;
} // namespace key

// The code of a key press: the keypad's digits, plus, minus and decimal point
// (whatever character the layout gives it) map to the codes above; Enter to 13;
// anything else to a code outside the keypad's range.
int keycode(const QKeyEvent &event);

// Enter, Return and Space: the keys that press the focused button.
bool pressesbutton(const QKeyEvent &event);

// Places the time stamps of input events (the window system's own clock) on
// this program's steady clock, so that a key can be known to have been pressed
// before a moment the program noted, even when it is handled after it.
class InputClock
{
public:
    InputClock() { clock.start(); }
    qint64 now() const { return clock.elapsed(); }
    // When the event stamped `stamp`, handled now, happened, on this clock. A
    // missing stamp (0: a screen reader's bridge re-sends keys without theirs)
    // is timed by this clock as handled now; so is one that would lie ahead.
    qint64 timeof(quint64 stamp);

private:
    void sample(quint64 stamp);

    QElapsedTimer clock;
    qint64 offset = 0; // steady clock minus stamps, as small as seen
    bool known = false;
};

} // namespace platform
