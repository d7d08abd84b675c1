// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace platform {

// Where the game's translations lie: beside the program, as built and as installed.
QString translationsdir();

// The player's languages, most wanted first, read as gettext reads them: the
// locale is LC_ALL, else LC_MESSAGES, else LANG; in the C or POSIX locale the
// program is not translated at all, otherwise LANGUAGE (a colon list) wins
// over the locale's own language. Where none of them is set (Windows, macOS)
// the system's list, QLocale::uiLanguages, is taken instead.
QStringList preferredlanguages(const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Speaks the first of `preferred` ("de_DE.UTF-8", "de-DE", "de") that the game
// has a translation for in `directory`, with Qt's own translation of its
// standard buttons where the system has it. Codes the game does not know are
// passed over, and so is the "C" that Qt's uiLanguages puts after each of
// them; English ends the search, the game being written in it. A language
// with no translation of its own country takes another country's ("pt_PT"
// gets "pt_BR"). Replaces whatever an earlier call installed. Returns the name
// of the translation taken ("de", "pt_BR"), or nothing for English.
QString uselanguage(const QStringList &preferred, const QString &directory);

// For tests of the built program: with NUMORA_PRINT_CAPTIONS set, once the
// windows are up, print the captions of every shown window (title, menus,
// frames, buttons), one a line, and quit.
void printcaptionswhenasked();

} // namespace platform
