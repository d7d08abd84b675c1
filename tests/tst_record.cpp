// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The record of matches: the figures it gives, and what becomes of a file
// that is damaged, foreign, newer, or cannot be written. (What each match
// leaves in the file, the real program's tests compare match by match.)

#include "record/record.h"
#include "recordtesting.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using numora::Ending;
Q_DECLARE_METATYPE(record::Problem)
using Maker = std::function<void(const QString &file)>;
Q_DECLARE_METATYPE(Maker)

namespace {

// A record of `played` wins, closed, its log folded into the file.
void recordof(const QString &file, int played)
{
    {
        record::Record r(file);
        r.open();
        for (int i = 0; i < played; ++i)
            r.gameended(match(Ending::won));
    }
    rows(file, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

} // namespace

class TestRecord : public QObject
{
    Q_OBJECT
private slots:
    void figuresCountEndingsStreaksAndRoundsOfWins_data();
    void figuresCountEndingsStreaksAndRoundsOfWins();
    void aDamagedOrForeignFileIsSetAsideUnchangedAndAFreshRecordBegun_data();
    void aDamagedOrForeignFileIsSetAsideUnchangedAndAFreshRecordBegun();
    void aNewerRecordIsReadAsFarAsItCanBeAndNeverWritten_data();
    void aNewerRecordIsReadAsFarAsItCanBeAndNeverWritten();
    void matchesThatCannotBeWrittenAreToldOnceKeptAndWrittenLater();
    void clearingLeavesNoMatchNorGuess();
};

void TestRecord::figuresCountEndingsStreaksAndRoundsOfWins_data()
{
    // Matches in order, each its ending's letter and rounds; the figures as
    // played won lost drawn contradicted abandoned current longest average best;
    // the wins by rounds.
    QTest::addColumn<QString>("matches");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("wins");
    QTest::newRow("none") << ""
                          << "0 0 0 0 0 0 0 0 0 0"
                          << "";
    QTest::newRow("one win") << "w4"
                             << "1 1 0 0 0 0 1 1 4 4"
                             << "4:1";
    QTest::newRow("a loss ends a streak") << "w3 w4 l5 w5"
                                          << "4 3 1 0 0 0 1 2 4 3"
                                          << "3:1 4:1 5:1";
    QTest::newRow("an abandoned match ends it too") << "w3 a1 w4 w6"
                                                    << "4 3 0 0 0 1 2 2 4.33333 3"
                                                    << "3:1 4:1 6:1";
    QTest::newRow("a draw and a contradiction end it") << "w3 d4 w4 c3 w5 w5 w5"
                                                       << "7 5 0 1 1 0 3 3 4.4 3"
                                                       << "3:1 4:1 5:3";
    QTest::newRow("the longest run earlier") << "w3 w3 w3 l4 w6"
                                             << "5 4 1 0 0 0 1 3 3.75 3"
                                             << "3:3 6:1";
    QTest::newRow("no win lately") << "w5 w5 l2 d8"
                                   << "4 2 1 1 0 0 0 2 5 5"
                                   << "5:2";
}

void TestRecord::figuresCountEndingsStreaksAndRoundsOfWins()
{
    QFETCH(QString, matches);
    QFETCH(QString, figures);
    QFETCH(QString, wins);
    QTemporaryDir folder;
    record::Record r(folder.filePath(QStringLiteral("record.sqlite")));
    r.open();
    const QStringList played = matches.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto ending = [](const QString &m) { return Ending(QStringLiteral("wldca").indexOf(m.at(0))); };
    for (const QString &m : played) // the strength follows the rounds, to see it kept
        r.gameended(match(ending(m), m.mid(1).toInt(), numora::Strength(m.mid(1).toInt() % 3)));
    const record::Summary s = r.summary();
    QVERIFY(s.readable);
    QStringList got;
    for (double figure :
        {double(s.played), double(s.won), double(s.lost), double(s.drawn), double(s.contradicted), double(s.abandoned),
            double(s.currentstreak), double(s.longeststreak), s.averagerounds, double(s.bestrounds)})
        got << QString::number(figure);
    QCOMPARE(got.join(QLatin1Char(' ')), figures);
    QStringList bars;
    for (const auto &[rounds, count] : s.winsbyrounds)
        bars << QStringLiteral("%1:%2").arg(rounds).arg(count);
    QCOMPARE(bars.join(QLatin1Char(' ')), wins);
    // The latest first, as many as asked, each as it was played.
    const QList<record::Match> last = r.lastmatches(2);
    QCOMPARE(last.size(), std::min<qsizetype>(2, played.size()));
    for (int i = 0; i < last.size(); ++i) {
        const QString &m = played.at(played.size() - 1 - i);
        const numora::GameReport was = match(ending(m), m.mid(1).toInt(), numora::Strength(m.mid(1).toInt() % 3));
        QCOMPARE(last[i].id, s.played - i);
        QCOMPARE(std::tuple(last[i].ending, last[i].rounds, last[i].strength, last[i].mynumber, last[i].yournumber),
            std::tuple(was.ending, was.rounds, was.strength, QString::fromStdString(was.mynumber),
                QString::fromStdString(was.yournumber)));
        QVERIFY(last[i].ended.secsTo(QDateTime::currentDateTime()) < 60);
    }
}

void TestRecord::aDamagedOrForeignFileIsSetAsideUnchangedAndAFreshRecordBegun_data()
{
    QTest::addColumn<Maker>("make");
    QTest::addColumn<bool>("atopen"); // found as it is opened, else on the first write
    const auto bytes = [](const QString &file, qint64 at, const QByteArray &data) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadWrite) && f.seek(at) && f.write(data) == data.size());
    };
    QTest::newRow("not a database") << Maker([&](const QString &file) {
        bytes(file, 0, QByteArray("These are my notes, not a record.\n").repeated(200));
    }) << true;
    QTest::newRow("another program's database")
        << Maker([](const QString &file) { rows(file, QStringLiteral("CREATE TABLE notes (text)")); }) << true;
    QTest::newRow("another program's, with a matches table of its own") << Maker([](const QString &file) {
        rows(file, QStringLiteral("CREATE TABLE matches (player, score)"));
        rows(file, QStringLiteral("PRAGMA application_id = 42"));
    }) << true;
    QTest::newRow("ours, its table of tables broken") << Maker([&](const QString &file) {
        recordof(file, 3);
        bytes(file, 100, QByteArray(3000, '\xab'));
    }) << true;
    QTest::newRow("ours, its matches broken") << Maker([&](const QString &file) {
        recordof(file, 300);
        bytes(file, 4096, QByteArray(int(QFileInfo(file).size() - 4096), '\xab'));
    }) << false;
}

