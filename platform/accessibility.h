// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <functional>

class QWidget;

namespace platform {

class PictureBox;

// What the eye gets from colour and place, readers get from the accessibility
// interfaces installed here:
// - a picture box is a list of its lines, one item per line, and the same lines
//   as text, one text line per printed line; each item stands where its line is
//   drawn, so it lines up with the row beside it;
// - a row scale is a list of its rows, each where it is drawn;
// - a colour button that stands for a choice reports it as its checked state;
// - a display reads as what it is and what it shows ("My guess is 1234").
// Installs the interfaces once; later calls do nothing.
void installaccessibility();

// How each printed line of `box` reads aloud; without one a line reads as printed.
using LineReader = std::function<QString(const QString &printed)>;
void readlinesas(PictureBox *box, LineReader reader);

// `box` has changed its lines: they were `before`. Tells readers what was added
// or taken away.
void lineschanged(PictureBox *box, const QStringList &before);

} // namespace platform
