// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "record/record.h"

#include <QDialog>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace dialogs {

// A strength as players read it, in the menu, the title and the record.
QString strengthtext(numora::Strength strength);

// A bar for each number of rounds a match was won in, from the fewest to the
// most, with its count above it. Readers get the same as text, bar by bar.
class RoundsChart : public QWidget
{
    Q_OBJECT
public:
    explicit RoundsChart(QWidget *parent = nullptr);
    void setwins(const QList<QPair<int, qint64>> &winsbyrounds);
    // "Rounds 3, won 2. Rounds 4, won 0. ..." with every number of rounds
    // from the fewest to the most; a note when none was won.
    QString astext() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QPair<int, qint64>> bars; // every number of rounds in the range, none left out
};

// "Statistics": the figures of the record, the chart of the rounds of won
// matches and the latest matches, each a page of its own; the record can be
// cleared from here. Modeless; follows the record while it is open; deletes
// itself when closed.
class frmStatistics : public QDialog
{
    Q_OBJECT
public:
    // The table shows this many of the latest matches; the figures count all.
    static constexpr int shownmatches = 100;

    explicit frmStatistics(record::Record &record, QWidget *parent = nullptr);

    // Reads the record again.
    void refresh();
    void clear_Click();

    QTabWidget *tabs = nullptr;
    QTableWidget *figures = nullptr; // a figure per row: what it is, its value
    RoundsChart *chart = nullptr;
    QTableWidget *matches = nullptr; // latest first
    QLabel *note = nullptr; // what the player should know of the record: read only, unreadable
    QLabel *place = nullptr; // where the record is kept
    QPushButton *clearbutton = nullptr;
    QPushButton *closebutton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    record::Record &record;
    bool placed = false;
};

// Tells the player, in a message box on `owner`, what went wrong with the
// record. Waits for the player's OK when the owner is on screen; otherwise the
// box comes from the event loop, once the program runs.
void tellrecordproblem(QWidget *owner, const record::Problem &problem);

} // namespace dialogs