void TestRecord::aDamagedOrForeignFileIsSetAsideUnchangedAndAFreshRecordBegun()
{
    QFETCH(Maker, make);
    QFETCH(bool, atopen);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    make(file);
    const QByteArray before = digest(file);
    record::Record r(file);
    QSignalSpy told(&r, &record::Record::problem);
    r.open();
    QCOMPARE(told.size(), atopen ? 1 : 0);
    r.gameended(match(Ending::lost));
    QCOMPARE(told.size(), 1);
    const auto problem = told.at(0).at(0).value<record::Problem>();
    QCOMPARE(problem.trouble, record::Trouble::setaside);
    QVERIFY2(QRegularExpression(QStringLiteral("/record-set-aside-\\d{4}-\\d\\d-\\d\\d-\\d{6}\\.sqlite$"))
                 .match(problem.aside)
                 .hasMatch(),
        qPrintable(problem.aside));
    QCOMPARE(QFileInfo(problem.aside).dir(), QFileInfo(file).dir());
    QCOMPARE(digest(problem.aside), before);
    QVERIFY(r.writable());
    QCOMPARE(rows(file, QStringLiteral("SELECT id, ending FROM matches")), QStringList {QStringLiteral("1|lost")});
    // Marked as this game's, with its layout's version, its log ahead of it; whole.
    QCOMPARE(rows(file,
                 QStringLiteral("SELECT * FROM pragma_application_id, pragma_user_version, pragma_journal_mode,"
                                " pragma_integrity_check")),
        QStringList {QStringLiteral("1313690177|1|wal|ok")});
}

