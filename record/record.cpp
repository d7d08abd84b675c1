// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "record/record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <array>

namespace record {

namespace {

// SQLite's primary result codes that say what became of a write.
enum : int {
    sqlitebusy = 5,
    sqlitelocked = 6,
    sqlitereadonly = 8,
    sqliteioerr = 10,
    sqlitecorrupt = 11,
    sqlitefull = 13,
    sqlitecantopen = 14,
    sqliteperm = 3,
    sqlitenotadb = 26,
};

int resultcode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff; // the primary code of an extended one
}

// Another process writing a match takes milliseconds; a program that holds
// the file longer than this is told about.
constexpr int busymilliseconds = 10000;

constexpr std::array endingnames = {"won", "lost", "draw", "contradiction", "abandoned"};
constexpr std::array strengthnames = {"easy", "normal", "expert"};

// The layout, written once into a new file together with its marks.
constexpr const char *schema[] = {
    "CREATE TABLE matches ("
    " id INTEGER PRIMARY KEY,"
    " ended TEXT NOT NULL," // local time with its offset from UTC, ISO 8601
    " ending TEXT NOT NULL CHECK (ending IN ('won', 'lost', 'draw', 'contradiction', 'abandoned')),"
    " strength TEXT NOT NULL CHECK (strength IN ('easy', 'normal', 'expert')),"
    " rounds INTEGER NOT NULL CHECK (rounds >= 0)," // the player's guesses
    " computer_secret TEXT NOT NULL,"
    " player_secret TEXT," // only when the computer found it
    " streak INTEGER NOT NULL CHECK (streak >= 0))", // the winning streak this match ends; 0 when not won
    "CREATE TABLE guesses ("
    " match INTEGER NOT NULL REFERENCES matches (id) ON DELETE CASCADE,"
    " side TEXT NOT NULL CHECK (side IN ('player', 'computer')),"
    " round INTEGER NOT NULL CHECK (round >= 1),"
    " number TEXT NOT NULL,"
    " plus INTEGER NOT NULL,"
    " minus INTEGER NOT NULL,"
    " PRIMARY KEY (match, side, round)) WITHOUT ROWID",
    // The figures by ending and the rounds of wins come from this index alone,
    // the longest streak from the other.
    "CREATE INDEX matches_by_ending ON matches (ending, rounds)",
    "CREATE INDEX matches_by_streak ON matches (streak)",
};

QString asidename(const QFileInfo &file)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    const QString base = file.dir().filePath(file.completeBaseName() + QStringLiteral("-set-aside-") + stamp);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    QString name = base + suffix;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo::exists(name + QStringLiteral("-wal")); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + suffix;
    return name;
}

} // namespace

QString endingname(numora::Ending ending)
{
    return QString::fromLatin1(endingnames.at(size_t(ending)));
}

QString strengthname(numora::Strength strength)
{
    return QString::fromLatin1(strengthnames.at(size_t(strength)));
}

Record::Record(const QString &file, QObject *parent)
    : QObject(parent),
      path(QFileInfo(file).absoluteFilePath()),
      connection(QStringLiteral("numora-record-%1").arg(reinterpret_cast<quintptr>(this)))
{ }

Record::~Record()
{
    closedatabase();
}

QString Record::defaultfile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("record.sqlite"));
}

void Record::open()
{
    ensureopen();
}

bool Record::opendatabase(bool readonly)
{
    closedatabase();
    db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busymilliseconds);
    if (readonly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    return db.open();
}

void Record::closedatabase()
{
    if (!db.isValid())
        return;
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection);
}

bool Record::ensureopen()
{
    if (state == State::writable)
        return true;
    if (state == State::newer)
        return false;
    state = State::closed;
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        failure = {Cause::readonly, QStringLiteral("cannot make the folder %1").arg(info.absolutePath())};
    } else if (opendatabase(false) && inspect()) {
        state = State::writable;
        return true;
    }
    if (state == State::newer)
        return false;
    if (failure.detail.isEmpty() && db.isValid())
        failure = {causeof(db.lastError()), db.lastError().databaseText()};
    // Cannot be written: read what is there, if anything.
    if (info.exists() && opendatabase(true))
        state = State::readonly;
    else
        closedatabase();
    return false;
}

