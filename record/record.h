// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/gamereport.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPair>
#include <QSqlDatabase>
#include <QString>

#include <vector>

class QSqlError;

namespace record {

// What went wrong with the record, for the player to be told.
enum class Trouble {
    cannotsave, // matches cannot be written; they are kept while the program runs and written when they can be
    setaside, // the file was damaged or another program's: moved aside under a dated name, a fresh record begun
    newer, // written by a newer version of the game: read, never written
};

// Why a file could not be written, in terms the window puts into words.
enum class Cause {
    readonly, // the folder or the file may not be written
    full, // no room left on the disk
    writefailed, // the disk refused a write (a file size limit, a failing disk)
    busy, // another program kept the file locked
    other, // see the system's own words
};

struct Problem
{
    Trouble trouble = Trouble::cannotsave;
    Cause cause = Cause::other;
    QString file; // the record
    QString aside; // setaside: where the old file is now
    QString detail; // the database's own words, untranslated
};

// The record's figures. Every match counts as played, an abandoned one too;
// any match not won ends a winning streak.
struct Summary
{
    bool readable = true; // false: the record could not be read (a newer layout, a failing disk)
    qint64 played = 0;
    qint64 won = 0;
    qint64 lost = 0;
    qint64 drawn = 0;
    qint64 contradicted = 0; // ended on answers no number fits
    qint64 abandoned = 0;
    qint64 currentstreak = 0; // the matches won since the last one not won
    qint64 longeststreak = 0;
    double averagerounds = 0; // of the matches won; 0 when none
    int bestrounds = 0; // fewest rounds of a match won; 0 when none
    QList<QPair<int, qint64>> winsbyrounds; // rounds, matches won in that many; rounds ascending
};

// One match as the table of last matches shows it.
struct Match
{
    qint64 id = 0;
    QDateTime ended;
    numora::Ending ending = numora::Ending::abandoned;
    numora::Strength strength = numora::Strength::normal;
    int rounds = 0;
    QString mynumber; // the computer's secret
    QString yournumber; // the player's, when the computer found it; empty otherwise
};

// Every match the player ends, in one SQLite database: written when the
// engine reports the match, in one transaction committed (synchronous=FULL on
// write-ahead logging) before the report's call returns, so before the
// outcome's dialog shows. One connection per object; several processes may
// write the same file, each waiting its turn. A damaged or foreign file is
// moved aside, never deleted; a file of a newer layout is only read.
class Record : public QObject, public numora::GameListener
{
    Q_OBJECT
public:
    // The layout this version writes; kept in the file's user_version.
    static constexpr int schemaversion = 1;
    // Marks the file as this game's (the file's application_id): "NMRA".
    static constexpr qint32 applicationid = 0x4e4d5241;

    explicit Record(const QString &file = defaultfile(), QObject *parent = nullptr);
    ~Record() override;
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;

    // The user's data folder (XDG_DATA_HOME on Linux) + "/record.sqlite".
    static QString defaultfile();
    QString file() const { return path; }

    // Opens the file, making it and its folder when missing. Call once the
    // problem signal is connected: what it finds is told through it.
    void open();

    // Writes the match, with any kept from before, and returns once it is
    // durable; if it cannot be written it is kept and the problem told.
    void gameended(const numora::GameReport &report) override;

    bool writable() const { return state == State::writable; }
    bool newer() const { return state == State::newer; }
    int unsaved() const { return int(pending.size()); }

    Summary summary();
    // The `count` latest matches, latest first.
    QList<Match> lastmatches(int count);
    // Deletes every match; false when the record cannot be written.
    bool clear();

signals:
    // A match is durable in the file under `id`.
    void recorded(qint64 id, const numora::GameReport &report);
    // The matches on record changed: one recorded, or all cleared.
    void changed();
    // Told at once, from inside the call that met it; cannotsave only once a run.
    void problem(const record::Problem &problem);

private:
    enum class State {
        closed,
        writable,
        readonly, // cannot be written now: read as it is, written again once it can be
        newer, // read, never written
    };
    struct Pending
    {
        numora::GameReport report;
        QDateTime ended;
    };
    struct Failure
    {
        Cause cause = Cause::other;
        QString detail;
    };

    bool ensureopen(); // true when writable
    bool readable(); // opens for reading where it cannot open for writing
    bool opendatabase(bool readonly);
    void closedatabase();
    // Reads what the file is: sets up a new one, moves a damaged or foreign one
    // aside, opens a newer one for reading. True when ours and writable.
    bool inspect();
    bool create();
    bool setaside();
    bool writepending();
    qint64 insert(const Pending &match, QSqlError &error); // the new id; -1 and `error` when it failed
    static bool damaged(const QSqlError &error);
    Cause causeof(const QSqlError &error) const;
    void tellcannotsave();

    QString path;
    QString connection;
    QSqlDatabase db;
    State state = State::closed;
    Failure failure; // why the record last could not be written
    bool toldcannotsave = false;
    std::vector<Pending> pending;
};

// The words each ending and strength is stored as.
QString endingname(numora::Ending ending);
QString strengthname(numora::Strength strength);

} // namespace record
