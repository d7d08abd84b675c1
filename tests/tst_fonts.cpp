// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game on a machine without the faces its windows were laid out for: CTest
// runs this with FONTCONFIG_FILE=noliberation.conf, which offers DejaVu alone.
// The game brings Liberation with it, so every text of every window is set in
// the face it was measured in (and tst_l10n, run under the same file, finds
// every caption whole).

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

namespace {

// Every face a text of the window is drawn in that is not Liberation: captions,
// displays, history boxes and row scales, and each run of the help page's text.
QStringList foreignfaces(QWidget *window)
{
    QStringList faults;
    const auto check = [&faults](const QFont &font, const QString &what) {
        const QString family = QFontInfo(font).family();
        if (!family.startsWith(QLatin1String("Liberation")))
            faults << QStringLiteral("%1 in %2").arg(what, family);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets << window;
    for (QWidget *widget : widgets) {
        QString what = QString::fromLatin1(widget->metaObject()->className());
        if (auto *label = qobject_cast<QLabel *>(widget))
            what = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            what = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(widget))
            what = frame->title();
        check(widget->font(), QStringLiteral("'%1'").arg(what));
        if (auto *page = qobject_cast<QTextBrowser *>(widget))
            for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next())
                for (auto run = block.begin(); !run.atEnd(); ++run)
                    check(run.fragment().charFormat().font(), QStringLiteral("'%1'").arg(run.fragment().text()));
    }
    return faults;
}

} // namespace

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    // Without this the rows below would prove nothing.
    void initTestCase()
    {
        const QStringList families = QFontDatabase::families();
        QVERIFY2(families.filter(QStringLiteral("Liberation")).isEmpty(),
            "Liberation is visible: run with FONTCONFIG_FILE=noliberation.conf");
        QVERIFY2(families.contains(QStringLiteral("DejaVu Sans")), qPrintable(families.join(QLatin1Char(','))));
        setupformtests();
    }

    void everyWindowKeepsTheFacesItWasLaidOutFor_data();
    void everyWindowKeepsTheFacesItWasLaidOutFor();
    void messageBoxesKeepTheWindowFont_data();
    void messageBoxesKeepTheWindowFont();
};

void TestFonts::everyWindowKeepsTheFacesItWasLaidOutFor_data()
{
    QTest::addColumn<std::function<QWidget *(Form1 &)>>("open");
    QTest::newRow("main window") << std::function<QWidget *(Form1 &)>([](Form1 &form) { return &form; });
    QTest::newRow("Help") << std::function<QWidget *(Form1 &)>([](Form1 &form) {
        form.help_Click();
        return static_cast<QWidget *>(form.helpwindow);
    });
    QTest::newRow("About") << std::function<QWidget *(Form1 &)>([](Form1 &form) {
        form.about_Click();
        return static_cast<QWidget *>(form.aboutwindow);
    });
    const auto outcome
        = [](numora::Outcome which, const char *caption, QPointer<dialogs::OutcomeDialog> Form1::*dialog) {
              return std::function<QWidget *(Form1 &)>([=](Form1 &form) {
                  form.showoutcome(which, caption);
                  return static_cast<QWidget *>(form.*dialog);
              });
          };
    QTest::newRow("won") << outcome(numora::Outcome::won, "", &Form1::frmUwin);
    QTest::newRow("lost") << outcome(numora::Outcome::lost, " You have lost! My number was : 1023", &Form1::frmUlost);
    QTest::newRow("draw") << outcome(numora::Outcome::draw, "", &Form1::TSdraw);
}

void TestFonts::everyWindowKeepsTheFacesItWasLaidOutFor()
{
    QFETCH(std::function<QWidget *(Form1 &)>, open);
    FormHarness harness;
    harness.form->show();
    QWidget *window = open(*harness.form);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    const QStringList faults = foreignfaces(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void TestFonts::messageBoxesKeepTheWindowFont_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("tried before") << QStringLiteral("You have tried that number before!");
    QTest::newRow("inconsistent answers") << QString::fromLatin1(numora::wrongsignstext);
}

void TestFonts::messageBoxesKeepTheWindowFont()
{
    QFETCH(QString, text);
    FormHarness harness;
    harness.form->show();
    platform::hooks().messagebox = nullptr; // the real box this time
    QStringList faults;
    bool seen = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        faults = foreignfaces(box);
        for (QLabel *label : box->findChildren<QLabel *>())
            if (!label->text().isEmpty() && label->heightForWidth(label->width()) > label->height())
                faults << QStringLiteral("'%1' cut short").arg(label->text());
        box->accept();
    });
    answer.start(10);
    platform::messagebox(harness.form.get(), text);
    QVERIFY(seen);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
