// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

namespace platform {

// A push button whose face shows a settable colour, enabled or not.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    ColourButton(const QString &caption, const QColor &face, QWidget *parent = nullptr);

    QColor backcolor() const { return face; }
    void setbackcolor(const QColor &colour);

private:
    QColor face;
};

} // namespace platform
