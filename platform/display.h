// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace platform {

// A label whose text readers hear together with what it shows: "My guess is
// 1234", or its own words when empty. Its text changes through settext, which
// tells readers what was typed, taken back or shown.
class Display : public QLabel
{
    Q_OBJECT
public:
    explicit Display(QWidget *parent = nullptr);

    // `shown` holds %1 for the text; `empty` is read while there is none.
    void setreading(const QString &shown, const QString &empty);
    QString reading() const;

    void settext(const QString &text);

private:
    QString shown;
    QString empty;
};

// A number display: large digits in the middle of a bordered box. The digits'
// own height is centred, not the font's line (whose ascent leaves room for
// accents above them), so they stand as far from the top border as from the
// bottom one at any scale.
class NumberDisplay : public Display
{
    Q_OBJECT
public:
    explicit NumberDisplay(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace platform
