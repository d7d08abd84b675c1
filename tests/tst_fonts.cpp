// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text of every window is set in the face it was measured in. With the
// fonts built in, CTest runs this with FONTCONFIG_FILE=noliberation.conf, which
// offers DejaVu alone: the game brings Liberation with it (and tst_l10n, run
// under the same file, finds every caption whole). Built without them
// (NUMORA_BUNDLED_FONTS off), it runs with the system's fonts, which must hold
// them: on Debian, fonts-liberation2.

#include "dialogs/about.h"
#include "dialogs/outcomes.h"
#include "formtesting.h"

#include <QAbstractButton>
#include <QDir>
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
#if NUMORA_BUNDLED_FONTS
        const QStringList families = QFontDatabase::families();
        QVERIFY2(families.filter(QStringLiteral("Liberation")).isEmpty(),
            "Liberation is visible: run with FONTCONFIG_FILE=noliberation.conf");
        QVERIFY2(families.contains(QStringLiteral("DejaVu Sans")), qPrintable(families.join(QLatin1Char(','))));
#else
        QVERIFY2(!QDir(QStringLiteral(":/fonts")).exists(), "the fonts are built in after all");
#endif
        setupformtests();
    }

    void everyFaceOfTheWindowsIsFound_data();
    void everyFaceOfTheWindowsIsFound();

    void everyWindowKeepsTheFacesItWasLaidOutFor_data();
    void everyWindowKeepsTheFacesItWasLaidOutFor();
    void messageBoxesKeepTheWindowFont_data();
    void messageBoxesKeepTheWindowFont();
};

// The five faces the windows use, each in its own style rather than made up
// from another (a slanted or thickened regular draws wider).
void TestFonts::everyFaceOfTheWindowsIsFound_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("style");
    QTest::newRow("captions") << QStringLiteral("Liberation Sans") << QStringLiteral("Regular");
    QTest::newRow("bold captions") << QStringLiteral("Liberation Sans") << QStringLiteral("Bold");
    QTest::newRow("help headings") << QStringLiteral("Liberation Serif") << QStringLiteral("Bold");
    QTest::newRow("help's wish") << QStringLiteral("Liberation Serif") << QStringLiteral("Bold Italic");
    QTest::newRow("help's signs") << QStringLiteral("Liberation Mono") << QStringLiteral("Bold");
}

void TestFonts::everyFaceOfTheWindowsIsFound()
{
    QFETCH(QString, family);
    QFETCH(QString, style);
    const QStringList styles = QFontDatabase::styles(family);
    QVERIFY2(
        styles.contains(style), qPrintable(QStringLiteral("%1 has %2").arg(family, styles.join(QLatin1Char(',')))));
}

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