void TestRecord::aNewerRecordIsReadAsFarAsItCanBeAndNeverWritten_data()
{
    QTest::addColumn<QString>("change"); // what the newer version did besides its version
    QTest::addColumn<qint64>("played"); // as this version reads it; -1: it cannot
    QTest::newRow("a column more") << "ALTER TABLE matches ADD COLUMN opponent TEXT" << qint64(3);
    QTest::newRow("its matches elsewhere") << "ALTER TABLE matches RENAME TO games" << qint64(-1);
}

void TestRecord::aNewerRecordIsReadAsFarAsItCanBeAndNeverWritten()
{
    QFETCH(QString, change);
    QFETCH(qint64, played);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    recordof(file, 3);
    rows(file, change);
    rows(file, QStringLiteral("PRAGMA user_version = 2"));
    rows(file, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    const QByteArray before = digest(file);
    record::Record r(file);
    QSignalSpy told(&r, &record::Record::problem);
    QSignalSpy recorded(&r, &record::Record::recorded);
    r.open();
    QCOMPARE(told.size(), 1);
    QCOMPARE(told.at(0).at(0).value<record::Problem>().trouble, record::Trouble::newer);
    QCOMPARE(r.summary().readable, played >= 0);
    QCOMPARE(r.summary().played, std::max<qint64>(played, 0));
    QCOMPARE(r.lastmatches(10).size(), std::max<qint64>(played, 0));
    r.gameended(match(Ending::won));
    QVERIFY(!r.clear());
    QCOMPARE(recorded.size(), 0);
    QCOMPARE(told.size(), 1);
    QCOMPARE(digest(file), before);
    QCOMPARE(QFileInfo(file + QStringLiteral("-wal")).size(), 0);
}

// A file size limit stands in for a full disk: writes past it fail, as
// writes to a full disk do; root is held to it too.
void TestRecord::matchesThatCannotBeWrittenAreToldOnceKeptAndWrittenLater()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    record::Record r(file);
    QSignalSpy told(&r, &record::Record::problem);
    r.open();
    r.gameended(match(Ending::won, 3));
    rlimit unlimited {};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    const auto ignored = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = unlimited;
    limit.rlim_cur = rlim_t(QFileInfo(file + QStringLiteral("-wal")).size());
    QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
    r.gameended(match(Ending::lost, 4));
    r.gameended(match(Ending::draw, 5));
    const int unsaved = r.unsaved();
    QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
    std::signal(SIGXFSZ, ignored);
    QCOMPARE(unsaved, 2);
    QCOMPARE(told.size(), 1);
    const auto problem = told.at(0).at(0).value<record::Problem>();
    QCOMPARE(std::tuple(problem.trouble, problem.cause, problem.file),
        std::tuple(record::Trouble::cannotsave, record::Cause::writefailed, file));
    QCOMPARE(r.summary().played, 1); // what is on the disk
    r.gameended(match(Ending::won, 6));
    QCOMPARE(r.unsaved(), 0);
    QCOMPARE(told.size(), 1);
    QCOMPARE(rows(file, QStringLiteral("SELECT id, ending, rounds FROM matches ORDER BY id")),
        QStringList({"1|won|3", "2|lost|4", "3|draw|5", "4|won|6"}));
    QCOMPARE(rows(file, QStringLiteral("PRAGMA integrity_check")), QStringList {QStringLiteral("ok")});
}

void TestRecord::clearingLeavesNoMatchNorGuess()
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("record.sqlite"));
    record::Record r(file);
    r.open();
    for (const Ending ending : {Ending::won, Ending::won, Ending::lost, Ending::won})
        r.gameended(match(ending));
    QSignalSpy changed(&r, &record::Record::changed);
    QVERIFY(r.clear());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(rows(file, QStringLiteral("SELECT (SELECT count(*) FROM matches) + (SELECT count(*) FROM guesses)")),
        QStringList {QStringLiteral("0")});
    r.gameended(match(Ending::won));
    QCOMPARE(r.summary().longeststreak, 1); // no streak goes on from before
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
