// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <memory>

class QAction;
class QKeyEvent;
class QWidget;

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

// Hands the game's keypad keys to `window` past a screen reader's bridge while
// Num Lock is on. Qt's AT-SPI bridge tells the reader of every key without the
// Num Lock state, so Orca takes the keypad for its review commands as if Num
// Lock were off and the keys never arrive. The keys the game uses (keypad
// digits, decimal point, plus, minus, Enter) are caught as window shortcuts,
// ahead of the bridge, and delivered to the window as the key events they were;
// with Num Lock off they go their usual way, to the reader's review keys.
class KeypadPassage : public QObject
{
public:
    explicit KeypadPassage(QWidget *window);
    ~KeypadPassage() override;
    // The keypad key `event` reaches the window through the passage.
    static bool passes(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void deliver();

    QWidget *window;
    QAction *take;
    std::unique_ptr<QKeyEvent> caught; // the key the shortcut stands for
};

} // namespace platform
