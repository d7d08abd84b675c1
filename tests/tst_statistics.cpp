// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The Statistics window: the record's figures, the chart of the rounds of won
// matches and the latest matches, as the eye and a screen reader get them;
// opened from the Game menu on the main window, clearing only once confirmed,
// whole on the screen at every scale in every language.

#include "dialogs/statistics.h"
#include "formtesting.h"
#include "platform/language.h"
#include "recordtesting.h"

#include <QAccessible>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>

namespace {

struct Recorded
{
    explicit Recorded(const QString &matches)
    {
        record.open();
        for (const QString &m : matches.split(QLatin1Char(' '), Qt::SkipEmptyParts))
            record.gameended(match(numora::Ending(QStringLiteral("wldca").indexOf(m.at(0))), m.mid(1).toInt()));
    }
    QTemporaryDir folder;
    record::Record record {folder.filePath(QStringLiteral("record.sqlite"))};
};

// A table as readers get it, a row a line, each cell by its accessible text.
QStringList readrows(QTableWidget *table, int most = 3)
{
    QAccessibleTableInterface *cells = QAccessible::queryAccessibleInterface(table)->tableInterface();
    QStringList rows;
    for (int row = 0; row < std::min(most, cells->rowCount()); ++row) {
        QStringList line;
        for (int column = 0; column < cells->columnCount(); ++column)
            line << cells->cellAt(row, column)->text(QAccessible::Name);
        rows << line.join(QLatin1Char('|'));
    }
    return rows;
}

// Answers the next message box with `answer` once it shows; notes its text.
void answerbox(std::function<void(QMessageBox *)> answer, QString *text)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [=] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text() + QLatin1Char(' ') + box->informativeText();
            poll->deleteLater();
            answer(box);
        }
    });
    poll->start(10);
}

} // namespace

class TestStatistics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setupformtests(); }
    void cleanup() { platform::uselanguage({}, QStringLiteral(NUMORA_QM_DIR)); }
    void figuresChartAndTableReadAsTheRecordHasThem_data();
    void figuresChartAndTableReadAsTheRecordHasThem();
    void theWindowFollowsTheRecordWhileOpen();
    void readersHearTheRowATableStandsOnAsItTakesTheFocus();
    void clearingTakesAConfirmation_data();
    void clearingTakesAConfirmation();
    void theGameMenuOpensItOnTheMainWindow();
    void itFitsTheScreenInEveryLanguage_data();
    void itFitsTheScreenInEveryLanguage();
};

void TestStatistics::figuresChartAndTableReadAsTheRecordHasThem_data()
{
    QTest::addColumn<QString>("matches"); // ending letter and rounds, in order
    QTest::addColumn<QStringList>("figures");
    QTest::addColumn<QString>("chart");
    QTest::addColumn<QStringList>("latest");
    QTest::newRow("none yet") << ""
                              << QStringList {"Matches played|0", "Won|0", "Lost|0", "Drawn|0",
                                     "Ended on contradictory answers|0", "Abandoned|0", "Win rate|none yet",
                                     "Current winning streak|0", "Longest winning streak|0",
                                     "Average rounds to win|none yet", "Fewest rounds to win|none yet"}
                              << "No match won yet." << QStringList();
    QTest::newRow("seven") << "w3 w6 c4 l5 a2 d6 w4"
                           << QStringList {"Matches played|7", "Won|3", "Lost|1", "Drawn|1",
                                  "Ended on contradictory answers|1", "Abandoned|1", "Win rate|42.9%",
                                  "Current winning streak|1", "Longest winning streak|2", "Average rounds to win|4.33",
                                  "Fewest rounds to win|3"}
                           << "Rounds 3, won 1. Rounds 4, won 1. Rounds 5, won 0. Rounds 6, won 1."
                           << QStringList {
                                  "You won|4|5260|not found", "Draw|6|5260|9613", "Left unfinished|2|5260|not found"};
}

void TestStatistics::figuresChartAndTableReadAsTheRecordHasThem()
{
    QFETCH(QString, matches);
    QFETCH(QStringList, figures);
    QFETCH(QString, chart);
    QFETCH(QStringList, latest);
    Recorded recorded(matches);
    dialogs::frmStatistics window(recorded.record);
    window.show();
    QCOMPARE(readrows(window.figures, 20), figures);
    QCOMPARE(window.chart->astext(), chart);
    const QAccessibleInterface *chartread = QAccessible::queryAccessibleInterface(window.chart);
    QCOMPARE(chartread->role(), QAccessible::Chart);
    QCOMPARE(chartread->text(QAccessible::Description), chart);
    QVERIFY(window.chart->focusPolicy() & Qt::TabFocus);
    QStringList rows = readrows(window.matches);
    for (QString &row : rows) { // the date is the time it was played, in the reader's words
        const QString date = row.section(QLatin1Char('|'), 0, 0);
        QVERIFY2(QLocale().toDateTime(date, QLocale::ShortFormat).secsTo(QDateTime::currentDateTime()) < 120,
            qPrintable(date));
        row = row.section(QLatin1Char('|'), 1);
    }
    QCOMPARE(rows, latest);
    QCOMPARE(window.clearbutton->isEnabled(), !latest.isEmpty());
    QCOMPARE(window.place->text(), QStringLiteral("Kept in ") + recorded.record.file());
}

