// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

// How the windows meet the desktop they open on: an X11 window manager tells a
// window its frame only once it is mapped; under Wayland the compositor places
// every window and keeps the room its panels take to itself.
namespace platform {

// Whether the program places its windows itself (X11, Windows); under Wayland
// the compositor places them, on their owner when they have one.
bool placeswindows();

// Room at a screen's edge that a desktop's panels may take and Wayland does not
// tell a program about, in device-independent pixels.
inline constexpr int panelroom = 48;

// A top-level window's frame as the window system has it (its client area
// where there is no frame or it is not known yet).
QRect frameof(const QWidget *window);
// Puts the frame's top-left corner at `topleft`.
void placeframe(QWidget *window, QPoint topleft);

// Calls `place` once more when the window manager has framed the shown
// `window`, if its frame was not known yet when it was placed.
void whenframed(QWidget *window, std::function<void()> place);

// `window` belongs to its parent widget's window, which the desktop keeps it
// above, each time it is shown. Qt tells the desktop so for dialogs, and for
// every owned window under Wayland; this tells an X11 window manager for a
// window of its own too, which keeps its task bar entry.
void belongtoowner(QWidget *window);

} // namespace platform
