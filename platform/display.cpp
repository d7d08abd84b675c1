#include "platform/display.h"

#include <QAccessible>

namespace platform {

Display::Display(QWidget *parent) : QLabel(parent) { }

void Display::setreading(const QString &shownwords, const QString &emptywords)
{
    shown = shownwords;
    empty = emptywords;
}

QString Display::reading() const
{
    if (text().isEmpty())
        return empty.isEmpty() ? accessibleName() : empty;
    return shown.isEmpty() ? text() : shown.arg(text());
}

void Display::settext(const QString &now)
{
    const QString before = text();
    if (now == before)
        return;
    setText(now);
    if (!QAccessible::isActive())
        return;
    // The smallest change: a digit typed or taken back, or the whole number.
    if (now.startsWith(before)) {
        QAccessibleTextInsertEvent inserted(this, int(before.size()), now.mid(before.size()));
        QAccessible::updateAccessibility(&inserted);
    } else if (before.startsWith(now)) {
        QAccessibleTextRemoveEvent removed(this, int(now.size()), before.mid(now.size()));
        QAccessible::updateAccessibility(&removed);
    } else {
        QAccessibleTextUpdateEvent replaced(this, 0, before, now);
        QAccessible::updateAccessibility(&replaced);
    }
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace platform
