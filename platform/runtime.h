// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QApplication;
class QRect;
class QScreen;
class QSize;
class QWidget;

namespace platform {

inline const QString apptitle = QStringLiteral("Numora");

// Style, fonts and names shared by the game and its tests.
void setupapplication(QApplication &app);

// The stated Windows faces with their nearest free stand-ins.
QFont sansserif(double points, bool bold = false);
QFont serif(double points, bool bold = false);

// The client size a window can have on the screen: the screen's available area
// less the window's frame (before the window is first mapped, when the window
// manager has not told it yet, a title bar and border of the style's size) and,
// under Wayland, which does not tell it, less the room panels may take.
QSize roomonscreen(const QWidget *window, const QScreen *screen);
// The frame moved, as little as it takes, to lie wholly inside `available`; a
// frame larger than it keeps its top-left corner (and so its title bar) inside.
QRect keptinside(QRect frame, const QRect &available);

// A modal box with OK only, no icon, titled with the application title.
void messagebox(QWidget *parent, const QString &text);
void beep();
// Ends the program at once: no question, no handler of any window runs.
// Returns only when a test has set the hook.
void endprogram();

// Seams for tests: each replaces the real behaviour while it is set.
struct Hooks
{
    std::function<void(const QString &text)> messagebox;
    std::function<void()> beep;
    std::function<void()> endprogram;
};
Hooks &hooks();

} // namespace platform