bool Record::inspect()
{
    failure = {};
    // A file that is no database, or whose first pages are broken, fails on its
    // header; another program's has marks of its own or none.
    for (int attempt = 0; attempt < 3; ++attempt) {
        QSqlQuery q(db);
        qint64 id = 0, version = 0, objects = 0;
        const bool read = q.exec(QStringLiteral("PRAGMA application_id")) && q.next()
            && (id = q.value(0).toLongLong(), q.exec(QStringLiteral("PRAGMA user_version"))) && q.next()
            && (version = q.value(0).toLongLong(), q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            && q.next() && (objects = q.value(0).toLongLong(), true);
        const QSqlError error = q.lastError();
        q.finish(); // no read left open: the journal mode changes outside transactions
        if (!read) {
            if (damaged(error)) {
                if (!setaside())
                    return false;
                continue;
            }
            failure = {causeof(error), error.databaseText()};
            return false;
        }
        if (id == 0 && objects == 0) { // new, or emptied by hand: ours from now on
            if (!create())
                return false;
            continue;
        }
        if (id != applicationid || version < 1) {
            if (!setaside())
                return false;
            continue;
        }
        if (version > schemaversion) {
            // Read as far as this version understands it; never written.
            if (!opendatabase(true)) {
                failure = {causeof(db.lastError()), db.lastError().databaseText()};
                return false;
            }
            state = State::newer;
            emit problem({Trouble::newer, Cause::other, path, {}, {}});
            return false;
        }
        // Ours: every commit reaches the disk before it returns (see README).
        const bool set = q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && q.next()
            && q.value(0).toString() == QLatin1String("wal") && q.exec(QStringLiteral("PRAGMA synchronous = FULL"))
            && q.exec(QStringLiteral("PRAGMA foreign_keys = ON"))
            && q.exec(QStringLiteral("SELECT count(*) FROM matches, guesses WHERE 0"));
        if (!set) {
            if (damaged(q.lastError())) {
                if (!setaside())
                    return false;
                continue;
            }
            failure = {causeof(q.lastError()), q.lastError().databaseText()};
            return false;
        }
        return true;
    }
    failure = {Cause::other, QStringLiteral("the file keeps changing")};
    return false;
}

bool Record::create()
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        failure = {causeof(q.lastError()), q.lastError().databaseText()};
        return false;
    }
    // Another process may have made it meanwhile.
    bool made = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && q.next();
    if (made && q.value(0).toLongLong() == 0) {
        for (const char *statement : schema)
            made = made && q.exec(QString::fromLatin1(statement));
        made = made && q.exec(QStringLiteral("PRAGMA application_id = %1").arg(applicationid))
            && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaversion));
    }
    if (made && q.exec(QStringLiteral("COMMIT")))
        return true;
    failure = {causeof(q.lastError()), q.lastError().databaseText()};
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool Record::setaside()
{
    closedatabase();
    const QFileInfo info(path);
    const QString aside = asidename(info);
    if (!QFile::rename(path, aside)) {
        failure = {QFileInfo(info.absolutePath()).isWritable() ? Cause::other : Cause::readonly,
            QStringLiteral("the damaged file cannot be moved aside")};
        return false;
    }
    // Its log belongs to it; the index of the log is made afresh from the log.
    for (const char *companion : {"-wal", "-journal"})
        if (QFileInfo::exists(path + QLatin1String(companion)))
            QFile::rename(path + QLatin1String(companion), aside + QLatin1String(companion));
    if (QFileInfo::exists(path + QStringLiteral("-shm")))
        QFile::rename(path + QStringLiteral("-shm"), aside + QStringLiteral("-shm"));
    emit problem({Trouble::setaside, Cause::other, path, aside, {}});
    if (!opendatabase(false)) {
        failure = {causeof(db.lastError()), db.lastError().databaseText()};
        return false;
    }
    return true;
}

