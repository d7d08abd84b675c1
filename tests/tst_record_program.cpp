// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The real program keeping its record while it is killed at random moments,
// while a second copy of it records on the same file, and where the file
// cannot be written or is not a record: every match whose outcome showed is
// in the file as it was played, the file is whole, the player is told once
// and plays on. The program plays by itself (NUMORA_TEST_AUTOPLAY) through its
// own window and says what it committed and what it showed.

#include "recordtesting.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <functional>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/resource.h>

using Setup = std::function<void(const QString &data, QProcess &program)>;
Q_DECLARE_METATYPE(Setup)

namespace {

std::unique_ptr<QProcess> start(const QString &data, int matches)
{
    auto program = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), data);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.qpa.*=false"));
    env.insert(QStringLiteral("NUMORA_TEST_AUTOPLAY"), QString::number(matches));
    env.insert(QStringLiteral("NUMORA_TEST_AUTOPLAY_SEED"), QString::number(QRandomGenerator::global()->generate()));
    program->setProcessEnvironment(env);
    program->setProgram(QStringLiteral(NUMORA_PROGRAM));
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    return program;
}

QStringList linesof(QProcess &program)
{
    return QString::fromUtf8(program.readAllStandardOutput()).split(QLatin1Char('\n'));
}

// The file's matches, each as the program says it committed one, after what `check` finds.
QStringList stored(const QString &file, const QString &check = QStringLiteral("PRAGMA integrity_check"))
{
    const QString guesses
        = QStringLiteral("coalesce((SELECT group_concat(g, '/') FROM (SELECT number || ':' || plus || ',' || minus AS g"
                         " FROM guesses WHERE match = m.id AND side = '%1' ORDER BY round)), '-')");
    return rows(file, check).mid(0, 1)
        + rows(file,
            QStringLiteral("SELECT 'recorded ' || id || ' ' || ending || ' ' || rounds || ' ' || computer_secret"
                           " || ' ' || coalesce(player_secret, '-') || ' ' || %1 || ' ' || %2 FROM matches m"
                           " ORDER BY id")
                .arg(guesses.arg(QLatin1String("player")), guesses.arg(QLatin1String("computer"))));
}

// Each outcome shown ("played ENDING SECRET GUESSES") comes after the commit of
// its match, with the same ending and the player's guesses as played; unless
// the match could not be written (`kept`), then no commit comes before it.
QString shownaftercommit(const QStringList &lines, bool kept = false)
{
    QString last;
    for (const QString &line : lines) {
        const QStringList f = line.split(QLatin1Char(' '));
        if (f.at(0) == QLatin1String("recorded"))
            last = line;
        if (f.at(0) == QLatin1String("played") || f.at(0) == QLatin1String("abandoned")) {
            const QStringList r = last.split(QLatin1Char(' '));
            const QString ending = f.at(0) == QLatin1String("played") ? f.at(1) : f.at(0);
            if ((r.size() < 8 || r.at(2) != ending || r.at(6) != f.last()) && !(kept && last.isEmpty()))
                return QStringLiteral("'%1' after '%2'").arg(line, last);
            last.clear();
        }
    }
    return QString();
}

