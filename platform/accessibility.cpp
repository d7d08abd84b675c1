// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/accessibility.h"

#include "platform/colourbutton.h"
#include "platform/display.h"
#include "platform/picturebox.h"
#include "platform/rowscale.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QSet>

#include <vector>

namespace platform {

namespace {

QHash<const QObject *, LineReader> &readers()
{
    static QHash<const QObject *, LineReader> table;
    return table;
}

QSet<const QObject *> &exclusive()
{
    static QSet<const QObject *> set;
    return set;
}

// What a window tells readers wherever the focus is: one notification per
// window, shown afresh with each piece of news. It stands in no list of
// children, so nothing leads a reader to it but its showing.
class Notice : public QAccessibleInterface
{
public:
    explicit Notice(QWidget *window, QAccessibleInterface *line = nullptr) : owner(window), line(line) { }

    bool isValid() const override { return !owner.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return owner ? owner->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return line ? line : QAccessible::queryAccessibleInterface(owner.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text which) const override { return which == QAccessible::Name ? news : QString(); }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return QAccessible::State(); }

    QString news;

private:
    QPointer<QWidget> owner;
    QAccessibleInterface *line;
};

// The status line a notice of say() stands in: readers speak a notification
// there as it is, without calling it one. In no list of children either.
class StatusLine : public QAccessibleInterface
{
public:
    explicit StatusLine(QWidget *window) : owner(window) { }

    bool isValid() const override { return !owner.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return owner ? owner->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(owner.data()); }
    QAccessibleInterface *child(int index) const override
    {
        return index >= 0 && index < int(notices.size()) ? QAccessible::accessibleInterface(notices[index]) : nullptr;
    }
    int childCount() const override { return int(notices.size()); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (size_t i = 0; i < notices.size(); ++i)
            if (child && child == QAccessible::accessibleInterface(notices[i]))
                return int(i);
        return -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text) const override { return QString(); }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return QAccessible::State(); }

    // Taken in turn: a reader that reads a notice's words late, or drops an
    // event on an object that another follows, still hears each piece of news.
    std::vector<QAccessible::Id> notices;
    size_t next = 0;

private:
    QPointer<QWidget> owner;
};

QHash<const QObject *, QAccessible::Id> &notices()
{
    static QHash<const QObject *, QAccessible::Id> table;
    return table;
}

QSet<const QObject *> &panels()
{
    static QSet<const QObject *> set;
    return set;
}

QHash<const QObject *, QPointer<QWidget>> &labelled()
{
    static QHash<const QObject *, QPointer<QWidget>> table;
    return table;
}

// Text that readers can read but not change: no caret, no selection.
class ReadOnlyText : public QAccessibleTextInterface
{
public:
    virtual QString plain() const = 0;

    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int start, int end) const override { return plain().mid(start, end - start); }
    int characterCount() const override { return int(plain().size()); }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }
};

// A widget that shows rows of text one under the other at the height of a line
// of its font: a list with an item per row. Not text as well: a reader's flat
// review would then read every row twice, once per item and once per line.
class RowsAccessible : public QAccessibleWidget
{
public:
    RowsAccessible(QWidget *widget, std::function<QStringList()> readrows)
        : QAccessibleWidget(widget, QAccessible::List), readrows(std::move(readrows))
    { }
    ~RowsAccessible() override { forgetitems(0); }

    QStringList rows() const { return readrows(); }
    QString rowtext(int row) const
    {
        const QStringList all = rows();
        return row >= 0 && row < all.size() ? all[row] : QString();
    }
    // Where row `row` is drawn, on the screen.
    QRect rowrect(int row) const
    {
        const QRect inside = static_cast<QFrame *>(widget())->contentsRect();
        const int height = QFontMetrics(widget()->font()).height();
        const QRect band(inside.left(), inside.top() + row * height, inside.width(), height);
        return QRect(widget()->mapToGlobal(band.topLeft()), band.size());
    }
    // Items for rows `first` and on are gone: readers hear which rows `was`
    // held, then they are deleted.
    void forgetitems(int first, const QStringList &was = {});

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    int childCount() const override { return int(rows().size()); }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (QAccessible::accessibleInterface(items[i]) == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        for (int row = 0; row < childCount(); ++row)
            if (rowrect(row).contains(x, y))
                return child(row);
        return nullptr;
    }

private:
    std::function<QStringList()> readrows;
    mutable std::vector<QAccessible::Id> items; // made as readers ask for them
};

class RowItem : public QAccessibleInterface
{
public:
    RowItem(RowsAccessible *list, int row) : list(list), row(row) { }

