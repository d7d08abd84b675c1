// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random clicks, keys, menu commands and dialog answers with
// fixed seeds. After every event the window must be in one of its three input
// states, never with both pads enabled, showing a valid partial guess, with
// the match's records inside their tables.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "platform/picturebox.h"

#include <QLabel>

#include <random>

class Form1Robustness : public QObject
{
    Q_OBJECT

    static QString check(const FormHarness &h)
    {
        const Form1 &f = *h.form;
        const auto &e = *h.engine;
        if (f.numberkeys == numora::True && f.signkeys == numora::True)
            return "both pads enabled";
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24})
            if (f.Command[n]->isEnabled() != (f.numberkeys == numora::True))
                return QStringLiteral("number pad button %1 out of step").arg(n);
        for (int n = 13; n <= 23; ++n)
            if (f.Command[n]->isEnabled() != (f.signkeys == numora::True))
                return QStringLiteral("sign pad button %1 out of step").arg(n);
        const QString typed = f.Label10->text();
        if (typed.size() > 4 || typed.startsWith('0'))
            return "display " + typed;
        for (int i = 0; i < typed.size(); ++i)
            if (!typed[i].isDigit() || typed.indexOf(typed[i]) != i)
                return "display " + typed;
        const QString guess = f.Label8->text();
        if (!guess.isEmpty() && (guess.size() != 4 || guess.startsWith('0')))
            return "guess display " + guess;
        if (e.myround < 0 || e.myround >= numora::historyrows - 1 || e.yourround < 0
            || e.yourround >= numora::historyrows)
            return "round counters outside the tables";
        if (f.Picture1->lines().size() != e.yourround)
            return "player's history out of step";
        if ((f.step() == Form1::Step::number || f.step() == Form1::Step::numberafter) && f.numberkeys != numora::True)
            return "number step without the number pad";
        if (f.step() == Form1::Step::signs && f.signkeys != numora::True)
            return "sign step without the sign pad";
        return {};
    }

private slots:
    void initTestCase()
    {
        setupformtests();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }

    void randomInput_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u})
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }
    void randomInput()
    {
        QFETCH(unsigned, seed);
        FormHarness h;
        h.seed = seed;
        Form1 &f = *h.form;
        f.activateWindow();
        std::mt19937 rng(seed);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        const int keypad[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_7,
            Qt::Key_8, Qt::Key_9, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Comma};
        int outcomes = 0, guesses = 0;
        for (int event = 0; event < 10000; ++event) {
            const int kind = pick(100);
            QString what;
            if (kind < 55) {
                const int n = 1 + pick(24);
                what = QStringLiteral("click %1").arg(n);
                QTest::mouseClick(f.Command[n], Qt::LeftButton);
            } else if (kind < 75) {
                const int key = keypad[pick(14)];
                what = QStringLiteral("keypad %1").arg(key);
                QTest::keyClick(f.windowHandle(), Qt::Key(key), Qt::KeypadModifier);
            } else if (kind < 80) {
                what = "main keyboard";
                QTest::keyClick(f.windowHandle(), Qt::Key(Qt::Key_0 + pick(10)));
            } else if (kind < 88) {
                what = "enter";
                QTest::keyClick(f.windowHandle(), pick(2) ? Qt::Key_Return : Qt::Key_Enter,
                    pick(2) ? Qt::KeypadModifier : Qt::NoModifier);
            } else if (kind < 91) {
                what = "new";
                f.newgame->trigger();
            } else if (kind < 92) {
                what = pick(2) ? "about" : "help";
                (what == "about" ? f.about : f.help)->trigger();
                if (pick(2)) {
                    if (f.aboutwindow)
                        f.aboutwindow->close();
                    if (f.helpwindow)
                        f.helpwindow->close();
                }
            } else if (kind < 93) {
                what = "exit";
                f.exitgame->trigger();
            } else {
                for (QPointer<dialogs::OutcomeDialog> dialog : {f.frmUwin, f.frmUlost, f.TSdraw}) {
                    if (!dialog || !dialog->isVisible())
                        continue;
                    ++outcomes;
                    switch (pick(5)) {
                    case 0:
                        what = "yes";
                        dialog->Command1->click();
                        break;
                    case 1:
                        what = "no";
                        dialog->Command2->click();
                        break;
                    case 2:
                        what = "close box";
                        dialog->close();
                        break;
                    case 3:
                        what = "escape";
                        QTest::keyClick(dialog, Qt::Key_Escape);
                        break;
                    default:
                        what = "enter in dialog";
                        QTest::keyClick(dialog, Qt::Key_Return);
                        break;
                    }
                }
            }
            FormHarness::settle();
            guesses = std::max<int>(guesses, h.engine->yourround);
            const QString fault = check(h);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("after event %1 (%2): %3").arg(event).arg(what, fault)));
        }
        // The random player got somewhere: guesses made and matches ended.
        QVERIFY(guesses >= 2);
        QVERIFY(outcomes + h.messages.size() > 0);
    }
};

QTEST_MAIN(Form1Robustness)
#include "tst_form1_robustness.moc"