void readonly(const QString &path, bool made)
{
    QFile::setPermissions(path,
        made ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
             : QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The program holds a user to the folder's permissions, root too: root's
// programs lose the right to pass over them. Where root may not give it up (a
// container without that right), nothing is shown and the test is skipped.
void withoutoverride(QProcess &program)
{
    const auto giveup = [] {
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            prctl(PR_CAPBSET_DROP, cap, 0, 0, 0);
    };
    program.setChildProcessModifier(giveup);
    QTemporaryDir probe;
    readonly(probe.path(), true);
    QProcess touch;
    touch.setChildProcessModifier(giveup);
    touch.start(QStringLiteral("touch"), {probe.filePath(QStringLiteral("file"))});
    touch.waitForFinished();
    if (QFileInfo::exists(probe.filePath(QStringLiteral("file"))))
        program.setProperty("skip", true);
    readonly(probe.path(), false);
}

} // namespace

class TestRecordProgram : public QObject
{
    Q_OBJECT
private slots:
    void everyShownMatchSurvivesKillsAtRandomMoments();
    void twoProgramsRecordEveryMatchOfBoth();
    void aRecordInTroubleIsToldOnceAndPlayGoesOn_data();
    void aRecordInTroubleIsToldOnceAndPlayGoesOn();
};

void TestRecordProgram::everyShownMatchSurvivesKillsAtRandomMoments()
{
    QTemporaryDir data;
    const QString file = data.filePath(QStringLiteral("numora/record.sqlite"));
    const int kills = 200;
    int acknowledged = 0, aheadofword = 0, beforeany = 0;
    QRandomGenerator *random = QRandomGenerator::global();
    for (int kill = 0; kill < kills; ++kill) {
        std::unique_ptr<QProcess> program = start(data.path(), 0);
        program->start();
        QVERIFY(program->waitForStarted());
        // While it starts and opens the file, or up to four matches in, and
        // then anywhere in the next match: its moves, its commit, its dialog.
        const int waitfor = random->bounded(5);
        QString said;
        if (waitfor == 0)
            QTest::qSleep(random->bounded(150));
        while (said.count(QRegularExpression(QStringLiteral("(^|\n)recorded "))) < waitfor
            && program->waitForReadyRead(30000))
            said += QString::fromUtf8(program->readAllStandardOutput());
        QThread::usleep(random->bounded(15000));
        program->kill();
        QVERIFY(program->waitForFinished());
        said += QString::fromUtf8(program->readAllStandardOutput());
        const QStringList lines = said.split(QLatin1Char('\n'));
        const QStringList acked = lines.filter(QRegularExpression(QStringLiteral("^recorded ")));
        const QStringList found = QFileInfo::exists(file) ? stored(file) : QStringList {QStringLiteral("ok")};
        QCOMPARE(found.value(0), QStringLiteral("ok"));
        for (const QString &line : acked)
            QVERIFY2(found.contains(line), qPrintable(QStringLiteral("kill %1: lost %2").arg(kill).arg(line)));
        const QString order = shownaftercommit(lines);
        QVERIFY2(order.isEmpty(), qPrintable(order));
        acknowledged += int(acked.size());
        beforeany += acked.isEmpty();
        // Killed in its commit or right after: the file is ahead of the words.
        aheadofword += !found.isEmpty() && !acked.isEmpty() && found.last() != acked.last();
    }
    qInfo("%d kills, %d matches acknowledged, all in the file; %d kills before the first commit of their run, "
          "%d in a commit or before its acknowledgement",
        kills, acknowledged, beforeany, aheadofword);
    QVERIFY(acknowledged > kills);
}

void TestRecordProgram::twoProgramsRecordEveryMatchOfBoth()
{
    QTemporaryDir data;
    const int each = 500;
    std::unique_ptr<QProcess> programs[] = {start(data.path(), each), start(data.path(), each)};
    for (auto &program : programs)
        program->start();
    QStringList acked;
    for (auto &program : programs) {
        QVERIFY(program->waitForFinished(240000));
        QCOMPARE(program->exitCode(), 0);
        const QStringList lines = linesof(*program);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^(played|abandoned) "))).size(), each);
        const QStringList mine = lines.filter(QRegularExpression(QStringLiteral("^recorded ")));
        QCOMPARE(mine.size(), each);
        QCOMPARE(lines.filter(QStringLiteral("cannot be saved")), QStringList());
        QVERIFY(shownaftercommit(lines).isEmpty());
        acked << mine;
    }
    acked.sort();
    QStringList found = stored(data.filePath(QStringLiteral("numora/record.sqlite")),
        // Each match's streak goes on from the match before it, whoever wrote that.
        QStringLiteral("SELECT count(*) FROM matches m WHERE streak <> CASE WHEN ending = 'won' THEN 1 + coalesce("
                       "(SELECT streak FROM matches p WHERE p.id < m.id ORDER BY p.id DESC LIMIT 1), 0) ELSE 0 END"));
    QCOMPARE(found.takeFirst(), QStringLiteral("0"));
    found.sort();
    QCOMPARE(found, acked);
}

void TestRecordProgram::aRecordInTroubleIsToldOnceAndPlayGoesOn_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<int>("before"); // matches recorded in a first run
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("recorded"); // of the 20 played: -1 some, but not all
    QTest::newRow("read-only folder, no record yet")
        << Setup([](const QString &data, QProcess &program) {
               QVERIFY(QDir(data).mkdir(QStringLiteral("numora")));
               readonly(data + QStringLiteral("/numora"), true);
               withoutoverride(program);
           })
        << 0
        << "Your matches cannot be saved. Numora keeps its record of matches in %1. The folder or the file may "
           "not be written."
        << 0;
    QTest::newRow("read-only folder and record") << Setup([](const QString &data, QProcess &program) {
        for (const QFileInfo &entry : QDir(data + QStringLiteral("/numora")).entryInfoList(QDir::Files))
            readonly(entry.filePath(), true);
        readonly(data + QStringLiteral("/numora"), true);
        withoutoverride(program);
    }) << 3 << "The folder or the file may not be written."
                                                 << 0;
    QTest::newRow("a file size limit") << Setup([](const QString &, QProcess &program) {
        program.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {48 * 1024, 48 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    }) << 0 << "Your matches cannot be saved."
                                       << -1;
    QTest::newRow("not a record")
        << Setup([](const QString &data, QProcess &) {
               QVERIFY(QDir(data).mkdir(QStringLiteral("numora")));
               QFile notes(data + QStringLiteral("/numora/record.sqlite"));
               QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write(QByteArray("notes\n").repeated(1000)) == 6000);
           })
        << 0
        << "Your record of matches could not be read. The file %1 was damaged or is not Numora's. It has been kept, "
           "unchanged, as "
        << 20;
    // A real full disk, where the system lets a user mount a small one of its own.
    QTest::newRow("a full disk") << Setup([](const QString &data, QProcess &program) {
        if (QProcess::execute(QStringLiteral("unshare"),
                {QStringLiteral("-rm"), QStringLiteral("--pid"), QStringLiteral("--fork"), QStringLiteral("true")})
            != 0)
            program.setProperty("skip", true);
        QVERIFY(QDir(data).mkpath(QStringLiteral("numora")) && QDir(data).mkpath(QStringLiteral("kept")));
        // A process space of its own too, so that nothing outlives a test that gives up.
        program.setArguments({QStringLiteral("-rm"), QStringLiteral("--pid"), QStringLiteral("--fork"),
            QStringLiteral("--kill-child"), QStringLiteral("sh"), QStringLiteral("-c"),
            QStringLiteral("mount -t tmpfs -o size=96k numora \"$1/numora\" && \"$2\"; status=$?;"
                           " cp -a \"$1/numora/.\" \"$1/kept\"; exit $status"),
            QStringLiteral("sh"), data, program.program()});
        program.setProgram(QStringLiteral("unshare"));
    }) << 0 << "Your matches cannot be saved. Numora keeps its record of matches in %1. The disk is full."
                                 << -1;
}

