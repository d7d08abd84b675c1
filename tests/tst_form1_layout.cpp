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

    void buttons_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        struct Row
        {
            int n;
            const char *caption;
            int l, t, w, h;
            bool sign;
            bool pad;
        };
        const Row rows[] = {
            {20, "4 +", 120, 3360, 615, 300, true, true},
            {19, "4 -", 840, 3360, 615, 300, true, true},
            {18, "3 +", 120, 3738, 615, 300, true, true},
            {17, "3 -", 840, 3738, 615, 300, true, true},
            {16, "2 +", 120, 4116, 615, 300, true, true},
            {15, "2 -", 840, 4116, 615, 300, true, true},
            {13, "1 +", 120, 4494, 615, 300, true, true},
            {14, "1 -", 840, 4494, 615, 300, true, true},
            {22, "0 +", 120, 4875, 615, 300, true, true},
            {21, "0 -", 840, 4875, 615, 300, true, true},
            {23, "Confirm Signs", 120, 5280, 1335, 375, true, false},
            {7, "7", 1800, 3360, 375, 375, false, true},
            {8, "8", 2280, 3360, 375, 375, false, true},
            {9, "9", 2760, 3360, 375, 375, false, true},
            {4, "4", 1800, 3840, 375, 375, false, true},
            {5, "5", 2280, 3840, 375, 375, false, true},
            {6, "6", 2760, 3840, 375, 375, false, true},
            {1, "1", 1800, 4320, 375, 375, false, true},
            {2, "2", 2280, 4320, 375, 375, false, true},
            {3, "3", 2760, 4320, 375, 375, false, true},
            {10, "0", 1800, 4800, 375, 375, false, true},
            {11, "C", 2280, 4800, 375, 375, false, false},
            {24, "CA", 2760, 4800, 375, 375, false, false},
            {12, "Confirm Number", 1800, 5280, 1335, 375, false, false},
        };
        for (const Row &r : rows)
            QTest::newRow(qPrintable(QStringLiteral("Command%1 %2").arg(r.n).arg(QLatin1String(r.caption))))
                << r.n << QString::fromLatin1(r.caption) << twips(r.l, r.t, r.w, r.h)
                << (r.sign ? colour::lightred : colour::lightblue) << (r.pad ? 9.75 : 8.25) << r.pad;
    }
    void buttons()
    {
        QFETCH(int, number);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QColor, colour);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const platform::ColourButton *button = h->form->Command[number];
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->geometry(), place);
        QCOMPARE(button->backcolor(), colour);
        QCOMPARE(face(button), colour);
        QCOMPARE(button->font().pointSizeF(), points);
        QCOMPARE(button->font().bold(), bold);
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
        QCOMPARE(f.Picture2->forecolor(), colour::maroon);
        QCOMPARE(f.Picture1->geometry(), twips(2160, 120, 975, 1995));
        QCOMPARE(f.Picture1->forecolor(), colour::navy);
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
        QCOMPARE(game.size(), 2);
        QCOMPARE(game[0]->text(), QStringLiteral("&New"));
        QCOMPARE(game[1]->text(), QStringLiteral("E&xit"));
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
        f.numberkeys = numora::int16(numberkeys);
        f.signkeys = numora::int16(signkeys);
        f.keylock();
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 24})
            QCOMPARE(f.Command[n]->isEnabled(), numberkeys != 0);
        for (int n = 13; n <= 23; ++n)
            QCOMPARE(f.Command[n]->isEnabled(), signkeys != 0);
        QCOMPARE(back(f.Label8), guessback);
        QCOMPARE(back(f.Label10), numberback);
    }

    void startsLockedAndEmpty()
    {
        Form1 &f = *h->form;
        QCOMPARE(int(f.numberkeys), 0);
        QCOMPARE(int(f.signkeys), 0);
        QCOMPARE(back(f.Label8), colour::grey);
        QCOMPARE(back(f.Label10), colour::grey);
        QVERIFY(f.Label8->text().isEmpty() && f.Label10->text().isEmpty());
        QVERIFY(f.Picture1->lines().isEmpty() && f.Picture2->lines().isEmpty());
    }

    // form_load empties displays and histories and locks; it leaves the pad
    // colours and the form's counters as they were.
    void formLoadResetsOnlyWhatItShould()
    {
        Form1 &f = *h->form;
        f.Label8->setText("1234");
        f.Label10->setText("56");
        f.Picture1->print(" 1234 ++", true);
        f.Picture2->print(" 5678 ", true);
        f.Command[5]->setbackcolor(colour::blue);
        f.Command[13]->setbackcolor(colour::red);
        f.plus = 2;
        f.minus = 1;
        f.keyplus = 3;
        f.keyminus = 1;
        f.pick = 7;
        f.entry = "56";
        f.newdigit = "6";
        f.numberkeys = numora::True;
        f.keylock();
        f.form_load();
        QVERIFY(f.Label8->text().isEmpty() && f.Label10->text().isEmpty());
        QVERIFY(f.Picture1->lines().isEmpty() && f.Picture2->lines().isEmpty());
        QCOMPARE(f.Picture1->textcursor(), QPoint(0, 0));
        QCOMPARE(int(f.numberkeys), 0);
        QVERIFY(!f.Command[12]->isEnabled());
        QCOMPARE(f.Command[5]->backcolor(), colour::blue);
        QCOMPARE(f.Command[13]->backcolor(), colour::red);
        QCOMPARE(int(f.plus), 2);
        QCOMPARE(int(f.minus), 1);
        QCOMPARE(int(f.keyplus), 3);
        QCOMPARE(int(f.keyminus), 1);
        QCOMPARE(int(f.pick), 7);
        QCOMPARE(f.entry, QStringLiteral("56"));
        QCOMPARE(f.newdigit, QStringLiteral("6"));
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
        f.iconframe = 0;
        for (int tick = 0; tick < 18; ++tick) {
            f.Timer1_Timer();
            QCOMPARE(f.windowHandle()->icon().cacheKey(), f.Image1[tick].cacheKey());
        }
        QCOMPARE(int(f.iconframe), 0);
        f.Timer1_Timer();
        QCOMPARE(int(f.iconframe), 1);
    }
};

QTEST_MAIN(Form1Layout)
#include "tst_form1_layout.moc"
