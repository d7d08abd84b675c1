// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The number pad, the sign pad, the keypad shortcuts and the history lines.

#include "dialogs/outcomes.h"
#include "formtesting.h"
#include "modulepeer.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"
#include "platform/twips.h"

#include <QLabel>
#include <QScopeGuard>
#include <QStyleHints>
#include <QThread>

#include <tuple>
#include <QWindow>

namespace colour = platform::colour;
using numora::False;
using numora::True;

namespace {

// Presses on the number pad: digits, C for "C", A for "CA".
void press(FormHarness &h, const QString &keys)
{
    for (QChar k : keys) {
        if (k == QLatin1Char('C'))
            h.click(11);
        else if (k == QLatin1Char('A'))
            h.click(24);
        else
            h.click(k == QLatin1Char('0') ? 10 : k.digitValue());
    }
}

// The digits whose buttons are blue; a button in neither pad colour shows as "?".
QString bluedigits(const Form1 &f)
{
    QString digits;
    for (int n = 1; n <= 10; ++n)
        if (f.Command[n]->backcolor() == colour::blue)
            digits += QString::number(n % 10);
        else if (f.Command[n]->backcolor() != colour::lightblue)
            digits += QLatin1Char('?');
    return digits;
}

QString redsigns(const Form1 &f)
{
    QString red;
    for (int n = 13; n <= 22; ++n)
        if (f.Command[n]->backcolor() == colour::red)
            red += (red.isEmpty() ? "" : ",") + f.Command[n]->text();
    return red;
}

// The time stamp of the latest key press that reached a window.
struct LastKeyStamp : QObject
{
    quint64 stamp = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            stamp = static_cast<QKeyEvent *>(event)->timestamp();
        return false;
    }
};

} // namespace

class Form1Pads : public QObject
{
    Q_OBJECT
    std::unique_ptr<FormHarness> h;