void TestRecordProgram::aRecordInTroubleIsToldOnceAndPlayGoesOn()
{
    QFETCH(Setup, setup);
    QFETCH(int, before);
    QFETCH(QString, message);
    QFETCH(int, recorded);
    QTemporaryDir data;
    const QString file = data.filePath(QStringLiteral("numora/record.sqlite"));
    if (before > 0) {
        std::unique_ptr<QProcess> first = start(data.path(), before);
        first->start();
        QVERIFY(first->waitForFinished(60000));
        stored(file, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    std::unique_ptr<QProcess> program = start(data.path(), 20);
    setup(data.path(), *program);
    if (program->property("skip").toBool())
        QSKIP("the system does not allow this here");
    const QByteArray earlier = digest(file);
    program->start();
    QVERIFY(program->waitForFinished(60000));
    readonly(data.filePath(QStringLiteral("numora")), false); // for the clean-up
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    const QStringList lines = linesof(*program);
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^(played|abandoned) "))).size(), 20);
    const QStringList told = lines.filter(QRegularExpression(QStringLiteral("^message Your ")));
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.at(0).contains(message.contains(QStringLiteral("%1")) ? message.arg(file) : message),
        qPrintable(told.at(0)));
    const QStringList acked = lines.filter(QRegularExpression(QStringLiteral("^recorded ")));
    if (recorded >= 0)
        QCOMPARE(acked.size(), recorded);
    else
        QVERIFY2(acked.size() > 0 && acked.size() < 20, qPrintable(QString::number(acked.size())));
    QVERIFY(shownaftercommit(lines, true).isEmpty());
    const QString kept = data.filePath(QStringLiteral("kept/record.sqlite")); // what the small disk held
    const QStringList found = stored(QFileInfo::exists(kept) ? kept : file);
    for (const QString &line : acked)
        QVERIFY(found.contains(line));
    if (!acked.isEmpty())
        QCOMPARE(found.value(0), QStringLiteral("ok"));
    if (acked.isEmpty() && before > 0)
        QCOMPARE(digest(file), earlier); // never written
    if (message.contains(QStringLiteral("kept, unchanged"))) {
        const QString aside = told.at(0).section(QStringLiteral("unchanged, as "), 1).section(QLatin1Char(','), 0, 0);
        QCOMPARE(QFileInfo(aside).dir(), QFileInfo(file).dir());
        QCOMPARE(
            digest(aside), QCryptographicHash::hash(QByteArray("notes\n").repeated(1000), QCryptographicHash::Sha256));
    }
}

QTEST_GUILESS_MAIN(TestRecordProgram)
#include "tst_record_program.moc"
