// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

namespace platform {

// A number display: large digits in the middle of a bordered box. The digits'
// own height is centred, not the font's line (whose ascent leaves room for
// accents above them), so they stand as far from the top border as from the
// bottom one at any scale.
class Display : public QLabel
{
    Q_OBJECT
public:
    explicit Display(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace platform