    // A match whose secret is 1234, in number entry.
    void startwithsecret()
    {
        h->form->newgame_Click();
        numora::ModulePeer::state(*h->engine).mynumber = "1234";
    }
    // On to the sign step with the computer's first guess shown.
    void tosignstep()
    {
        startwithsecret();
        h->confirmnumber("5678");
        QCOMPARE(h->engine->step(), numora::Step::signs);
    }

private slots:
    void initTestCase() { setupformtests(); }
    void init()
    {
        h = std::make_unique<FormHarness>();
        h->form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(h->form.get()));
    }
    void cleanup() { h.reset(); }

    void historyLine_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("minus");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("players");
        QTest::newRow("two plus one minus") << "5037" << 2 << 1 << " 5037 ++ -" << false;
        QTest::newRow("nothing") << "5037" << 0 << 0 << " 5037 " << false;
        QTest::newRow("four minus") << "5037" << 0 << 4 << " 5037  - - - -" << false;
        QTest::newRow("four plus") << "5037" << 4 << 0 << " 5037 ++++" << false;
        QTest::newRow("one plus two minus") << "1023" << 1 << 2 << " 1023 + - -" << false;
        QTest::newRow("player's line") << "8412" << 2 << 1 << " 8412 ++ -" << true;
    }
    // The lines as printed, and as drawn: in the side's own colour, maroon for
    // the computer's, navy for the player's.
    void historyLine()
    {
        QFETCH(QString, guess);
        QFETCH(int, plus);
        QFETCH(int, minus);
        QFETCH(QString, line);
        QFETCH(bool, players);
        platform::PictureBox *box = players ? h->form->Picture1 : h->form->Picture2;
        Form1::printhistory(box, guess, plus, minus);
        Form1::printhistory(box, guess, plus, minus);
        QCOMPARE(box->lines(), QStringList({line, line}));
        QCOMPARE(box->textcursor().x(), 0);
        QCOMPARE(box->textcursor().y(), 2 * QFontMetrics(box->font()).height());
        // Every pixel of the text is the ink blended into the ground, the darkest
        // nearly the ink itself.
        const QImage drawn = box->grab(box->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
        const QColor ground = box->palette().color(box->backgroundRole());
        const QColor ink = players ? colour::navy : colour::maroon;
        const auto channels = [](QColor c) { return std::array<double, 3> {c.redF(), c.greenF(), c.blueF()}; };
        const auto g = channels(ground), i = channels(ink);
        double deepest = 0, stray = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const auto p = channels(drawn.pixelColor(x, y));
                double along = 0, length = 0, off = 0;
                for (int c = 0; c < 3; ++c)
                    along += (p[c] - g[c]) * (i[c] - g[c]), length += (i[c] - g[c]) * (i[c] - g[c]);
                for (int c = 0; c < 3; ++c)
                    off = std::max(off, std::abs(p[c] - g[c] - along / length * (i[c] - g[c])));
                deepest = std::max(deepest, along / length);
                stray = std::max(stray, off);
            }
        QVERIFY2(
            deepest > 0.9 && stray < 0.05, qPrintable(QStringLiteral("ink %1, off it %2").arg(deepest).arg(stray)));
    }

    // Ten lines fill a box beside the ten rows of its scale; more are drawn out of sight.
    void historyBoxHoldsTenRowsBesideItsScale()
    {
        platform::PictureBox *box = h->form->Picture1;
        const int line = QFontMetrics(box->font()).height();
        QCOMPARE(QFontMetrics(h->form->Label5->font()).height(), line);
        QCOMPARE(box->contentsRect().top(), h->form->Label5->contentsRect().top());
        QVERIFY(box->contentsRect().height() >= 10 * line - 2);
        for (int n = 0; n < 14; ++n)
            Form1::printhistory(box, "1234", 1, 1);
        QCOMPARE(box->lines().size(), 14);
        QVERIFY(box->textcursor().y() > box->height());
        box->cls();
        QVERIFY(box->lines().isEmpty());
    }

    void numberPad_data()
    {
        QTest::addColumn<QString>("presses");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("blue");
        QTest::newRow("fifth digit refused") << "12345"
                                             << "1234"
                                             << "1234";
        QTest::newRow("repeated digit refused") << "77"
                                                << "7"
                                                << "7";
        QTest::newRow("leading 0 refused") << "0"
                                           << ""
                                           << "";
        QTest::newRow("0 after a digit") << "10"
                                         << "10"
                                         << "10";
        QTest::newRow("C takes back the 0") << "10C"
                                            << "1"
                                            << "1";
        QTest::newRow("C empties") << "1C"
                                   << ""
                                   << "";
        QTest::newRow("C on empty") << "C"
                                    << ""
                                    << "";
        QTest::newRow("CA") << "1034A"
                            << ""
                            << "";
        QTest::newRow("digit again after C") << "12C2"
                                             << "12"
                                             << "12";
        QTest::newRow("C twice") << "123CC"
                                 << "1"
                                 << "1";
    }
    void numberPad()
    {
        QFETCH(QString, presses);
        QFETCH(QString, display);
        QFETCH(QString, blue);
        startwithsecret();
        press(*h, presses);
        QCOMPARE(h->form->Label10->text(), display);
        QCOMPARE(bluedigits(*h->form), blue);
    }

    void digitMovesTheFocusToConfirmNumber()
    {
        startwithsecret();
        press(*h, "0");
        QVERIFY(QApplication::focusWidget() != h->form->Command[12]);
        press(*h, "5");
        QCOMPARE(QApplication::focusWidget(), h->form->Command[12]);
    }

    void tooShortGuessDoesNothing()
    {
        startwithsecret();
        press(*h, "123");
        h->click(12);
        QCOMPARE(h->form->Label10->text(), QStringLiteral("123"));
        QCOMPARE(int(h->engine->state().yourround), 0);
        QVERIFY(h->form->Picture1->lines().isEmpty());
        QCOMPARE(h->engine->step(), numora::Step::number);
    }

    void scoringAgainstTheSecret_data()
    {
        QTest::addColumn<QString>("guess");
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("minus");
        QTest::addColumn<QString>("line");
        QTest::newRow("6241") << "6241" << 1 << 2 << " 6241 + - -";
        QTest::newRow("1234") << "1234" << 4 << 0 << " 1234 ++++";
        QTest::newRow("5678") << "5678" << 0 << 0 << " 5678 ";
        QTest::newRow("4321") << "4321" << 0 << 4 << " 4321  - - - -";
        QTest::newRow("1243") << "1243" << 2 << 2 << " 1243 ++ - -";
        QTest::newRow("with a 0") << "1043" << 1 << 2 << " 1043 + - -";
    }
    void scoringAgainstTheSecret()
    {
        QFETCH(QString, guess);
        QFETCH(int, plus);
        QFETCH(int, minus);
        QFETCH(QString, line);
        startwithsecret();
        h->confirmnumber(guess);
        auto &e = *h->engine;
        QCOMPARE(e.state().yourguesses[0], guess.toStdString());
        QCOMPARE(int(e.state().yourplus[0]), plus);
        QCOMPARE(int(e.state().yourminus[0]), minus);
        QCOMPARE(int(e.state().yourround), 1);
        QCOMPARE(int(e.state().yousolved), plus == 4 ? int(True) : int(False));
        QCOMPARE(h->form->Picture1->lines(), QStringList {line});
        // Handed over: sign entry, display emptied, digits free, the computer's guess shown.
        QVERIFY(h->form->Command[23]->isEnabled());
        QVERIFY(!h->form->Command[12]->isEnabled());
        QVERIFY(h->form->Label10->text().isEmpty());
        QCOMPARE(bluedigits(*h->form), QString());
        QCOMPARE(h->form->Label8->text().size(), 4);
        QCOMPARE(QApplication::focusWidget(), h->form->Command[23]);
        QCOMPARE(redsigns(*h->form), QStringLiteral("0 -,0 +"));
    }

    void repeatedGuessIsRefusedWithAMessage()
    {
        tosignstep();
        h->answer(0, 0);
        press(*h, "5678");
        h->expectmessage("You have tried that number before!");
        h->click(12);
        QCOMPARE(h->form->Label10->text(), QStringLiteral("5678"));
        QCOMPARE(bluedigits(*h->form), QStringLiteral("5678"));
        QCOMPARE(int(h->engine->state().yourround), 1);
        QCOMPARE(h->engine->step(), numora::Step::numberafter);
        press(*h, "A8765");
        h->click(12); // the same digits in another order are a new guess
        QCOMPARE(int(h->engine->state().yourround), 2);
    }

    void guessOfAnEarlierMatchIsNew()
    {
        tosignstep();
        startwithsecret();
        h->confirmnumber("5678");
        QCOMPARE(int(h->engine->state().yourround), 1);
    }

    void signPad_data()
    {
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("minus");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("3 plus 1 minus") << 3 << 1 << false;
        QTest::newRow("4 plus 1 minus") << 4 << 1 << false;
        QTest::newRow("1 plus 4 minus") << 1 << 4 << false;
        QTest::newRow("2 plus 3 minus") << 2 << 3 << false;
        QTest::newRow("3 plus 0 minus") << 3 << 0 << true;
        QTest::newRow("2 plus 2 minus") << 2 << 2 << true;
        QTest::newRow("0 plus 4 minus") << 0 << 4 << true;
        QTest::newRow("0 plus 0 minus") << 0 << 0 << true;
        QTest::newRow("1 plus 3 minus") << 1 << 3 << true;
    }
    void signPad()
    {
        QFETCH(int, plus);
        QFETCH(int, minus);
        QFETCH(bool, accepted);
        tosignstep();
        const QString guess = h->form->Label8->text();
        h->answer(plus, minus);
        const auto &e = *h->engine;
        if (!accepted) {
            QCOMPARE(h->engine->step(), numora::Step::signs);
            QVERIFY(h->form->Picture2->lines().isEmpty());
            QCOMPARE(h->form->Label8->text(), guess);
            QVERIFY(redsigns(*h->form).contains(QStringLiteral("%1 +").arg(plus)));
            QVERIFY(redsigns(*h->form).contains(QStringLiteral("%1 -").arg(minus)));
            QVERIFY(h->form->Command[23]->isEnabled());
            return;
        }
        QCOMPARE(int(e.state().mysigns[0]), plus * 10 + minus);
        QCOMPARE(h->form->Picture2->lines().size(), 1);
        QVERIFY(h->form->Picture2->lines()[0].startsWith(' ' + guess + ' '));
        QVERIFY(h->form->Label8->text().isEmpty());
        QCOMPARE(redsigns(*h->form), QString());
        QVERIFY(h->form->Command[12]->isEnabled());
        QVERIFY(!h->form->Command[23]->isEnabled());
        QCOMPARE(e.step(), numora::Step::numberafter); // waiting for the next guess
    }

    // Each column shows only its last choice, and that is the answer confirmed.
    void signColumnsShowTheirChoice()
    {
        tosignstep();
        h->click(18);
        h->click(16);
        h->click(17);
        h->click(15);
        QCOMPARE(redsigns(*h->form), QStringLiteral("2 -,2 +"));
        h->click(23);
        QCOMPARE(int(h->engine->state().mysigns[0]), 22);
    }

    void doubleConfirmSignsRecordsOneAnswer()
    {
        tosignstep();
        h->click(13);
        h->click(23);
        h->click(23);
        QCOMPARE(h->form->Picture2->lines().size(), 1);
        QCOMPARE(int(h->engine->state().myround), 0);
        QCOMPARE(int(h->engine->state().mysigns[0]), 10);
    }

    // Until the computer's guess is on display an answer cannot be given.
    void confirmSignsBeforeTheGuessIsIgnored()
    {
        startwithsecret();
        press(*h, "5678");
        QTest::mouseClick(h->form->Command[12], Qt::LeftButton); // the engine has not resumed yet
        QVERIFY(h->form->Label8->text().isEmpty());
        QVERIFY(h->form->Command[23]->isEnabled());
        QTest::mouseClick(h->form->Command[23], Qt::LeftButton);
        QVERIFY(h->form->Picture2->lines().isEmpty());
        QVERIFY(!h->form->Command[12]->isEnabled());
        FormHarness::settle();
        QCOMPARE(h->form->Label8->text().size(), 4);
        QCOMPARE(h->engine->step(), numora::Step::signs);
    }

    // "5678 Enter Enter" (or Enter then Space): the second tap, pressed before
    // the computer's guess was on screen but handled after its sign step began,
    // does not answer it; nor does one pressed too soon after the guess
    // appeared to be a reply.
    void quickSecondTapDoesNotAnswerTheGuess_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void quickSecondTapDoesNotAnswerTheGuess()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QGuiApplication::styleHints()->setKeyboardInputInterval(50);
        const auto restore = qScopeGuard([] { QGuiApplication::styleHints()->setKeyboardInputInterval(0); });
        startwithsecret();
        for (int digit : {Qt::Key_5, Qt::Key_6, Qt::Key_7})
            h->keypad(digit);
        QWindow *window = h->form->windowHandle();
        LastKeyStamp last;
        window->installEventFilter(&last);
        h->keypad(Qt::Key_8);
        // Both presses are stamped as the window system stamps them; only the
        // first is handled before the computer's turn, which it queues.
        QKeyEvent first(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
        first.setTimestamp(last.stamp);
        QCoreApplication::sendEvent(window, &first);
        QCOMPARE(h->engine->step(), numora::Step::guessing);
        for (auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            auto *second = new QKeyEvent(type, key, Qt::KeyboardModifiers(modifiers), text);
            second->setTimestamp(last.stamp + 1);
            QCoreApplication::postEvent(window, second);
        }
        QThread::msleep(5); // the guess goes on screen clearly after that press
        FormHarness::settle();
        QCOMPARE(h->form->Label8->text().size(), 4);
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers)); // at once: no reply yet
        FormHarness::settle();
        QVERIFY(h->form->Picture2->lines().isEmpty());
        QCOMPARE(h->engine->step(), numora::Step::signs);
        QThread::msleep(60);
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        FormHarness::settle();
        QCOMPARE(h->form->Picture2->lines().size(), 1);
    }

    // Under a screen reader every key comes without its time stamp (0): such a
    // key is timed as it is handled, so a reply made well after the guess
    // appeared answers it, however long ago the first unstamped key came.
    void unstampedKeyAnswersTheGuess_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void unstampedKeyAnswersTheGuess()
    {
        QFETCH(int, key);
        QGuiApplication::styleHints()->setKeyboardInputInterval(50);
        const auto restore = qScopeGuard([] { QGuiApplication::styleHints()->setKeyboardInputInterval(0); });
        QWindow *window = h->form->windowHandle();
        auto unstamped = [window](int k, Qt::KeyboardModifiers modifiers) {
            QKeyEvent press(QEvent::KeyPress, k, modifiers, k == Qt::Key_Space ? QStringLiteral(" ") : QString());
            QCOMPARE(press.timestamp(), quint64(0));
            QCoreApplication::sendEvent(window, &press);
            QKeyEvent release(QEvent::KeyRelease, k, modifiers);
            QCoreApplication::sendEvent(window, &release);
            FormHarness::settle();
        };
        startwithsecret();
        for (int digit : {Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8})
            unstamped(digit, Qt::KeypadModifier);
        unstamped(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(h->engine->step(), numora::Step::signs);
        QCOMPARE(QApplication::focusWidget(), h->form->Command[23]);
        unstamped(Qt::Key_Plus, Qt::KeypadModifier);
        QThread::msleep(60);
        unstamped(key, Qt::NoModifier);
        QCOMPARE(h->form->Picture2->lines().size(), 1);
        QCOMPARE(int(h->engine->state().mysigns[0]), 10);
    }

    // Choosing a sign is not an answer: Space or Enter on a sign button counts
    // however soon after the guess and whatever its time stamp says.
    void signKeyIsNeverHeldBack_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<quint64>("stamp");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("Space on 1 +, unstamped") << 13 << int(Qt::Key_Space) << quint64(0) << "1 +,0 -";
        QTest::newRow("Space on 4 -, unstamped") << 19 << int(Qt::Key_Space) << quint64(0) << "4 -,0 +";
        QTest::newRow("Enter on 2 +, unstamped") << 16 << int(Qt::Key_Return) << quint64(0) << "2 +,0 -";
        QTest::newRow("Space on 1 -, stamped long ago") << 14 << int(Qt::Key_Space) << quint64(1) << "1 -,0 +";
    }
    void signKeyIsNeverHeldBack()
    {
        QFETCH(int, button);
        QFETCH(int, key);
        QFETCH(quint64, stamp);
        QFETCH(QString, chosen);
        QGuiApplication::styleHints()->setKeyboardInputInterval(100000); // every key comes "too soon"
        const auto restore = qScopeGuard([] { QGuiApplication::styleHints()->setKeyboardInputInterval(0); });
        tosignstep();
        h->form->Command[button]->setFocus();
        QWindow *window = h->form->windowHandle();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        press.setTimestamp(stamp);
        QCoreApplication::sendEvent(window, &press);
        QKeyEvent release(
            QEvent::KeyRelease, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
        release.setTimestamp(stamp);
        QCoreApplication::sendEvent(window, &release);
        FormHarness::settle();
        QCOMPARE(redsigns(*h->form), chosen);
        // Confirm Signs itself still waits for a reply that can be one.
        h->form->Command[23]->setFocus();
        QTest::keyClick(window, Qt::Key_Return);
        FormHarness::settle();
        QVERIFY(h->form->Picture2->lines().isEmpty());
    }

    // Lost with four keypad plus; a key pressed behind the loss dialog (the Alt
    // of Alt+G) reselects from the old counters; the next match's first sign
    // step still shows only its own selection.
    void signStepAfterAKeyboardNewShowsItsOwnSelection()
    {
        tosignstep();
        for (int n = 0; n < 4; ++n)
            h->keypad(Qt::Key_Plus);
        QTest::keyClick(h->form->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        FormHarness::settle();
        QVERIFY(h->form->frmUlost && h->form->frmUlost->isVisible());
        QTest::keyClick(h->form->windowHandle(), Qt::Key_Alt);
        h->form->newgame->trigger();
        h->confirmnumber("5678");
        QCOMPARE(h->engine->step(), numora::Step::signs);
        QCOMPARE(redsigns(*h->form), QStringLiteral("0 -,0 +"));
    }

    // ---- the keypad

    void keysDoNothingWhileLocked()
    {
        for (int key : {Qt::Key_1, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Period})
            h->keypad(key);
        QVERIFY(h->form->Label10->text().isEmpty());
        QCOMPARE(redsigns(*h->form), QString());
    }

    void keypadNumbers_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("blue");
        QTest::newRow("1 0 2 3 point") << "1023."
                                       << "102"
                                       << "120";
        QTest::newRow("0 on empty") << "0"
                                    << ""
                                    << "";
        QTest::newRow("plus and minus type nothing") << "1+-2"
                                                     << "12"
                                                     << "12";
        QTest::newRow("five digits") << "98765"
                                     << "9876"
                                     << "6789";
    }
    void keypadNumbers()
    {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        QFETCH(QString, blue);
        startwithsecret();
        for (QChar k : keys) {
            const int key = k.isDigit() ? Qt::Key_0 + k.digitValue()
                : k == '+'              ? Qt::Key_Plus
                : k == '-'              ? Qt::Key_Minus
                : k == ','              ? Qt::Key_Comma
                                        : Qt::Key_Period;
            h->keypad(key);
        }
        QCOMPARE(h->form->Label10->text(), display);
        QCOMPARE(bluedigits(*h->form), blue);
    }

    // The main keyboard's digits, + and - work as the keypad's (for keyboards
    // without one); its . and , act in neither mode.
    void mainKeyboardKeys_data()
    {
        QTest::addColumn<bool>("signmode");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        const std::tuple<const char *, int, const char *, const char *> keys[] = {{"0", Qt::Key_0, "120", "1 +,0 -"},
            {"5", Qt::Key_5, "125", "1 +,0 -"}, {"+", Qt::Key_Plus, "12", "2 +,0 -"}, {"-", Qt::Key_Minus, "12", "1 +,1 -"},
            {".", Qt::Key_Period, "12", "1 +,0 -"}, {",", Qt::Key_Comma, "12", "1 +,0 -"}};
        for (bool signmode : {false, true})
            for (const auto &[name, key, number, signs] : keys)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(signmode ? "signs" : "number", name)))
                    << signmode << key << QString(signmode ? signs : number);
    }
    void mainKeyboardKeys()
    {
        QFETCH(bool, signmode);
        QFETCH(int, key);
        QFETCH(QString, after);
        if (signmode) {
            tosignstep();
            h->keypad(Qt::Key_Plus); // a keypad count, which any key in sign mode re-selects
        } else {
            startwithsecret();
            h->keypad(Qt::Key_1);
            h->keypad(Qt::Key_2);
        }
        QTest::keyClick(h->form->windowHandle(), Qt::Key(key));
        FormHarness::settle();
        QCOMPARE(signmode ? redsigns(*h->form) : h->form->Label10->text(), after);
    }

    void keypadSigns_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("red");
        QTest::addColumn<int>("plus");
        QTest::addColumn<int>("minus");
        QTest::newRow("plus twice minus once") << "++-"
                                               << "2 +,1 -" << 2 << 1;
        QTest::newRow("fifth plus") << "+++++"
                                    << "0 -,4 +" << 4 << 0;
        QTest::newRow("point restarts") << "++-.+"
                                        << "0 -,1 +" << 1 << 0;
        QTest::newRow("digits only reselect") << "5"
                                              << "0 -,0 +" << 0 << 0;
        QTest::newRow("minus five times") << "-----"
                                          << "4 -,0 +" << 0 << 4;
    }
    void keypadSigns()
    {
        QFETCH(QString, keys);
        QFETCH(QString, red);
        QFETCH(int, plus);
        QFETCH(int, minus);
        tosignstep();
        for (QChar k : keys)
            h->keypad(k == '+' ? Qt::Key_Plus : k == '-' ? Qt::Key_Minus : k == '.' ? Qt::Key_Period : Qt::Key_5);
        QStringList expected = red.split(',');
        QStringList shown = redsigns(*h->form).split(',');
        std::sort(expected.begin(), expected.end());
        std::sort(shown.begin(), shown.end());
        QCOMPARE(shown, expected);
        h->click(23);
        QCOMPARE(int(h->engine->state().mysigns[0]), plus * 10 + minus);
    }

    // The key counters ignore the mouse: the next key re-selects from the count.
    void mouseClickBetweenKeypadPresses()
    {
        tosignstep();
        h->keypad(Qt::Key_Plus);
        h->click(18);
        QCOMPARE(h->form->Command[18]->backcolor(), colour::red);
        h->keypad(Qt::Key_5);
        QCOMPARE(redsigns(*h->form), QStringLiteral("1 +,0 -"));
    }

    void enterConfirmsTheFocusedButton()
    {
        startwithsecret();
        for (int key : {Qt::Key_5, Qt::Key_6, Qt::Key_7, Qt::Key_8})
            h->keypad(key);
        QTest::keyClick(h->form->windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
        FormHarness::settle();
        QCOMPARE(int(h->engine->state().yourround), 1);
        QCOMPARE(h->engine->step(), numora::Step::signs);
        h->keypad(Qt::Key_Plus);
        QTest::keyClick(h->form->windowHandle(), Qt::Key_Return);
        FormHarness::settle();
        QCOMPARE(int(h->engine->state().mysigns[0]), 10);
        QCOMPARE(h->engine->step(), numora::Step::numberafter);
    }

    void enterPressesConfirmNumberWhenNoButtonHasTheFocus()
    {
        startwithsecret();
        press(*h, "5678");
        h->form->centralWidget()->setFocus();
        QVERIFY(!qobject_cast<QAbstractButton *>(QApplication::focusWidget()));
        QTest::keyClick(h->form->windowHandle(), Qt::Key_Return);
        FormHarness::settle();
        QCOMPARE(int(h->engine->state().yourround), 1);
    }
};

QTEST_MAIN(Form1Pads)
#include "tst_form1_pads.moc"