    bool isValid() const override { return list->isValid(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return list->window(); }
    QAccessibleInterface *parent() const override { return list; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text which) const override
    {
        if (which != QAccessible::Name)
            return QString();
        return gone.isNull() ? list->rowtext(row) : gone;
    }
    void setText(QAccessible::Text, const QString &) override { }
    QRect rect() const override { return list->rowrect(row); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = list->state().invisible;
        return state;
    }

    QString gone; // what the row held, once it is going

private:
    RowsAccessible *list;
    int row;
};

void RowsAccessible::forgetitems(int first, const QStringList &was)
{
    while (int(items.size()) > first) {
        const QAccessible::Id id = items.back();
        items.pop_back();
        if (!was.isEmpty()) {
            auto *item = static_cast<RowItem *>(QAccessible::accessibleInterface(id));
            item->gone = was.value(int(items.size()), QStringLiteral(""));
            QAccessibleEvent event(item, QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&event);
        }
        QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface *RowsAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (int(items.size()) <= index)
        items.push_back(QAccessible::registerAccessibleInterface(
            new RowItem(const_cast<RowsAccessible *>(this), int(items.size()))));
    return QAccessible::accessibleInterface(items[index]);
}

QStringList spokenlines(const PictureBox *box, const QStringList &printed)
{
    const LineReader reader = readers().value(box);
    if (!reader)
        return printed;
    QStringList spoken;
    for (const QString &line : printed)
        spoken << reader(line);
    return spoken;
}

// A push button that may stand for a choice: then it is checkable, and checked
// while the choice is in force.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(ColourButton *button) : QAccessibleWidget(button, QAccessible::Button) { }
    ColourButton *button() const { return static_cast<ColourButton *>(widget()); }

    // Readers speak the checked state of radio buttons and check boxes, not of
    // push buttons.
    QAccessible::Role role() const override
    {
        if (!button()->choosable())
            return QAccessible::Button;
        return exclusive().contains(button()) ? QAccessible::RadioButton : QAccessible::CheckBox;
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && button()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        if (which == QAccessible::Accelerator)
            return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        state.defaultButton = button()->isDefault();
        state.checkable = button()->choosable();
        state.checked = button()->ischosen();
        return state;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == pressAction()) {
            if (button()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
    QStringList keyBindingsForAction(const QString &name) const override
    {
        const QString key = text(QAccessible::Accelerator);
        return name == pressAction() && !key.isEmpty() ? QStringList {key} : QStringList();
    }
};

class DisplayAccessible : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit DisplayAccessible(Display *display) : QAccessibleWidget(display, QAccessible::StaticText) { }
    Display *display() const { return static_cast<Display *>(widget()); }

    using ReadOnlyText::text; // the text interface's text(start, end) beside this one
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name)
            return display()->reading();
        if (which == QAccessible::Value)
            return display()->text();
        return QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString plain() const override { return display()->text(); }
    QRect characterRect(int offset) const override
    {
        return offset >= 0 && offset < characterCount() ? rect() : QRect();
    }
    int offsetAtPoint(const QPoint &point) const override { return rect().contains(point) ? 0 : -1; }
};

// A label that labels another widget: its text, and the relation.
class LabelAccessible : public QAccessibleWidget
{
public:
    explicit LabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) { }
    QLabel *label() const { return static_cast<QLabel *>(widget()); }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && label()->accessibleName().isEmpty())
            return label()->text().trimmed();
        return QAccessibleWidget::text(which);
    }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override
    {
        auto found = QAccessibleWidget::relations(match);
        const QPointer<QWidget> target = labelled().value(label());
        if (target && (match & QAccessible::Label))
            if (QAccessibleInterface *other = QAccessible::queryAccessibleInterface(target))
                found.append({other, QAccessible::Label});
        return found;
    }
};

QHash<const QObject *, std::function<QString()>> &spokentexts()
{
    static QHash<const QObject *, std::function<QString()>> table;
    return table;
}

// Rich text for the ear: a static text whose name is the words to say.
class SpokenText : public QAccessibleWidget
{
public:
    explicit SpokenText(QWidget *widget) : QAccessibleWidget(widget, QAccessible::StaticText) { }
    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name) {
            const auto reader = spokentexts().value(widget());
            return reader ? reader() : QString();
        }
        if (which == QAccessible::Description) // the reader's words hold it where it belongs
            return QString();
        return QAccessibleWidget::text(which);
    }
    // Labelled by its window's title: read when it has the focus, not again
    // among a window's loose texts.
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QAccessibleInterface *window = QAccessible::queryAccessibleInterface(widget()->window()))
                found.append({window, QAccessible::Labelled});
        return found;
    }
};

