// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

#include <functional>

class QWidget;

namespace platform {

class ColourButton;
class PictureBox;

// What the eye gets from colour and place, readers get from the accessibility
// interfaces installed here:
// - a picture box is a list of its lines, one item per line, and the same lines
//   as text, one text line per printed line; each item stands where its line is
//   drawn, so it lines up with the row beside it;
// - a row scale is a list of its rows, each where it is drawn;
// - a colour button that stands for a choice reports it as its checked state,
//   as a radio button when it is one of a set of which one is chosen
//   (oneofaset), else as a check box;
// - a label made the label of another widget (labelfor) is no loose text of
//   its window any more but that widget's label;
// - a display reads as what it is and what it shows ("My guess is 1234").
// Installs the interfaces once; later calls do nothing.
void installaccessibility();

// How each printed line of `box` reads aloud; without one a line reads as printed.
using LineReader = std::function<QString(const QString &printed)>;
void readlinesas(PictureBox *box, LineReader reader);

// `box` has changed its lines: they were `before`. Tells readers what was added
// or taken away.
void lineschanged(PictureBox *box, const QStringList &before);

// `button` is one of a set of choices of which one is in force.
void oneofaset(ColourButton *button);

// Gives `widget` `news` as its description: readers read it with the widget
// whenever it gets the focus ("Confirm Signs push button. My guess is 4213.").
void describe(QWidget *widget, const QString &news);

// Describes `widget` with `news` and tells readers at once, wherever the focus
// is, as a notification of `widget`'s window. Nothing is told for no news.
void announce(QWidget *widget, const QString &news);

// Tells readers `news` at once, wherever the focus is in `window`: a
// notification in a status line, which readers speak as it is, not calling it one.
void say(QWidget *window, const QString &news);

// `widget`, a frame inside a window, reads as a panel: readers take a frame for
// a window of its own, and ignore the focus inside one that is not active.
void readaspanel(QWidget *widget);

// `widget` (a page of rich text) reads as what `reader` makes of it: its words
// for the ear, rather than its characters; the description is the reader's to say.
void readtextas(QWidget *widget, std::function<QString()> reader);

// `label` is the label of `target` (a line of a dialog's message, say): readers
// read it as part of `target`, not as loose text around it.
void labelfor(QWidget *label, QWidget *target);

} // namespace platform
