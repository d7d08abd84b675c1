// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Random play through the real window: a player who mostly plays whole matches
// (truthful answers, new guesses, now and then the computer's own number, so
// that matches end in wins, losses, draws and inconsistent answers), mixed with
// random clicks, keys, menu commands and dialog answers. Between events only
// some of the pending work is done, and some input is queued to be handled
// later, inside the computer's turn. After every event the window must show
// exactly what the engine has recorded and work the pads of the step the
// engine waits for.
//
// NUMORA_RANDOM_SEEDS (e.g. "5,6,7") and NUMORA_RANDOM_EVENTS raise the run.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "platform/picturebox.h"
#include "platform/twips.h"
#include "support/position.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>
#include <random>

using numora::Step;

namespace {

QString historyline(const QString &guess, int plus, int minus)
{
    return ' ' + guess + ' ' + QString(plus, '+') + QStringLiteral(" -").repeated(minus);
}

QString number(const numora::Row &row)
{
    return QString::fromStdString(numora::numbertext(row));
}

// Empty when the window agrees with the engine; otherwise what is wrong.
QString disagreement(const Form1 &f, const numora::Module1 &e)
{
    const Step step = e.step();
    const bool numbers = numora::numberstep(step);
    const bool signs = step != Step::none && !numbers;
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24})
        if (f.Command[n]->isEnabled() != numbers)
            return QStringLiteral("number pad button %1 out of step").arg(n);
    for (int n = 13; n <= 23; ++n)
        if (f.Command[n]->isEnabled() != signs)
            return QStringLiteral("sign pad button %1 out of step").arg(n);

    const QString typed = f.Label10->text();
    if (typed.size() > 4 || typed.startsWith('0'))
        return "display " + typed;
    for (int i = 0; i < typed.size(); ++i)
        if (!typed[i].isDigit() || typed.indexOf(typed[i]) != i)
            return "display " + typed;
    // A typed digit shows its button as used; while a guess waits for its
    // answer, each sign column shows one choice.
    for (QChar digit : typed)
        if (f.Command[pad::ofdigit(digit.digitValue())]->backcolor() != platform::colour::blue)
            return QStringLiteral("digit %1 typed but its button not marked").arg(digit);
    if (step == Step::signs)
        for (const auto &column : {pad::pluscolumn, pad::minuscolumn})
            if (std::count_if(column.begin(), column.end(),
                    [&f](int n) { return f.Command[n]->backcolor() == platform::colour::red; })
                != 1)
                return QStringLiteral("a sign column without exactly one choice");
    const QString shown = f.Label8->text();
    if (step == Step::signs && shown != number(e.state().myguesses[e.state().myround]))
        return "the guess on display is not the one waiting for an answer: " + shown;
    if (step != Step::signs && step != Step::outcome && !shown.isEmpty())
        return "a guess on display with nothing to answer: " + shown;
    if (!f.Label6->text().isEmpty())
        return "status left at " + f.Label6->text();

    // No match gets past ten guesses a side.
    if (e.state().yourround > 10 || e.state().myround > 9)
        return QStringLiteral("rounds %1 and %2").arg(e.state().yourround).arg(e.state().myround);
    QStringList mine;
    for (int r = 0; r < e.state().yourround; ++r)
        mine << historyline(
            QString::fromStdString(e.state().yourguesses[r]), e.state().yourplus[r], e.state().yourminus[r]);
    if (f.Picture1->lines() != mine)
        return "player's history " + f.Picture1->lines().join('|') + " against " + mine.join('|');
    // The computer's lines are its answered guesses: all of them up to the
    // current round, and the current one once answered.
    const int answered = f.Picture2->lines().size();
    const bool currentanswered = step == Step::deciding || step == Step::numberafter || step == Step::outcome;
    if (answered != e.state().myround && !(currentanswered && answered == e.state().myround + 1))
        return QStringLiteral("%1 lines of the computer's guesses in round %2, step %3")
            .arg(answered)
            .arg(e.state().myround)
            .arg(int(step));
    for (int r = 0; r < answered; ++r)
        if (f.Picture2->lines()[r]
            != historyline(number(e.state().myguesses[r]), e.state().mysigns[r] / 10, e.state().mysigns[r] % 10))
            return QStringLiteral("computer's line %1: %2").arg(r).arg(f.Picture2->lines()[r]);
    return {};
}

int envnumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

class Form1Robustness : public QObject
{
    Q_OBJECT