QAccessibleInterface *factory(const QString &classname, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (spokentexts().contains(object))
        return new SpokenText(static_cast<QWidget *>(object));
    if (classname == QLatin1String("QFrame") && panels().contains(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
    if (classname == QLatin1String("QLabel") && labelled().contains(object))
        return new LabelAccessible(static_cast<QLabel *>(object));
    if (classname == QLatin1String("platform::PictureBox")) {
        auto *box = static_cast<PictureBox *>(object);
        return new RowsAccessible(box, [box] { return spokenlines(box, box->lines()); });
    }
    if (classname == QLatin1String("platform::RowScale")) {
        auto *scale = static_cast<RowScale *>(object);
        return new RowsAccessible(scale, [scale] { return scale->rows(); });
    }
    if (classname == QLatin1String("platform::ColourButton"))
        return new ButtonAccessible(static_cast<ColourButton *>(object));
    if (classname == QLatin1String("platform::Display"))
        return new DisplayAccessible(static_cast<Display *>(object));
    return nullptr;
}

} // namespace

void installaccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(factory);
}

void readlinesas(PictureBox *box, LineReader reader)
{
    readers().insert(box, std::move(reader));
    QObject::connect(box, &QObject::destroyed, [key = static_cast<const QObject *>(box)] { readers().remove(key); });
}

void describe(QWidget *widget, const QString &news)
{
    widget->setAccessibleDescription(news);
}

void announce(QWidget *widget, const QString &news)
{
    describe(widget, news);
    if (news.isEmpty() || !QAccessible::isActive())
        return;
    QWidget *window = widget->window();
    QAccessible::Id &id = notices()[window];
    if (!id) {
        id = QAccessible::registerAccessibleInterface(new Notice(window));
        QObject::connect(window, &QObject::destroyed, [key = static_cast<const QObject *>(window)] {
            QAccessible::deleteAccessibleInterface(notices().take(key));
        });
    }
    auto *notice = static_cast<Notice *>(QAccessible::accessibleInterface(id));
    notice->news = news;
    // Readers speak a notification as it is shown.
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void say(QWidget *window, const QString &news)
{
    if (news.isEmpty() || !QAccessible::isActive())
        return;
    window = window->window();
    static QHash<const QObject *, QAccessible::Id> lines;
    QAccessible::Id &id = lines[window];
    if (!id) {
        auto *line = new StatusLine(window);
        id = QAccessible::registerAccessibleInterface(line);
        for (int n = 0; n < 8; ++n)
            line->notices.push_back(QAccessible::registerAccessibleInterface(new Notice(window, line)));
        QObject::connect(window, &QObject::destroyed, [key = static_cast<const QObject *>(window)] {
            const QAccessible::Id gone = lines.take(key);
            for (QAccessible::Id notice : static_cast<StatusLine *>(QAccessible::accessibleInterface(gone))->notices)
                QAccessible::deleteAccessibleInterface(notice);
            QAccessible::deleteAccessibleInterface(gone);
        });
    }
    auto *line = static_cast<StatusLine *>(QAccessible::accessibleInterface(id));
    auto *notice = static_cast<Notice *>(QAccessible::accessibleInterface(line->notices[line->next]));
    line->next = (line->next + 1) % line->notices.size();
    notice->news = news;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void oneofaset(ColourButton *button)
{
    exclusive().insert(button);
    QObject::connect(
        button, &QObject::destroyed, [key = static_cast<const QObject *>(button)] { exclusive().remove(key); });
}

void readaspanel(QWidget *widget)
{
    panels().insert(widget);
    QObject::connect(
        widget, &QObject::destroyed, [key = static_cast<const QObject *>(widget)] { panels().remove(key); });
    if (QAccessible::isActive())
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
            made && made->role() != QAccessible::Pane)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void readtextas(QWidget *widget, std::function<QString()> reader)
{
    spokentexts().insert(widget, std::move(reader));
    QObject::connect(
        widget, &QObject::destroyed, [key = static_cast<const QObject *>(widget)] { spokentexts().remove(key); });
    if (QAccessible::isActive()) // made before: made anew
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(widget);
            made && !dynamic_cast<SpokenText *>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void labelfor(QWidget *label, QWidget *target)
{
    labelled().insert(label, target);
    // A reader's interface made before (as the label was created) is made anew.
    if (QAccessible::isActive())
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(label);
            made && !made->relations(QAccessible::Label).size())
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    QObject::connect(
        label, &QObject::destroyed, [key = static_cast<const QObject *>(label)] { labelled().remove(key); });
}

void lineschanged(PictureBox *box, const QStringList &before)
{
    if (!QAccessible::isActive())
        return;
    auto *list = dynamic_cast<RowsAccessible *>(QAccessible::queryAccessibleInterface(box));
    if (!list)
        return;
    const QStringList was = spokenlines(box, before);
    const QStringList now = list->rows();
    int kept = 0;
    while (kept < was.size() && kept < now.size() && was[kept] == now[kept])
        ++kept;
    list->forgetitems(kept, was);
    for (int row = kept; row < now.size(); ++row) {
        QAccessibleEvent made(list->child(row), QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&made);
    }
}

} // namespace platform
