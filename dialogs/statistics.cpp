// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/statistics.h"

#include "dialogs/programicon.h"
#include "platform/runtime.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

namespace dialogs {

namespace {

// The player's side has the blue of its pad.
const QColor barcolour(128, 128, 255);
const QColor barline(0, 0, 128);

// A chart is a picture to the eye; readers are given its numbers.
class ChartAccessible : public QAccessibleWidget
{
public:
    explicit ChartAccessible(RoundsChart *chart) : QAccessibleWidget(chart, QAccessible::Chart) { }
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Description)
            return static_cast<RoundsChart *>(widget())->astext();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface *chartfactory(const QString &classname, QObject *object)
{
    if (classname == QLatin1String("dialogs::RoundsChart") && object && object->isWidgetType())
        return new ChartAccessible(static_cast<RoundsChart *>(object));
    return nullptr;
}

// A table read a row at a time. Readers hear the row the table stands on as
// it takes the focus, not only once the player moves: told after the table's
// own focus, which readers are told of last otherwise.
class RowTable : public QTableWidget
{
public:
    RowTable(int columns, QWidget *parent) : QTableWidget(0, columns, parent) { }

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        QTableWidget::focusInEvent(event); // makes the first row current where none was
        QTimer::singleShot(0, this, [this] {
            QAccessibleInterface *view
                = QAccessible::isActive() && hasFocus() ? QAccessible::queryAccessibleInterface(this) : nullptr;
            if (!view || !view->tableInterface() || !currentIndex().isValid())
                return;
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(view->indexOfChild(view->tableInterface()->cellAt(currentRow(), currentColumn())));
            QAccessible::updateAccessibility(&focus);
        });
    }
};

QTableWidget *maketable(int columns, QWidget *parent)
{
    auto *table = new RowTable(columns, parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false); // Tab leaves the table, arrows move in it
    table->setWordWrap(false);
    table->setCornerButtonEnabled(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    return item;
}


// The words of an ending, as the table shows them.
QString endingtext(numora::Ending ending)
{
    switch (ending) {
    case numora::Ending::won:
        return QCoreApplication::translate("dialogs::frmStatistics", "You won");
    case numora::Ending::lost:
        return QCoreApplication::translate("dialogs::frmStatistics", "You lost");
    case numora::Ending::draw:
        return QCoreApplication::translate("dialogs::frmStatistics", "Draw");
    case numora::Ending::contradiction:
        return QCoreApplication::translate("dialogs::frmStatistics", "Contradictory answers");
    case numora::Ending::abandoned:
        break;
    }
    return QCoreApplication::translate("dialogs::frmStatistics", "Left unfinished");
}

} // namespace

QString strengthtext(numora::Strength strength)
{
    switch (strength) {
    case numora::Strength::easy:
        return QCoreApplication::translate("dialogs::frmStatistics", "Easy");
    case numora::Strength::expert:
        return QCoreApplication::translate("dialogs::frmStatistics", "Expert");
    case numora::Strength::normal:
        break;
    }
    return QCoreApplication::translate("dialogs::frmStatistics", "Normal");
}

// ---------------------------------------------------------------- the chart

RoundsChart::RoundsChart(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(chartfactory), true);
    (void)installed;
    setFocusPolicy(Qt::StrongFocus); // readers reach it by Tab
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void RoundsChart::setwins(const QList<QPair<int, qint64>> &winsbyrounds)
{
    bars.clear();
    if (!winsbyrounds.isEmpty()) {
        int next = winsbyrounds.constFirst().first;
        for (const auto &[rounds, count] : winsbyrounds) {
            for (; next < rounds; ++next)
                bars.append({next, 0});
            bars.append({rounds, count});
            next = rounds + 1;
        }
    }
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

QString RoundsChart::astext() const
{
    if (bars.isEmpty())
        return tr("No match won yet.");
    QStringList parts;
    for (const auto &[rounds, count] : bars)
        parts << tr("Rounds %1, won %2").arg(QLocale().toString(rounds), QLocale().toString(count));
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QSize RoundsChart::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(QLatin1Char('0')) * 36, metrics.height() * 9);
}

QSize RoundsChart::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(QLatin1Char('0')) * 16, metrics.height() * 5);
}

void RoundsChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect area = rect().adjusted(4, 4, -4, -4);
    painter.setPen(palette().color(QPalette::Text));
    if (bars.isEmpty()) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, tr("No match won yet."));
    } else {
        qint64 most = 1;
        for (const auto &bar : bars)
            most = std::max(most, bar.second);
        // A line for the counts above the bars and one for the rounds beneath.
        const int line = metrics.height();
        const QRect plot = area.adjusted(0, line, 0, -line - 2);
        const int slot = std::max(1, plot.width() / int(bars.size()));
        const int width = std::max(1, std::min(slot * 2 / 3, metrics.horizontalAdvance(QLatin1Char('0')) * 6));
        const QLocale locale;
        for (int i = 0; i < int(bars.size()); ++i) {
            const auto [rounds, count] = bars.at(i);
            const int x = plot.left() + i * slot + (slot - width) / 2;
            const int height = int(double(plot.height()) * double(count) / double(most));
            const QRect bar(x, plot.bottom() + 1 - height, width, height);
            if (height > 0) {
                painter.fillRect(bar, barcolour);
                painter.setPen(barline);
                painter.drawRect(bar.adjusted(0, 0, -1, -1));
            }
            painter.setPen(palette().color(QPalette::Text));
            const QRect column(plot.left() + i * slot, 0, slot, line);
            painter.drawText(column.translated(0, bar.top() - line), Qt::AlignCenter, locale.toString(count));
            painter.drawText(column.translated(0, plot.bottom() + 2), Qt::AlignCenter, locale.toString(rounds));
        }
        painter.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// ---------------------------------------------------------------- the window

frmStatistics::frmStatistics(record::Record &record, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      record(record)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(tr("Statistics"));
    setWindowIcon(programicon());
    setSizeGripEnabled(true);

    note = new QLabel(this);
    note->setWordWrap(true);
    note->hide();

    tabs = new QTabWidget(this);
    auto *summary = new QWidget;
    figures = maketable(2, summary);
    figures->horizontalHeader()->hide();
    figures->horizontalHeader()->setStretchLastSection(false); // as wide as its words, the chart takes the rest
    figures->setShowGrid(false);
    figures->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents); // every figure in sight where there is room
    figures->setAccessibleName(tr("Figures"));
    auto *group = new QGroupBox(tr("Rounds of won matches"), summary);
    chart = new RoundsChart(group);
    chart->setAccessibleName(group->title());
    auto *grouplayout = new QVBoxLayout(group);
    grouplayout->addWidget(chart);
    auto *summarylayout = new QHBoxLayout(summary);
    summarylayout->addWidget(figures);
    summarylayout->addWidget(group, 1);
    tabs->addTab(summary, tr("&Summary"));

    matches = maketable(5, nullptr);
    matches->setHorizontalHeaderLabels(
        {tr("Date"), tr("Outcome"), tr("Rounds"), tr("Computer's number"), tr("Your number")});
    matches->setAccessibleName(tr("Last matches"));
    tabs->addTab(matches, tr("&Last matches"));

    place = new QLabel(this);
    place->setTextFormat(Qt::PlainText);
    place->setText(tr("Kept in %1").arg(QDir::toNativeSeparators(record.file())));
    place->setToolTip(QDir::toNativeSeparators(record.file()));
    place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    place->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // a long path never widens the window

    clearbutton = new QPushButton(tr("Clea&r Record..."), this);
    clearbutton->setAutoDefault(false);
    connect(clearbutton, &QPushButton::clicked, this, &frmStatistics::clear_Click);
    closebutton = new QPushButton(tr("&Close"), this);
    closebutton->setDefault(true);
    connect(closebutton, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clearbutton);
    buttons->addStretch(1);
    buttons->addWidget(closebutton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(tabs, 1);
    layout->addWidget(place);
    layout->addLayout(buttons);

    connect(&record, &record::Record::changed, this, &frmStatistics::refresh);
    refresh();
    resize(sizeHint().expandedTo(QSize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 80, 0)));
}

void frmStatistics::refresh()
{
    const record::Summary s = record.summary();
    const QLocale locale;
    const QString none = QStringLiteral("\u2013");
    const auto count = [&](qint64 n) { return locale.toString(n); };
    const QList<QPair<QString, QString>> rows {
        {tr("Matches played"), count(s.played)},
        {tr("Won"), count(s.won)},
        {tr("Lost"), count(s.lost)},
        {tr("Drawn"), count(s.drawn)},
        {tr("Ended on contradictory answers"), count(s.contradicted)},
        {tr("Abandoned"), count(s.abandoned)},
        {tr("Win rate"),
            s.played ? tr("%1%").arg(locale.toString(100.0 * double(s.won) / double(s.played), 'f', 1)) : none},
        {tr("Current winning streak"), count(s.currentstreak)},
        {tr("Longest winning streak"), count(s.longeststreak)},
        {tr("Average rounds to win"), s.won ? locale.toString(s.averagerounds, 'f', 2) : none},
        {tr("Fewest rounds to win"), s.won ? locale.toString(s.bestrounds) : none},
    };
    figures->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        figures->setItem(row, 0, cell(rows[row].first));
        QTableWidgetItem *value = cell(rows[row].second, Qt::AlignRight | Qt::AlignVCenter);
        if (rows[row].second == none)
            value->setData(Qt::AccessibleTextRole, tr("none yet"));
        figures->setItem(row, 1, value);
    }
    figures->resizeColumnsToContents();
    chart->setwins(s.winsbyrounds);

    const QList<record::Match> last = record.lastmatches(shownmatches);
    matches->setRowCount(int(last.size()));
    for (int row = 0; row < int(last.size()); ++row) {
        const record::Match &m = last[row];
        matches->setItem(row, 0, cell(locale.toString(m.ended.toLocalTime(), QLocale::ShortFormat)));
        matches->setItem(row, 1, cell(endingtext(m.ending)));
        matches->setItem(row, 2, cell(locale.toString(m.rounds), Qt::AlignRight | Qt::AlignVCenter));
        matches->setItem(row, 3, cell(m.mynumber));
        QTableWidgetItem *yours = cell(m.yournumber.isEmpty() ? none : m.yournumber);
        if (m.yournumber.isEmpty())
            yours->setData(Qt::AccessibleTextRole, tr("not found"));
        matches->setItem(row, 4, yours);
        if (m.strength != numora::Strength::normal)
            matches->item(row, 1)->setToolTip(tr("Strength: %1").arg(strengthtext(m.strength)));
    }
    matches->resizeColumnsToContents();

    if (!s.readable)
        note->setText(tr("The record cannot be read."));
    else if (record.newer())
        note->setText(tr("This record was written by a newer version of Numora: it is shown here, but the matches "
                         "you play now are not added to it."));
    else if (record.unsaved() > 0)
        note->setText(tr("Matches of this session not saved yet: %1.").arg(QLocale().toString(record.unsaved())));
    else
        note->clear();
    note->setVisible(!note->text().isEmpty());
    clearbutton->setEnabled(s.readable && s.played > 0 && !record.newer());
}

