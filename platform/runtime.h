// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QString>

#include <functional>

class QApplication;
class QWidget;

namespace platform {

inline const QString apptitle = QStringLiteral("Numora");

// Style, fonts and names shared by the game and its tests.
void setupapplication(QApplication &app);

// The stated Windows faces with their nearest free stand-ins.
QFont sansserif(double points, bool bold = false);
QFont serif(double points, bool bold = false);

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
