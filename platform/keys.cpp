// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/keys.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

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

namespace {

// The keypad keys the game answers to; the others stay the reader's.
constexpr Qt::Key passagekeys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
    Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Period, Qt::Key_Comma, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Enter};

// X11's modifier bit that the standard keymaps give to Num Lock.
constexpr quint32 numlockbit = 1u << 4;

} // namespace

KeypadPassage::KeypadPassage(QWidget *window) : QObject(window), window(window)
{
    take = new QAction(this);
    QList<QKeySequence> keys;
    for (Qt::Key k : passagekeys)
        keys << QKeySequence(k); // the shortcut map drops the keypad modifier
    take->setShortcuts(keys);
    take->setShortcutContext(Qt::WindowShortcut);
    take->setAutoRepeat(true);
    take->setEnabled(false); // only for a key caught below: keys sent by the program go their way
    connect(take, &QAction::triggered, this, &KeypadPassage::deliver);
    window->addAction(take);
    window->winId();
    window->windowHandle()->installEventFilter(this);
}

KeypadPassage::~KeypadPassage() = default;

bool KeypadPassage::passes(const QKeyEvent &event)
{
    if (!(event.modifiers() & Qt::KeypadModifier) || QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    if (!(event.nativeModifiers() & numlockbit))
        return false;
    return std::find(std::begin(passagekeys), std::end(passagekeys), event.key()) != std::end(passagekeys);
}

bool KeypadPassage::eventFilter(QObject *watched, QEvent *event)
{
    // Before a key goes to the shortcuts, the window is asked whether it wants
    // the key itself: yes, unless it is a game key to hand over.
    if (event->type() == QEvent::ShortcutOverride && watched == window->windowHandle()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (std::find(std::begin(passagekeys), std::end(passagekeys), key->key()) == std::end(passagekeys))
            return false;
        if (!passes(*key)) { // the same key on the main keyboard, or Num Lock off
            caught.reset();
            take->setEnabled(false);
            event->accept();
            return true;
        }
        caught = std::make_unique<QKeyEvent>(QEvent::KeyPress, key->key(), key->modifiers(), key->nativeScanCode(),
            key->nativeVirtualKey(), key->nativeModifiers(), key->text(), key->isAutoRepeat(), ushort(key->count()));
        caught->setTimestamp(key->timestamp());
        take->setEnabled(true);
    }
    return false;
}

void KeypadPassage::deliver()
{
    if (!caught || !window->windowHandle())
        return;
    const std::unique_ptr<QKeyEvent> key = std::move(caught);
    QKeyEvent &press = *key;
    // A key sent to a widget is first offered to the shortcuts again: not to this one.
    take->setEnabled(false);
    // Sent, not spontaneous: the bridge lets it by, the window and its focused
    // control get it as from the keyboard.
    QCoreApplication::sendEvent(window->windowHandle(), &press);
    QKeyEvent release(QEvent::KeyRelease, press.key(), press.modifiers(), press.nativeScanCode(),
        press.nativeVirtualKey(), press.nativeModifiers(), press.text(), false, ushort(press.count()));
    release.setTimestamp(press.timestamp());
    if (window->windowHandle())
        QCoreApplication::sendEvent(window->windowHandle(), &release);
}

} // namespace platform
