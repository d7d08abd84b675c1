// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

namespace platform {

// A narrow bordered label whose caption word-wraps to one word per line,
// right-aligned: the row numbers beside a history box. Its lines use the same
// font and line height as PictureBox, so row k stands beside printed line k.
class RowScale : public QFrame
{
    Q_OBJECT
public:
    RowScale(const QString &caption, const QColor &fore, QWidget *parent = nullptr);
    QString text() const { return caption; }
    QStringList rows() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption;
    QColor fore;
};

} // namespace platform