void TestStatistics::theWindowFollowsTheRecordWhileOpen()
{
    QString many;
    for (int i = 0; i < dialogs::frmStatistics::shownmatches + 5; ++i)
        many += QStringLiteral("l%1 ").arg(3 + i % 5);
    Recorded recorded(many);
    dialogs::frmStatistics window(recorded.record);
    window.show();
    QCOMPARE(window.matches->rowCount(), dialogs::frmStatistics::shownmatches);
    recorded.record.gameended(match(numora::Ending::won, 5));
    QCOMPARE(readrows(window.figures, 1), QStringList {QStringLiteral("Matches played|106")});
    QCOMPARE(
        readrows(window.matches, 1).value(0).section(QLatin1Char('|'), 1), QStringLiteral("You won|5|5260|not found"));
    QCOMPARE(window.matches->rowCount(), dialogs::frmStatistics::shownmatches);
}

QStringList focused; // what readers were last told has the focus

void TestStatistics::readersHearTheRowATableStandsOnAsItTakesTheFocus()
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::Focus)
            focused << event->accessibleInterface()->text(QAccessible::Name);
    });
    Recorded recorded(QStringLiteral("w3 l4"));
    dialogs::frmStatistics window(recorded.record);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (QTableWidget *table : {window.figures, window.matches}) {
        window.tabs->setCurrentWidget(table == window.figures ? window.tabs->widget(0) : table);
        focused.clear();
        table->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(focused.value(focused.size() - 1), table->item(0, 0)->text());
    }
    QAccessible::installUpdateHandler(nullptr);
}

void TestStatistics::clearingTakesAConfirmation_data()
{
    QTest::addColumn<std::function<void(QMessageBox *)>>("answer");
    QTest::addColumn<qint64>("left");
    QTest::newRow("Esc") << std::function<void(QMessageBox *)>([](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Escape);
    }) << qint64(3);
    QTest::newRow("Enter, at first on Cancel")
        << std::function<void(QMessageBox *)>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); })
        << qint64(3);
    QTest::newRow("Clear Record") << std::function<void(QMessageBox *)>([](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            if (button->text() == QLatin1String("Clear Record"))
                button->click();
    }) << qint64(0);
}

void TestStatistics::clearingTakesAConfirmation()
{
    QFETCH(std::function<void(QMessageBox *)>, answer);
    QFETCH(qint64, left);
    Recorded recorded(QStringLiteral("w3 l4 w5"));
    dialogs::frmStatistics window(recorded.record);
    window.show();
    QString asked;
    answerbox(answer, &asked);
    QTest::mouseClick(window.clearbutton, Qt::LeftButton);
    QCOMPARE(asked, QStringLiteral("Clear all the matches on record (3)? The matches cannot be brought back."));
    QCOMPARE(recorded.record.summary().played, left);
    QCOMPARE(readrows(window.figures, 1), QStringList {QStringLiteral("Matches played|%1").arg(left)});
    QCOMPARE(window.matches->rowCount(), left);
}

void TestStatistics::theGameMenuOpensItOnTheMainWindow()
{
    FormHarness harness;
    const QMenu *game = harness.form->menuBar()->actions().at(0)->menu();
    QStringList items;
    for (const QAction *action : game->actions())
        items << action->text();
    QCOMPARE(items, QStringList({"&New", "S&tatistics...", "&Strength", "E&xit"}));
    QVERIFY(!harness.form->statistics->isEnabled()); // no record to show
    Recorded recorded(QStringLiteral("w4"));
    harness.form->setrecord(&recorded.record);
    harness.form->show();
    harness.form->statistics->trigger();
    QPointer<dialogs::frmStatistics> window = harness.form->statisticswindow;
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->parentWidget(), harness.form.get());
    QCOMPARE(window->windowHandle()->transientParent(), harness.form->windowHandle());
    harness.form->statistics->trigger();
    QCOMPARE(harness.form->statisticswindow, window); // the open one, raised
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window);
}

void TestStatistics::itFitsTheScreenInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "fr", "es", "it", "pt_BR", "ru"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// CTest runs this on a 1920 x 1080 screen at scales 1, 1.25, 2 and 2.5 and on a
// 1366 x 768 one at 2: the window lies wholly on the screen, its buttons and
// tabs whole inside it, the chart at least as large as it needs.
void TestStatistics::itFitsTheScreenInEveryLanguage()
{
    QFETCH(QString, language);
    platform::uselanguage({language}, QStringLiteral(NUMORA_QM_DIR));
    Recorded recorded(QStringLiteral("w3 l5 w4 c6 a2 d7 w5 w8 l6"));
    FormHarness harness;
    harness.form->show();
    dialogs::frmStatistics window(recorded.record, harness.form.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(available.contains(window.frameGeometry()),
        qPrintable(QStringLiteral("%1 x %2 on %3 x %4")
                       .arg(window.frameGeometry().width())
                       .arg(window.frameGeometry().height())
                       .arg(available.width())
                       .arg(available.height())));
    QStringList cut;
    for (QPushButton *button : window.findChildren<QPushButton *>())
        if (button->isVisible()
            && (button->width() < button->sizeHint().width()
                || !window.rect().contains(QRect(button->mapTo(&window, QPoint()), button->size()))))
            cut << button->text();
    const QRect tabs = window.tabs->tabBar()->rect();
    for (int tab = 0; tab < window.tabs->count(); ++tab)
        if (!tabs.contains(window.tabs->tabBar()->tabRect(tab)))
            cut << window.tabs->tabText(tab);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(','))));
    QVERIFY(window.chart->width() >= window.chart->minimumSizeHint().width());
    QVERIFY(window.chart->height() >= window.chart->minimumSizeHint().height());
}

QTEST_MAIN(TestStatistics)
#include "tst_statistics.moc"
