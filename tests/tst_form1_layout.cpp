// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window against its layout tables, its three input states and its reset.

#include "formtesting.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

using platform::twips;
namespace colour = platform::colour;

namespace {
QColor face(const QWidget *w)
{
    return w->palette().color(QPalette::Button);
}
QColor back(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}
QColor text(const QWidget *w)
{
    return w->palette().color(QPalette::WindowText);
}
} // namespace

class Form1Layout : public QObject
{
    Q_OBJECT
    std::unique_ptr<FormHarness> h;

private slots:
    void initTestCase() { setupformtests(); }
    void init() { h = std::make_unique<FormHarness>(); }
    void cleanup() { h.reset(); }

    void window()
    {
        Form1 &f = *h->form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Numora"));
        QCOMPARE(f.centralWidget()->size(), QSize(217, 401));
        QVERIFY(f.isVisible());
        QVERIFY(!(f.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(f.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(f.Timer1->interval(), 50);
        QVERIFY(f.Timer1->isActive());
    }

    // The pads as drawn: two sign columns of five, plus counts left and minus
    // counts right, 4 at the top and 378 twips per row (381 for the last step);
    // a calculator grid of digits 480 twips apart with 0, "C" and "CA" at the
    // bottom; each confirm button under its pad. Signs and their confirm button
    // are light red, the number side light blue; digits and signs in the bold pad font.
    void buttons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("padfont");
        auto add = [](int number, const QString &caption, QRect place, QColor colour, bool padfont) {
            QTest::newRow(qPrintable(QStringLiteral("Command%1 %2").arg(number).arg(caption)))
                << number << caption << place << colour << padfont;
        };
        for (int count = 0; count <= 4; ++count) {
            const int top = 3360 + 378 * (4 - count) + (count == 0 ? 3 : 0);
            add(pad::pluscolumn[count], QStringLiteral("%1 +").arg(count), twips(120, top, 615, 300), colour::lightred,
                true);
            add(pad::minuscolumn[count], QStringLiteral("%1 -").arg(count), twips(840, top, 615, 300), colour::lightred,
                true);
        }
        for (int digit = 1; digit <= 9; ++digit)
            add(digit, QString::number(digit),
                twips(1800 + 480 * ((digit - 1) % 3), 3360 + 480 * (2 - (digit - 1) / 3), 375, 375), colour::lightblue,
                true);
        add(10, "0", twips(1800, 4800, 375, 375), colour::lightblue, true);
        add(11, "C", twips(2280, 4800, 375, 375), colour::lightblue, false);
        add(24, "CA", twips(2760, 4800, 375, 375), colour::lightblue, false);
        add(23, "Confirm Signs", twips(120, 5280, 1335, 375), colour::lightred, false);
        add(12, "Confirm Number", twips(1800, 5280, 1335, 375), colour::lightblue, false);
    }
    void buttons()
    {
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QColor, colour);
        QFETCH(bool, padfont);
        const platform::ColourButton *button = h->form->Command[number];
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), place);
        QCOMPARE(button->backcolor(), colour);
        QCOMPARE(face(button), colour);
        QCOMPARE(button->font().pointSizeF(), padfont ? 9.75 : 8.25);
        QCOMPARE(button->font().bold(), padfont);
        QVERIFY(!button->isEnabled()); // locked until a match starts
    }

    // The face keeps its colour when the button is disabled, as drawn on screen.
    void disabledButtonShowsItsFace()
    {
        platform::ColourButton *button = h->form->Command[5];
        QVERIFY(!button->isEnabled());
        const QImage image = button->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() / 2, 4), colour::lightblue);
    }

    void labelsAndBoxes()
    {
        Form1 &f = *h->form;
        QCOMPARE(f.Label4->geometry(), twips(120, 120, 285, 1995));
        QCOMPARE(f.Label4->text(), QStringLiteral("   1   2   3   4   5   6   7   8   9 10"));
        QCOMPARE(f.Label4->rows(), QString("1 2 3 4 5 6 7 8 9 10").split(' '));
        QCOMPARE(f.Label5->geometry(), twips(1800, 120, 285, 1995));
        QCOMPARE(f.Label5->text(), f.Label4->text());
        QCOMPARE(f.Picture2->geometry(), twips(480, 120, 975, 1995));
        QCOMPARE(f.Picture1->geometry(), twips(2160, 120, 975, 1995));
        QCOMPARE(f.Picture1->font(), f.Label5->font()); // rows line up
        QCOMPARE(f.Label2->text(), QStringLiteral("My progress"));
        QCOMPARE(f.Label2->geometry(), twips(120, 2160, 1335, 255));
        QCOMPARE(text(f.Label2), colour::maroon);
        QCOMPARE(f.Label1->text(), QStringLiteral("Your progress"));
        QCOMPARE(f.Label1->geometry(), twips(1800, 2160, 1335, 255));
        QCOMPARE(text(f.Label1), colour::navy);
        QCOMPARE(f.Frame1->title(), QStringLiteral("My guess is"));
        QCOMPARE(f.Frame1->geometry(), twips(0, 2520, 1575, 3255));
        QCOMPARE(text(f.Frame1), colour::darkred);
        QCOMPARE(f.Frame2->title(), QStringLiteral("Your guess is"));
        QCOMPARE(f.Frame2->geometry(), twips(1680, 2520, 1575, 3255));
        QCOMPARE(text(f.Frame2), colour::navy);
        QCOMPARE(f.Label8->parentWidget(), f.Frame1);
        QCOMPARE(f.Label8->geometry(), twips(120, 240, 1335, 495));
        QCOMPARE(f.Label8->mapTo(&f, QPoint(0, 0)) - f.centralWidget()->mapTo(&f, QPoint(0, 0)),
            twips(120, 2760, 0, 0).topLeft());
        QCOMPARE(text(f.Label8), colour::maroon);
        QCOMPARE(f.Label10->geometry(), twips(120, 240, 1335, 495));
        QCOMPARE(text(f.Label10), colour::navy);
        for (QLabel *display : {f.Label8, f.Label10}) {
            QCOMPARE(display->font().pointSizeF(), 18.0);
            QVERIFY(display->font().bold());
        }
        QCOMPARE(f.Label6->geometry(), twips(0, 5805, 750, 195));
        QCOMPARE(text(f.Label6), colour::maroon);
        QVERIFY(f.Label6->text().isEmpty());
    }

    // The two outlines frame the histories in their side's colour.
    void outlines()
    {
        const QImage image = h->form->centralWidget()->grab().toImage();
        QCOMPARE(image.pixelColor(0, 50), colour::maroon);
        QCOMPARE(image.pixelColor(104, 50), colour::maroon);
        QCOMPARE(image.pixelColor(112, 50), colour::navy);
        QCOMPARE(image.pixelColor(216, 50), colour::navy);
    }

    void menu()
    {
        const QList<QAction *> bar = h->form->menuBar()->actions();
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(bar[1]->text(), QStringLiteral("&Help"));
        QCOMPARE(bar[2]->text(), QStringLiteral("&About"));
        QVERIFY(bar[0]->menu());
        QVERIFY(!bar[1]->menu() && !bar[2]->menu());
        const QList<QAction *> game = bar[0]->menu()->actions();
        // New first, Exit last; what later came to the game stands between them.
        QCOMPARE(game.constFirst()->text(), QStringLiteral("&New"));
        QCOMPARE(game.constLast()->text(), QStringLiteral("E&xit"));
        for (QAction *action : game + bar)
            QVERIFY(action->shortcut().isEmpty());
    }

    void tabOrder()
    {
        const int expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 23, 24, 20, 19, 18, 17, 16, 15, 14, 13, 21, 22, 10};
        QWidget *w = h->form->Command[1];
        for (int n : expected) {
            QCOMPARE(w, static_cast<QWidget *>(h->form->Command[n]));
            w = w->nextInFocusChain();
            while (!qobject_cast<platform::ColourButton *>(w))
                w = w->nextInFocusChain();
        }
    }

    void inputStates_data()
    {
        QTest::addColumn<int>("numberkeys");
        QTest::addColumn<int>("signkeys");
        QTest::addColumn<QColor>("guessback");
        QTest::addColumn<QColor>("numberback");
        QTest::newRow("locked") << 0 << 0 << colour::grey << colour::grey;
        QTest::newRow("number entry") << -1 << 0 << colour::grey << colour::lightgrey;
        QTest::newRow("sign entry") << 0 << -1 << colour::lightgrey << colour::grey;
    }
    void inputStates()
    {
        QFETCH(int, numberkeys);
        QFETCH(int, signkeys);
        QFETCH(QColor, guessback);
        QFETCH(QColor, numberback);
        Form1 &f = *h->form;
        if (numberkeys || signkeys)
            f.newgame_Click();
        if (signkeys)
            h->confirmnumber("1234");
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24})
            QCOMPARE(f.Command[n]->isEnabled(), numberkeys != 0);
        for (int n = 13; n <= 23; ++n)
            QCOMPARE(f.Command[n]->isEnabled(), signkeys != 0);
        QCOMPARE(back(f.Label8), guessback);
        QCOMPARE(back(f.Label10), numberback);
    }

    // A new game empties the displays and the histories, but the digit buttons
    // marked as used stay blue until "CA" or a confirmed guess repaints them, and
    // their digits can be typed again at once: only the display decides.
    void newGameKeepsTheDigitColours()
    {
        Form1 &f = *h->form;
        f.newgame_Click();
        h->confirmnumber("1234");
        h->answer(0, 0);
        h->type("56");
        f.newgame_Click();
        h->settle();
        QVERIFY(f.Label8->text().isEmpty() && f.Label10->text().isEmpty());
        QVERIFY(f.Picture1->lines().isEmpty() && f.Picture2->lines().isEmpty());
        QCOMPARE(f.Picture1->textcursor(), QPoint(0, 0));
        QCOMPARE(f.Command[5]->backcolor(), colour::blue);
        QCOMPARE(f.Command[6]->backcolor(), colour::blue);
        h->type("5");
        QCOMPARE(f.Label10->text(), QStringLiteral("5"));
    }

    void resizingMovesNothing()
    {
        Form1 &f = *h->form;
        const QRect before = f.Command[12]->geometry();
        const QRect box = f.Picture1->geometry();
        f.resize(f.width() + 200, f.height() + 150);
        QCoreApplication::processEvents();
        QCOMPARE(f.Command[12]->geometry(), before);
        QCOMPARE(f.Picture1->geometry(), box);
        f.resize(120, 200);
        QCoreApplication::processEvents();
        QCOMPARE(f.Command[12]->geometry(), before);
    }

    // Eighteen icon frames, cycled one per tick and back to the first.
    void iconAnimation()
    {
        Form1 &f = *h->form;
        f.Timer1->stop();
        f.Timer1_Timer();
        const auto shown = [&f] {
            for (int frame = 0; frame < 18; ++frame)
                if (f.windowHandle()->icon().cacheKey() == f.Image1[frame].cacheKey())
                    return frame;
            return -1;
        };
        const int first = shown();
        QVERIFY(first >= 0);
        for (int tick = 1; tick <= 18; ++tick) {
            f.Timer1_Timer();
            QCOMPARE(shown(), (first + tick) % 18);
        }
    }
};

QTEST_MAIN(Form1Layout)
#include "tst_form1_layout.moc"
