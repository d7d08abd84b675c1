// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/colourbutton.h"

#include <QAccessible>

namespace platform {

ColourButton::ColourButton(const QString &caption, const QColor &colour, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoFillBackground(true);
    setbackcolor(colour);
}

void ColourButton::setbackcolor(const QColor &colour)
{
    if (colour == face)
        return;
    face = colour;
    QPalette pal = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Button, colour);
        pal.setColor(group, QPalette::Window, colour);
    }
    setPalette(pal);
}

void ColourButton::setchosen(bool now)
{
    if (chosen == now)
        return;
    chosen = now;
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace platform
