// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program answers on its command line: --help and --version as a
// desktop program does, and a refusal of anything else it is given.

#include <optional>

#include <QStringList>

namespace numora {

// The program's name (on X11 also its window class), version and desktop entry.
void setidentity();

// Answers --help, --help-all and --version, and refuses any option or argument
// that neither the game nor Qt takes with a message and exit status 2, all
// before any window system is reached: no display is needed. Returns the exit
// status when the program is to end; nothing when the command line is for the
// game (Qt's own options, -platform, -style ..., pass on to QApplication).
std::optional<int> answerbeforewindows(int argc, char *argv[]);

// The same for the arguments QApplication has left: whatever Qt did not take.
std::optional<int> answercommandline(const QStringList &arguments);

} // namespace numora
