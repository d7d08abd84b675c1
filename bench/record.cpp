// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench record: the time to write one match to the record, commit and
// all, as the engine's report of it waits for it.
// numora-bench statistics: the time to open the Statistics window on a record
// of many matches, and its two readings of the record on their own.
// Both work on a record of their own in a temporary folder.

#include "record/record.h"
#include "bench/bench.h"
#include "dialogs/statistics.h"
#include "platform/runtime.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace numora::bench {

namespace {

using Clock = std::chrono::steady_clock;

double msince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double percentile(std::vector<double> times, double share)
{
    std::sort(times.begin(), times.end());
    return times[std::min(times.size() - 1, size_t(share * double(times.size())))];
}

std::string anumber(std::mt19937 &rng)
{
    std::string digits = "0123456789";
    do
        std::shuffle(digits.begin(), digits.end(), rng);
    while (digits[0] == '0');
    return digits.substr(0, 4);
}

// A match as the engine reports one: endings about as often as a player meets
// them, three to eight rounds, every guess with its answer.
GameReport amatch(std::mt19937 &rng)
{
    static const Ending endings[] = {Ending::won, Ending::won, Ending::won, Ending::lost, Ending::lost, Ending::lost,
        Ending::lost, Ending::draw, Ending::contradiction, Ending::abandoned};
    GameReport r;
    r.ending = endings[std::uniform_int_distribution<int>(0, 9)(rng)];
    r.rounds = std::uniform_int_distribution<int>(3, 8)(rng);
    r.mynumber = anumber(rng);
    if (r.ending == Ending::lost || r.ending == Ending::draw)
        r.yournumber = anumber(rng);
    for (int k = 0; k < r.rounds; ++k) {
        const auto plus = std::int16_t(std::uniform_int_distribution<int>(0, 2)(rng));
        r.yourguesses.push_back({anumber(rng), plus, std::int16_t(2 - plus)});
        if (k + 1 < r.rounds || r.ending != Ending::abandoned)
            r.myguesses.push_back({anumber(rng), std::int16_t(2 - plus), plus});
    }
    return r;
}

// Fills the record with `count` matches in one transaction, as years of play
// would have left it; the record itself writes one match per transaction.
bool fill(const QString &file, int count, std::mt19937 &rng)
{
    {
        record::Record made(file);
        made.open(); // the layout
        if (!made.writable())
            return false;
    }
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        done = db.open() && q.exec(QStringLiteral("BEGIN"));
        QSqlQuery match(db), guess(db);
        match.prepare(QStringLiteral("INSERT INTO matches (ended, ending, strength, rounds, computer_secret,"
                                     " player_secret, streak) VALUES (?, ?, 'normal', ?, ?, ?, ?)"));
        guess.prepare(QStringLiteral("INSERT INTO guesses VALUES (?, ?, ?, ?, ?, ?)"));
        QDateTime when = QDateTime::currentDateTime().addDays(-count / 20);
        qint64 streak = 0;
        for (int i = 0; done && i < count; ++i) {
            const GameReport r = amatch(rng);
            when = when.addSecs(180);
            match.addBindValue(when.toString(Qt::ISODateWithMs));
            match.addBindValue(record::endingname(r.ending));
            match.addBindValue(r.rounds);
            match.addBindValue(QString::fromStdString(r.mynumber));
            match.addBindValue(r.yournumber.empty() ? QVariant() : QString::fromStdString(r.yournumber));
            streak = r.ending == Ending::won ? streak + 1 : 0;
            match.addBindValue(streak);
            done = match.exec();
            const qint64 id = match.lastInsertId().toLongLong();
            for (const auto &[side, list] : {std::pair {"player", &r.yourguesses}, {"computer", &r.myguesses}})
                for (size_t k = 0; done && k < list->size(); ++k) {
                    for (const QVariant &value : {QVariant(id), QVariant(QLatin1String(side)), QVariant(int(k + 1)),
                             QVariant(QString::fromStdString((*list)[k].number)), QVariant((*list)[k].plus),
                             QVariant((*list)[k].minus)})
                        guess.addBindValue(value);
                    done = guess.exec();
                }
        }
        done = done && q.exec(QStringLiteral("COMMIT"));
        if (!done)
            std::fprintf(stderr, "cannot fill the record: %s\n", qPrintable(q.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return done;
}

// Qt's applications want a command line of their own.
char benchname[] = "numora-bench";
char *benchargs[] = {benchname, nullptr};
int benchargc = 1;

int argument(int argc, char **argv, int index, int fallback)
{
    return index < argc ? std::atoi(argv[index]) : fallback;
}

} // namespace

int recordmatch(int argc, char **argv)
{
    const int matches = argument(argc, argv, 0, 1000);
    const int onrecord = argument(argc, argv, 1, 0);
    if (matches < 1 || onrecord < 0 || argc > 2) {
        std::fputs("usage: numora-bench record [MATCHES [ON RECORD BEFORE]]\n", stderr);
        return 2;
    }
    QCoreApplication app(benchargc, benchargs);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    std::mt19937 rng(1);
    if (onrecord > 0 && !fill(file, onrecord, rng))
        return 1;
    record::Record matchesonrecord(file);
    matchesonrecord.open();
    std::vector<GameReport> reports;
    for (int i = 0; i < matches; ++i)
        reports.push_back(amatch(rng));
    std::vector<double> times;
    for (const GameReport &r : reports) {
        const auto start = Clock::now();
        matchesonrecord.gameended(r);
        times.push_back(msince(start));
    }
    if (matchesonrecord.unsaved() > 0 || matchesonrecord.summary().played != qint64(matches) + onrecord) {
        std::fputs("the record lost matches\n", stderr);
        return 1;
    }
    std::printf("matches %d\non_record_before %d\nmedian_ms %.3f\np90_ms %.3f\np99_ms %.3f\nmax_ms %.3f\n", matches,
        onrecord, percentile(times, 0.5), percentile(times, 0.9), percentile(times, 0.99),
        *std::max_element(times.begin(), times.end()));
    return 0;
}

int statistics(int argc, char **argv)
{
    const int onrecord = argument(argc, argv, 0, 100000);
    const int runs = argument(argc, argv, 1, 21);
    if (onrecord < 0 || runs < 1 || argc > 2) {
        std::fputs("usage: numora-bench statistics [MATCHES ON RECORD [RUNS]]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(benchargc, benchargs);
    platform::setupapplication(app);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    std::mt19937 rng(1);
    if (onrecord > 0 && !fill(file, onrecord, rng))
        return 1;
    record::Record matches(file);
    matches.open();
    if (matches.summary().played != onrecord) {
        std::fputs("the record does not hold the matches\n", stderr);
        return 1;
    }
    std::vector<double> summary, last, open;
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        matches.summary();
        summary.push_back(msince(start));
        start = Clock::now();
        matches.lastmatches(dialogs::frmStatistics::shownmatches);
        last.push_back(msince(start));
        // Made, shown and painted whole, every widget in it.
        start = Clock::now();
        auto *window = new dialogs::frmStatistics(matches);
        window->show();
        window->repaint();
        open.push_back(msince(start));
        delete window;
        QCoreApplication::processEvents();
    }
    std::printf("matches_on_record %d\nruns %d\nsummary_ms %.2f\nlastmatches_ms %.2f\nopen_ms %.2f\nopen_max_ms %.2f\n",
        onrecord, runs, percentile(summary, 0.5), percentile(last, 0.5), percentile(open, 0.5),
        *std::max_element(open.begin(), open.end()));
    return 0;
}

} // namespace numora::bench
