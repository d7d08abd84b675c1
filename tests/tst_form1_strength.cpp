// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The three strengths in the real window: chosen from the Game menu, kept
// between runs, named in the title and told to readers, each playing whole
// matches to their end; a choice made during a match waits for the next one.

#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "support/position.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>

using numora::Strength;

Q_DECLARE_METATYPE(numora::Strength)

namespace {

// The strength of every match that ended, as the record hears it.
struct Ended : numora::GameListener
{
    void gameended(const numora::GameReport &report) override { reports.push_back(report); }
    std::vector<numora::GameReport> reports;
};

} // namespace

class Form1Strength : public QObject
{
    Q_OBJECT
    std::unique_ptr<FormHarness> h;
    Ended ended;

    QMenu *gamemenu() const { return h->form->menuBar()->actions().constFirst()->menu(); }
    QAction *item(Strength strength) const
    {
        for (QAction *action : gamemenu()->actions())
            if (action->menu())
                return action->menu()->actions().value(int(strength));
        return nullptr;
    }
    bool over() const
    {
        return (h->form->frmUlost && h->form->frmUlost->isVisible()) || (h->form->TSdraw && h->form->TSdraw->isVisible())
            || (h->form->frmUwin && h->form->frmUwin->isVisible());
    }

    // A whole match: the player guesses anything but the computer's number and
    // answers its guesses truly for `mine`, until the computer finds it.
    // Returns the player's guesses.
    int playtoloss(const QString &mine)
    {
        numora::Module1 table;
        table.makecandidates();
        int next = 0, rounds = 0;
        auto guess = [&] {
            QString number;
            do
                number = QString::fromStdString(numora::numbertext(table.state().candidates[next++]));
            while (number.toStdString() == h->engine->state().mynumber);
            h->confirmnumber(number);
            ++rounds;
        };
        guess();
        while (!over() && rounds < 40) {
            const int code = numora::countsigns(numora::support::rowof(h->form->Label8->text().toStdString()),
                numora::support::rowof(mine.toStdString()));
            h->answer(code / 10, code % 10);
            if (!over())
                guess();
        }
        return rounds;
    }

private slots:
    void initTestCase()
    {
        setupformtests();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    void init()
    {
        h = std::make_unique<FormHarness>();
        ended.reports.clear();
        h->engine->listen(&ended);
        h->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
    }
    void cleanup() { h.reset(); }

    // Between the Statistics item and Exit, one choice in force, Normal at first.
    void menu()
    {
        QStringList captions;
        for (QAction *action : gamemenu()->actions())
            captions << action->text();
        QCOMPARE(captions, (QStringList {"&New", "S&tatistics...", "&Strength", "E&xit"}));
        QStringList choices;
        for (const Strength strength : {Strength::easy, Strength::normal, Strength::expert}) {
            QAction *choice = item(strength);
            QVERIFY(choice && choice->isCheckable() && choice->actionGroup());
            QVERIFY(choice->actionGroup()->isExclusive());
            QCOMPARE(choice->isChecked(), strength == Strength::normal);
            choices << choice->text();
        }
        QCOMPARE(choices, (QStringList {"&Easy", "&Normal", "E&xpert"}));
    }

    void eachStrengthPlaysWholeMatches_data()
    {
        QTest::addColumn<Strength>("strength");
        QTest::addColumn<QString>("mine");
        QTest::addColumn<int>("mostrounds");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heard");
        for (const QString &mine : QStringList {"2790", "9876", "1052"}) {
            QTest::addRow("easy, %s", qPrintable(mine)) << Strength::easy << mine << 40 << "Numora - Easy"
                                                        << "Easy strength. New match. Your turn, round 1";
            QTest::addRow("normal, %s", qPrintable(mine)) << Strength::normal << mine << 8 << "Numora"
                                                          << "New match. Your turn, round 1";
            QTest::addRow("expert, %s", qPrintable(mine)) << Strength::expert << mine << 7 << "Numora - Expert"
                                                          << "Expert strength. New match. Your turn, round 1";
        }
    }
    void eachStrengthPlaysWholeMatches()
    {
        QFETCH(Strength, strength);
        QFETCH(QString, mine);
        QFETCH(int, mostrounds);
        QFETCH(QString, title);
        QFETCH(QString, heard);
        item(strength)->trigger();
        QCOMPARE(h->form->windowTitle(), title); // before the first match too
        for (int match = 0; match < 2; ++match) {
            h->form->newgame_Click();
            QCOMPARE(h->form->windowTitle(), title);
            // What a reader hears with the focus as the match starts.
            QCOMPARE(h->form->focusWidget(), h->form->Command[pad::confirmnumber]);
            QCOMPARE(h->form->Command[pad::confirmnumber]->accessibleDescription(), heard);
            const int rounds = playtoloss(mine);
            QVERIFY(h->form->frmUlost && h->form->frmUlost->isVisible());
            QVERIFY2(rounds <= mostrounds, qPrintable(QString::number(rounds)));
            QCOMPARE(int(ended.reports.size()), match + 1);
            QCOMPARE(ended.reports.back().strength, strength);
            QCOMPARE(ended.reports.back().yournumber, mine.toStdString());
            QCOMPARE(h->form->windowTitle(), title);
            h->form->frmUlost->Command1_Click(); // YES: the next match
            FormHarness::settle();
        }
    }

    // A choice made during a match leaves that match's opponent and title be,
    // and is told to readers at once; the next match is played at it.
    void choiceWaitsForTheNextMatch()
    {
        h->form->newgame_Click();
        h->confirmnumber("1234");
        item(Strength::expert)->trigger();
        QVERIFY(item(Strength::expert)->isChecked());
        QCOMPARE(h->engine->strength(), Strength::normal);
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Numora"));
        playtoloss("5067");
        QCOMPARE(ended.reports.back().strength, Strength::normal);
        h->form->frmUlost->Command1_Click();
        FormHarness::settle();
        QCOMPARE(h->engine->strength(), Strength::expert);
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Numora - Expert"));
        playtoloss("5067");
        QCOMPARE(ended.reports.back().strength, Strength::expert);
        // Back to Normal: the window is as it always was.
        item(Strength::normal)->trigger();
        h->form->frmUlost->Command1_Click();
        FormHarness::settle();
        QCOMPARE(h->form->windowTitle(), QStringLiteral("Numora"));
        QCOMPARE(h->form->Command[pad::confirmnumber]->accessibleDescription(),
            QStringLiteral("New match. Your turn, round 1"));
    }

    // The choice outlives the window: a new one reads it from the same settings.
    void choiceIsRemembered_data()
    {
        QTest::addColumn<QList<Strength>>("chosen");
        QTest::addColumn<Strength>("next");
        QTest::addColumn<QString>("title");
        QTest::newRow("nothing chosen") << QList<Strength> {} << Strength::normal << "Numora";
        QTest::newRow("expert") << QList<Strength> {Strength::expert} << Strength::expert << "Numora - Expert";
        QTest::newRow("easy") << QList<Strength> {Strength::easy} << Strength::easy << "Numora - Easy";
        QTest::newRow("expert, then normal")
            << QList<Strength> {Strength::expert, Strength::normal} << Strength::normal << "Numora";
    }
    void choiceIsRemembered()
    {
        QFETCH(QList<Strength>, chosen);
        QFETCH(Strength, next);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString file = dir.filePath("numora.ini");
        {
            QSettings settings(file, QSettings::IniFormat);
            h->form->usesettings(&settings);
            for (const Strength strength : chosen)
                item(strength)->trigger();
            h.reset();
        }
        h = std::make_unique<FormHarness>();
        h->engine->listen(&ended);
        QSettings settings(file, QSettings::IniFormat);
        h->form->usesettings(&settings);
        QCOMPARE(h->form->chosenstrength(), next);
        QVERIFY(item(next)->isChecked());
        QCOMPARE(h->form->windowTitle(), title);
        h->form->newgame_Click();
        QCOMPARE(h->engine->strength(), next);
    }
};

QTEST_MAIN(Form1Strength)
#include "tst_form1_strength.moc"