void frmStatistics::clear_Click()
{
    const qint64 played = record.summary().played;
    QMessageBox ask(QMessageBox::Warning, platform::apptitle,
        tr("Clear all the matches on record (%1)?").arg(QLocale().toString(played)), QMessageBox::NoButton, this);
    ask.setInformativeText(tr("The matches cannot be brought back."));
    QPushButton *clear = ask.addButton(tr("Clear Record"), QMessageBox::DestructiveRole);
    QPushButton *keep = ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(keep);
    ask.setEscapeButton(keep);
    ask.exec();
    if (ask.clickedButton() != clear)
        return;
    if (!record.clear()) {
        QMessageBox::warning(this, platform::apptitle, tr("The record could not be cleared: it cannot be written."));
        return;
    }
    refresh();
}

void frmStatistics::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (placed || event->spontaneous())
        return;
    placed = true;
    // Over the main window, wholly on its screen, as small as the screen needs.
    QWidget *owner = parentWidget();
    const QScreen *screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    resize(size().boundedTo(platform::roomonscreen(this, screen)));
    QRect frame = frameGeometry();
    frame.moveCenter(owner ? owner->frameGeometry().center() : screen->availableGeometry().center());
    move(platform::keptinside(frame, screen->availableGeometry()).topLeft());
}

// ---------------------------------------------------------------- the record's troubles

void tellrecordproblem(QWidget *owner, const record::Problem &problem)
{
    const QString file = QDir::toNativeSeparators(problem.file);
    QString heading, details;
    switch (problem.trouble) {
    case record::Trouble::cannotsave: {
        heading = QCoreApplication::translate("dialogs::RecordProblem", "Your matches cannot be saved.");
        QString why;
        switch (problem.cause) {
        case record::Cause::readonly:
            why = QCoreApplication::translate("dialogs::RecordProblem", "The folder or the file may not be written.");
            break;
        case record::Cause::full:
            why = QCoreApplication::translate("dialogs::RecordProblem", "The disk is full.");
            break;
        case record::Cause::writefailed:
            why = QCoreApplication::translate("dialogs::RecordProblem", "The disk refused to write.");
            break;
        case record::Cause::busy:
            why = QCoreApplication::translate("dialogs::RecordProblem", "Another program keeps the record locked.");
            break;
        case record::Cause::other:
            why = QCoreApplication::translate("dialogs::RecordProblem", "The record cannot be opened or written.");
            break;
        }
        details = QCoreApplication::translate("dialogs::RecordProblem",
            "Numora keeps its record of matches in %1. %2 You can go on playing: the matches of this session are "
            "kept and saved as soon as the record can be written again, but they are lost if Numora ends before.")
                      .arg(file, why);
        break;
    }
    case record::Trouble::setaside:
        heading = QCoreApplication::translate("dialogs::RecordProblem", "Your record of matches could not be read.");
        details = QCoreApplication::translate("dialogs::RecordProblem",
            "The file %1 was damaged or is not Numora's. It has been kept, unchanged, as %2, and a new record has "
            "been started.")
                      .arg(file, QDir::toNativeSeparators(problem.aside));
        break;
    case record::Trouble::newer:
        heading = QCoreApplication::translate(
            "dialogs::RecordProblem", "Your record of matches was written by a newer version of Numora.");
        details = QCoreApplication::translate("dialogs::RecordProblem",
            "This version shows the record in %1 but does not change it: the matches you play now are not saved.")
                      .arg(file);
        break;
    }
    if (!problem.detail.isEmpty())
        details += QStringLiteral("\n\n") + problem.detail;
    const QPointer<QWidget> window = owner;
    const auto show = [window, heading, details] {
        QMessageBox box(QMessageBox::Warning, platform::apptitle, heading, QMessageBox::Ok, window);
        box.setInformativeText(details);
        box.exec();
    };
    if (owner && owner->isVisible())
        show();
    else
        QTimer::singleShot(0, owner ? static_cast<QObject *>(owner) : qApp, show);
}

} // namespace dialogs