    std::unique_ptr<FormHarness> h;
    std::mt19937 rng;
    QString secret = QStringLiteral("5067"); // the player's, for truthful answers
    int matches = 0, deepest = 0, programs = 0, boxes = 0;
    std::map<QString, int> endings;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomnumber()
    {
        QString n;
        while (n.size() < 4) {
            const QChar d = QChar('0' + pick(10));
            if (!n.contains(d) && !(n.isEmpty() && d == '0'))
                n += d;
        }
        return n;
    }

    // A new program: the previous one ended with Exit, NO or its close box.
    void startprogram()
    {
        h.reset();
        h = std::make_unique<FormHarness>();
        h->seed = rng();
        platform::hooks().messagebox = nullptr; // the real modal boxes, answered by boxanswerer
        h->form->activateWindow();
        ++programs;
    }

    // Between events: nothing, only the engine's queued turn, or everything pending.
    void someofthework()
    {
        switch (pick(4)) {
        case 0:
            break;
        case 1:
            QCoreApplication::sendPostedEvents(h->form.get(), QEvent::MetaCall);
            break;
        default:
            FormHarness::settle();
        }
    }

    // A click handled now, or queued to be handled whenever events are next
    // processed (possibly inside the computer's turn).
    void click(QWidget *button)
    {
        if (chance(85)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
        const QPointF at = QRectF(button->rect()).center();
        const QPointF global = button->mapToGlobal(at);
        QCoreApplication::postEvent(button,
            new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(button,
            new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    }
    void key(int code, Qt::KeyboardModifiers modifiers = Qt::KeypadModifier)
    {
        QTest::keyClick(h->form->windowHandle(), Qt::Key(code), modifiers);
    }
    void digit(QChar d)
    {
        if (chance(50))
            click(h->form->Command[d == '0' ? 10 : d.digitValue()]);
        else
            key(Qt::Key_0 + d.digitValue());
    }
    void confirm(int button)
    {
        if (chance(50))
            click(h->form->Command[button]);
        else
            key(chance(50) ? Qt::Key_Enter : Qt::Key_Return, chance(50) ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // One step of a player who means to finish the match.
    QString play()
    {
        Form1 &f = *h->form;
        const numora::Module1 &e = *h->engine;
        const Step step = e.step();
        if (numora::numberstep(step)) {
            if (step == Step::number && e.state().yourround == 0)
                secret = randomnumber();
            auto tried = [&](const QString &guess) {
                for (int r = 0; r < e.state().yourround; ++r)
                    if (e.state().yourguesses[r] == guess.toStdString())
                        return true;
                return false;
            };
            if (f.Label10->text().size() < 4 || (tried(f.Label10->text()) && chance(80))) {
                QString guess = chance(12) ? QString::fromStdString(e.state().mynumber) : randomnumber();
                if (tried(guess) && chance(90))
                    guess = randomnumber();
                click(f.Command[24]);
                for (QChar d : guess)
                    digit(d);
                return "types " + guess;
            }
            confirm(pad::confirmnumber);
            return "confirms " + f.Label10->text();
        }
        if (step == Step::signs) {
            int code = numora::countsigns(
                e.state().myguesses[e.state().myround], numora::support::rowof(secret.toStdString()));
            if (chance(3))
                code = QList<int> {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 40}[pick(14)];
            if (chance(50)) {
                click(f.Command[pad::pluscolumn[code / 10]]);
                click(f.Command[pad::minuscolumn[code % 10]]);
            } else {
                key(Qt::Key_Period);
                for (int p = 0; p < code / 10; ++p)
                    key(Qt::Key_Plus);
                for (int m = 0; m < code % 10; ++m)
                    key(Qt::Key_Minus);
            }
            confirm(pad::confirmsigns);
            return QStringLiteral("answers %1").arg(code);
        }
        if (step == Step::outcome) {
            for (QPointer<dialogs::OutcomeDialog> dialog : {f.frmUwin, f.frmUlost, f.TSdraw})
                if (dialog && dialog->isVisible()) {
                    ++endings[dialog->objectName().isEmpty() ? dialog->metaObject()->className()
                                                             : dialog->objectName()];
                    if (chance(70))
                        dialog->Command1->click();
                    else
                        QTest::keyClick(dialog, Qt::Key_Return);
                    return "yes";
                }
        }
        f.newgame->trigger();
        return "new";
    }

    // Anything at all.
    QString noise()
    {
        Form1 &f = *h->form;
        const int kind = pick(100);
        if (kind < 45) {
            const int n = 1 + pick(24);
            click(f.Command[n]);
            return QStringLiteral("click %1").arg(n);
        }
        if (kind < 65) {
            static const int keypad[] = {Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
                Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period, Qt::Key_Comma};
            key(keypad[pick(14)]);
            return "keypad";
        }
        if (kind < 70) {
            key(Qt::Key_0 + pick(10), Qt::NoModifier);
            return "main keyboard";
        }
        if (kind < 78) {
            confirm(pick(2) ? 12 : 23);
            return "enter or confirm";
        }
        if (kind < 84) {
            f.newgame->trigger();
            return "new";
        }
        if (kind < 88) {
            (pick(2) ? f.about : f.help)->trigger();
            if (f.aboutwindow && chance(50))
                f.aboutwindow->close();
            if (f.helpwindow && chance(50))
                f.helpwindow->close();
            return "about or help";
        }
        if (kind < 89) {
            if (chance(50))
                f.exitgame->trigger();
            else
                f.close();
            return "exit";
        }
        for (QPointer<dialogs::OutcomeDialog> dialog : {f.frmUwin, f.frmUlost, f.TSdraw}) {
            if (!dialog || !dialog->isVisible())
                continue;
            switch (pick(4)) {
            case 0:
                dialog->Command2->click();
                return "no";
            case 1:
                dialog->close();
                return "close box";
            case 2:
                QTest::keyClick(dialog, Qt::Key_Escape);
                return "escape";
            default:
                QTest::keyClick(dialog, Qt::Key_Space);
                return "space in dialog";
            }
        }
        return "nothing";
    }

private slots:
    void initTestCase()
    {
        setupformtests();
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    }
    void cleanup() { h.reset(); }

    void randomPlay_data()
    {
        QTest::addColumn<unsigned>("seed");
        const QString seeds = qEnvironmentVariable("NUMORA_RANDOM_SEEDS", QStringLiteral("1,2,3,4"));
        for (const QString &seed : seeds.split(',', Qt::SkipEmptyParts))
            QTest::newRow(qPrintable("seed " + seed)) << seed.toUInt();
    }
    void randomPlay()
    {
        QFETCH(unsigned, seed);
        const int events = envnumber("NUMORA_RANDOM_EVENTS", 4000);
        rng.seed(seed);
        matches = deepest = programs = boxes = 0;
        endings.clear();
        startprogram();

        // The modal boxes are real: each must be the one its moment calls for (a
        // number typed again, or answers no number fits, which ends the match);
        // answered with OK, Enter, Space or Escape.
        QString wrongbox;
        QTimer boxanswerer;
        connect(&boxanswerer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            ++boxes;
            const auto &state = h->engine->state();
            const bool tried = std::any_of(state.yourguesses.begin(), state.yourguesses.begin() + state.yourround,
                [&](const std::string &guess) { return QString::fromStdString(guess) == h->form->Label10->text(); });
            const QString due = h->engine->step() == Step::outcome
                ? QString::fromLatin1(numora::wrongsignstext).replace(QLatin1String("\r\n"), QLatin1String("\n"))
                : tried ? QStringLiteral("You have tried that number before!")
                        : QString();
            if (box->text() != due)
                wrongbox = QStringLiteral("box \"%1\" where \"%2\" was due").arg(box->text(), due);
            static const int keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape};
            if (pick(5) == 0)
                box->button(QMessageBox::Ok)->click();
            else
                QTest::keyClick(box, Qt::Key(keys[pick(4)]));
        });
        boxanswerer.start(0);

        for (int event = 0; event < events; ++event) {
            const std::uint64_t before = h->engine->gameid();
            const QString what = chance(60) ? play() : noise();
            someofthework();
            if (h->ends > 0) { // Exit, NO or the close box: the program has ended
                startprogram();
                continue;
            }
            matches += h->engine->gameid() != before;
            deepest = std::max<int>(deepest, h->engine->state().yourround);
            const QString fault = wrongbox.isEmpty() ? disagreement(*h->form, *h->engine) : wrongbox;
            if (!fault.isEmpty())
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, after event %2 (%3): %4").arg(seed).arg(event).arg(what, fault)));
        }
        QStringList ended;
        for (const auto &[dialog, count] : endings)
            ended << QStringLiteral("%1 %2").arg(dialog).arg(count);
        std::printf("%d matches in %d programs, deepest %d guesses, %d message boxes; %s\n", matches, programs, deepest,
            boxes, qPrintable(ended.join(", ")));
        std::fflush(stdout);
        // The player got deep into matches and saw them end.
        QVERIFY(deepest >= 4);
        QVERIFY(!endings.empty());
    }
};

QTEST_MAIN(Form1Robustness)
#include "tst_form1_robustness.moc"
