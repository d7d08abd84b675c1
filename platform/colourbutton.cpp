// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/colourbutton.h"

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

} // namespace platform
