// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Where the game's translations lie: beside the program, as built and as installed.
QString translationsdir();

// Speaks the first of `preferred` (the player's languages, most wanted first,
// as QLocale::uiLanguages gives them) that the game has a translation for in
// `directory`, with Qt's own translation of its standard buttons where the
// system has it. English, or the C locale, ends the search: the game is
// written in it. Replaces whatever an earlier call installed. Returns the name
// of the translation taken ("de", "pt_BR"), or nothing for English.
QString uselanguage(const QStringList &preferred, const QString &directory);

} // namespace platform
