// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

#include <optional>

namespace platform {

// A push button whose face shows a settable colour, enabled or not.
class ColourButton : public QPushButton
{
    Q_OBJECT
public:
    ColourButton(const QString &caption, const QColor &face, QWidget *parent = nullptr);

    QColor backcolor() const { return face; }
    void setbackcolor(const QColor &colour);

    // Whether the button shows a choice in force (a selected sign, a digit in
    // the typed number). Readers get it as the checked state; the eye gets it
    // from the face colour, so nothing is drawn differently.
    void setchosen(bool chosen);
    bool choosable() const { return chosen.has_value(); }
    bool ischosen() const { return chosen.value_or(false); }

private:
    QColor face;
    std::optional<bool> chosen; // empty: the button stands for no choice
};

} // namespace platform