bool Record::damaged(const QSqlError &error)
{
    const int code = resultcode(error);
    return code == sqlitecorrupt || code == sqlitenotadb;
}

Cause Record::causeof(const QSqlError &error) const
{
    switch (resultcode(error)) {
    case sqlitefull:
        return Cause::full;
    case sqlitereadonly:
    case sqliteperm:
        return Cause::readonly;
    case sqlitecantopen:
        return QFileInfo(QFileInfo(path).absolutePath()).isWritable() ? Cause::other : Cause::readonly;
    case sqlitebusy:
    case sqlitelocked:
        return Cause::busy;
    case sqliteioerr:
        return Cause::writefailed;
    default:
        return Cause::other;
    }
}

void Record::gameended(const numora::GameReport &report)
{
    if (state == State::newer)
        return; // the player was told when it was opened
    pending.push_back({report, QDateTime::currentDateTime()});
    if (!writepending())
        tellcannotsave();
}

void Record::tellcannotsave()
{
    if (toldcannotsave)
        return;
    toldcannotsave = true;
    emit problem({Trouble::cannotsave, failure.cause, path, {}, failure.detail});
}

bool Record::writepending()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!ensureopen())
            return false;
        QSqlQuery q(db);
        std::vector<qint64> ids;
        bool written = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        QSqlError error = q.lastError();
        for (size_t i = 0; written && i < pending.size(); ++i) {
            const qint64 id = insert(pending[i], error);
            written = id > 0;
            ids.push_back(id);
        }
        if (written) {
            written = q.exec(QStringLiteral("COMMIT"));
            error = q.lastError();
        }
        if (written) {
            const std::vector<Pending> done = std::move(pending);
            pending.clear();
            for (size_t i = 0; i < done.size(); ++i)
                emit recorded(ids[i], done[i].report);
            emit changed();
            return true;
        }
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        failure = {causeof(error), error.databaseText()};
        if (!damaged(error))
            break;
        // Found damaged while writing: a fresh record, and the matches go there.
        if (!setaside())
            break;
        state = State::closed;
    }
    return false;
}

qint64 Record::insert(const Pending &match, QSqlError &error)
{
    const numora::GameReport &r = match.report;
    QSqlQuery q(db);
    // The streak goes on from the latest match, whichever process wrote it.
    q.prepare(QStringLiteral("INSERT INTO matches (ended, ending, strength, rounds, computer_secret, player_secret,"
                             " streak) VALUES (?, ?, ?, ?, ?, ?, CASE WHEN ? THEN 1 + coalesce((SELECT streak FROM"
                             " matches ORDER BY id DESC LIMIT 1), 0) ELSE 0 END)"));
    q.addBindValue(match.ended.toOffsetFromUtc(match.ended.offsetFromUtc()).toString(Qt::ISODateWithMs));
    q.addBindValue(endingname(r.ending));
    q.addBindValue(strengthname(r.strength));
    q.addBindValue(r.rounds);
    q.addBindValue(QString::fromStdString(r.mynumber));
    q.addBindValue(r.yournumber.empty() ? QVariant(QMetaType::fromType<QString>())
                                        : QVariant(QString::fromStdString(r.yournumber)));
    q.addBindValue(r.ending == numora::Ending::won);
    if (!q.exec()) {
        error = q.lastError();
        return -1;
    }
    const qint64 id = q.lastInsertId().toLongLong();
    QSqlQuery g(db);
    g.prepare(
        QStringLiteral("INSERT INTO guesses (match, side, round, number, plus, minus) VALUES (?, ?, ?, ?, ?, ?)"));
    const auto guesses = [&](const std::vector<numora::GameReport::Guess> &list, const QString &side) {
        for (size_t k = 0; k < list.size(); ++k) {
            g.addBindValue(id);
            g.addBindValue(side);
            g.addBindValue(int(k + 1));
            g.addBindValue(QString::fromStdString(list[k].number));
            g.addBindValue(list[k].plus);
            g.addBindValue(list[k].minus);
            if (!g.exec()) {
                error = g.lastError();
                return false;
            }
        }
        return true;
    };
    if (!guesses(r.yourguesses, QStringLiteral("player")) || !guesses(r.myguesses, QStringLiteral("computer")))
        return -1;
    return id;
}

