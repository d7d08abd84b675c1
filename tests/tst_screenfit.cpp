// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window opens wholly inside the available area of its screen, also where
// that area is smaller than the window (CTest runs this on a 1920 x 1080 screen
// at QT_SCALE_FACTOR=2 and 3, and on an 800 x 600 one): the help page then scrolls in
// a window that fits. A window that fits keeps its designed size exactly.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"

#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <functional>

using Opener = std::function<QWidget *(Form1 &)>;
Q_DECLARE_METATYPE(Opener)

class TestScreenFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setupformtests(); }
    void everyWindowOpensWhollyOnScreen_data();
    void everyWindowOpensWhollyOnScreen();
    void helpPageScrollsWhereItDoesNotFit();
};

void TestScreenFit::everyWindowOpensWhollyOnScreen_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QSize>("design"); // client size; the main window's client area and menu vary
    QTest::newRow("main window") << Opener([](Form1 &form) { return static_cast<QWidget *>(&form); }) << QSize();
    QTest::newRow("Help") << Opener([](Form1 &form) {
        form.help_Click();
        return static_cast<QWidget *>(form.helpwindow);
    }) << QSize(901, 546);
    QTest::newRow("About") << Opener([](Form1 &form) {
        form.about_Click();
        return static_cast<QWidget *>(form.aboutwindow);
    }) << QSize(210, 184);
    const auto outcome = [](numora::Outcome which, QPointer<dialogs::OutcomeDialog> Form1::*dialog) {
        return Opener([=](Form1 &form) {
            form.showoutcome(which, " You have lost! My number was : 1023");
            return static_cast<QWidget *>(form.*dialog);
        });
    };
    QTest::newRow("won") << outcome(numora::Outcome::won, &Form1::frmUwin) << QSize(272, 125);
    QTest::newRow("lost") << outcome(numora::Outcome::lost, &Form1::frmUlost) << QSize(287, 78);
    QTest::newRow("draw") << outcome(numora::Outcome::draw, &Form1::TSdraw) << QSize(186, 114);
}

void TestScreenFit::everyWindowOpensWhollyOnScreen()
{
    QFETCH(Opener, open);
    QFETCH(QSize, design);
    FormHarness harness;
    harness.form->show();
    QWidget *window = open(*harness.form);
    QVERIFY(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect available = window->screen()->availableGeometry();
    QVERIFY2(available.contains(window->frameGeometry()),
        qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                       .arg(window->frameGeometry().x())
                       .arg(window->frameGeometry().y())
                       .arg(window->frameGeometry().width())
                       .arg(window->frameGeometry().height())
                       .arg(available.width())
                       .arg(available.height())));
    if (design.isValid() && design.width() <= available.width() && design.height() + 40 <= available.height())
        QCOMPARE(window->size(), design);
}

// The page keeps its size and every part of it can be scrolled to.
void TestScreenFit::helpPageScrollsWhereItDoesNotFit()
{
    dialogs::Form2 help;
    help.show();
    const QSize page(901, 545);
    const QSize room = help.screen()->availableGeometry().size();
    if (page.width() <= room.width() && page.height() + 40 <= room.height())
        QSKIP("the page fits this screen");
    QCOMPARE(help.Picture1->size(), page);
    auto *scroller = help.findChild<QScrollArea *>();
    QVERIFY(scroller);
    QCOMPARE(scroller->geometry(), help.rect());
    const QSize seen = scroller->viewport()->size();
    QVERIFY(scroller->verticalScrollBar()->maximum() >= page.height() - seen.height());
    QVERIFY(scroller->horizontalScrollBar()->maximum() >= page.width() - seen.width());
}

QTEST_MAIN(TestScreenFit)
#include "tst_screenfit.moc"
