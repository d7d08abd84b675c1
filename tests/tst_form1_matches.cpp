// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Whole matches played through the real window: clicks and keypad keys on
// Form1 with a seeded engine, one match per outcome.

#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "platform/picturebox.h"
#include "support/position.h"

#include <QLabel>

using numora::countsigns;
using numora::Row;

namespace {

Row rowof(const QString &text)
{
    return numora::support::rowof(text.toStdString());
}

} // namespace

class Form1Matches : public QObject
{
    Q_OBJECT
    std::unique_ptr<FormHarness> h;

    QString secret() const { return QString::fromStdString(h->engine->state().mynumber); }
    QString shown() const { return h->form->Label8->text(); }

    // Answers the guess on display truthfully for the player's number `mine`.
    void answertruly(const QString &mine)
    {
        const int code = countsigns(rowof(shown()), rowof(mine));
        h->answer(code / 10, code % 10);
    }
    QString wrong(const QStringList &tried) const
    {
        for (QString n : {"1234", "5678", "9012", "3456", "7890", "1357", "2468", "9753", "8642", "1596"})
            if (n != secret() && !tried.contains(n))
                return n;
        return "9876";
    }
    bool visible(const QPointer<dialogs::OutcomeDialog> &dialog) const { return dialog && dialog->isVisible(); }

private slots:
    void initTestCase()
    {
        setupformtests();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    void init()
    {
        h = std::make_unique<FormHarness>();
        h->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
    }
    void cleanup() { h.reset(); }

    void lostByFourPlus()
    {
        h->form->newgame_Click();
        h->confirmnumber("1234");
        const QString guess = shown();
        h->answer(4, 0);
        QVERIFY(visible(h->form->frmUlost));
        QCOMPARE(h->form->frmUlost->windowTitle(), " You have lost! My number was : " + secret());
        QCOMPARE(h->form->Picture2->lines(), QStringList {' ' + guess + " ++++"});
        QCOMPARE(h->form->Picture1->lines().size(), 1);
        QVERIFY(h->form->Label8->text().isEmpty());
        QCOMPARE(h->beeps, 2);
        // YES: the dialog goes and a fresh match begins.
        h->form->frmUlost->Command1_Click();
        FormHarness::settle();
        QVERIFY(!h->form->frmUlost);
        QVERIFY(h->form->Picture1->lines().isEmpty() && h->form->Picture2->lines().isEmpty());
        QCOMPARE(h->engine->step(), numora::Step::number);
        QCOMPARE(int(h->engine->state().yourround), 0);
    }

    // Truthful answers until the computer names the player's number.
    void lostToTheComputer()
    {
        const QString mine = "5067";
        h->form->newgame_Click();
        QStringList tried {wrong({})};
        h->confirmnumber(tried.last());
        int rounds = 0;
        while (!visible(h->form->frmUlost) && ++rounds < 12) {
            answertruly(mine);
            if (visible(h->form->frmUlost))
                break;
            tried << wrong(tried);
            h->confirmnumber(tried.last());
        }
        QVERIFY(visible(h->form->frmUlost));
        QCOMPARE(shown().isEmpty() ? h->form->Picture2->lines().last() : shown(),
            shown().isEmpty() ? ' ' + mine + " ++++" : mine);
        QCOMPARE(h->form->Picture1->lines(), [&] {
            QStringList lines;
            for (const QString &t : tried) {
                const int code = countsigns(rowof(t), rowof(secret()));
                lines << ' ' + t + ' ' + QString(code / 10, '+') + QString(" -").repeated(code % 10);
            }
            return lines;
        }());
    }

    void wonAfterTheCheck()
    {
        h->form->newgame_Click();
        h->confirmnumber(secret());
        QCOMPARE(h->form->Picture1->lines(), QStringList {' ' + secret() + " ++++"});
        answertruly(shown() == "1234" ? "5678" : "1234");
        QVERIFY(visible(h->form->frmUwin));
        QVERIFY(!visible(h->form->frmUlost) && !visible(h->form->TSdraw));
    }

    void drawInTheSameRound()
    {
        h->form->newgame_Click();
        h->confirmnumber(wrong({}));
        answertruly("5067");
        h->confirmnumber(secret());
        h->answer(4, 0);
        QVERIFY(visible(h->form->TSdraw));
        QCOMPARE(h->form->TSdraw->windowTitle(), QStringLiteral(" It's a draw!"));
        QCOMPARE(h->form->Picture2->lines().size(), 2);
        QVERIFY(h->form->Picture2->lines()[1].endsWith(" ++++"));
    }

    void inconsistentAnswers()
    {
        h->form->newgame_Click();
        QStringList tried {wrong({})};
        h->confirmnumber(tried.last());
        h->answer(0, 0);
        tried << wrong(tried);
        h->confirmnumber(tried.last());
        // An answer to the second guess that no number left after the first can give.
        const auto answer = numora::support::impossibleanswer(rowof(shown()), numora::support::agreeing(*h->engine, 1));
        QVERIFY(answer);
        const int impossible = *answer;
        h->answer(impossible / 10, impossible % 10); // told only with the next guess
        tried << wrong(tried);
        h->type(tried.last());
        h->expectmessage("No valid number matches the information you gave!\nPlease be more careful next time.");
        h->click(pad::confirmnumber);
        QCOMPARE(h->engine->step(), numora::Step::number); // a new match has begun
        QVERIFY(h->form->Picture1->lines().isEmpty());
        QVERIFY(h->form->Picture2->lines().isEmpty());
    }

    void newGameFromTheMenuAbandonsTheMatch()
    {
        h->form->newgame->trigger();
        h->confirmnumber("1234");
        QVERIFY(!shown().isEmpty());
        h->form->newgame->trigger();
        QVERIFY(shown().isEmpty());
        QCOMPARE(h->engine->step(), numora::Step::number);
        QVERIFY(!h->form->Command[23]->isEnabled());
        QVERIFY(h->form->Picture1->lines().isEmpty());
    }

    void exitAndClosingEndTheProgram()
    {
        h->form->exitgame->trigger();
        QCOMPARE(h->ends, 1);
        h->form->close();
        QCOMPARE(h->ends, 2);
    }
};

QTEST_MAIN(Form1Matches)
#include "tst_form1_matches.moc"