bool Record::readable()
{
    if (state == State::closed)
        ensureopen();
    return state != State::closed;
}

Summary Record::summary()
{
    Summary s;
    if (!readable()) {
        s.readable = false;
        return s;
    }
    QSqlQuery q(db);
    q.setForwardOnly(true);
    bool read = q.exec(QStringLiteral("SELECT ending, count(*) FROM matches GROUP BY ending"));
    while (read && q.next()) {
        const QString ending = q.value(0).toString();
        const qint64 count = q.value(1).toLongLong();
        s.played += count;
        if (ending == QLatin1String("won"))
            s.won = count;
        else if (ending == QLatin1String("lost"))
            s.lost = count;
        else if (ending == QLatin1String("draw"))
            s.drawn = count;
        else if (ending == QLatin1String("contradiction"))
            s.contradicted = count;
        else if (ending == QLatin1String("abandoned"))
            s.abandoned = count;
    }
    read = read
        && q.exec(QStringLiteral("SELECT rounds, count(*) FROM matches WHERE ending = 'won' GROUP BY rounds"
                                 " ORDER BY rounds"));
    qint64 rounds = 0;
    while (read && q.next()) {
        const int r = q.value(0).toInt();
        const qint64 count = q.value(1).toLongLong();
        s.winsbyrounds.append({r, count});
        rounds += r * count;
        if (s.bestrounds == 0)
            s.bestrounds = r;
    }
    if (s.won > 0)
        s.averagerounds = double(rounds) / double(s.won);
    read = read && q.exec(QStringLiteral("SELECT streak FROM matches ORDER BY id DESC LIMIT 1"));
    if (read && q.next())
        s.currentstreak = q.value(0).toLongLong();
    read = read && q.exec(QStringLiteral("SELECT coalesce(max(streak), 0) FROM matches")) && q.next();
    if (read)
        s.longeststreak = q.value(0).toLongLong();
    if (!read) {
        s = Summary();
        s.readable = false;
    }
    return s;
}

QList<Match> Record::lastmatches(int count)
{
    QList<Match> matches;
    if (!readable())
        return matches;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, ended, ending, strength, rounds, computer_secret, player_secret"
                             " FROM matches ORDER BY id DESC LIMIT ?"));
    q.addBindValue(count);
    if (!q.exec())
        return matches;
    while (q.next()) {
        Match m;
        m.id = q.value(0).toLongLong();
        m.ended = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
        const QString ending = q.value(2).toString();
        for (size_t i = 0; i < endingnames.size(); ++i)
            if (ending == QLatin1String(endingnames[i]))
                m.ending = numora::Ending(i);
        const QString strength = q.value(3).toString();
        for (size_t i = 0; i < strengthnames.size(); ++i)
            if (strength == QLatin1String(strengthnames[i]))
                m.strength = numora::Strength(i);
        m.rounds = q.value(4).toInt();
        m.mynumber = q.value(5).toString();
        m.yournumber = q.value(6).toString();
        matches.append(m);
    }
    return matches;
}

bool Record::clear()
{
    if (!ensureopen())
        return false;
    QSqlQuery q(db);
    const bool cleared = q.exec(QStringLiteral("BEGIN IMMEDIATE")) && q.exec(QStringLiteral("DELETE FROM guesses"))
        && q.exec(QStringLiteral("DELETE FROM matches")) && q.exec(QStringLiteral("COMMIT"));
    if (!cleared) {
        failure = {causeof(q.lastError()), q.lastError().databaseText()};
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    emit changed();
    return true;
}

} // namespace record
