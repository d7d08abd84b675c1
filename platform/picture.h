// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QLabel>

namespace platform {

// A picture box as big as its picture. It shows the image of the picture made
// for the pixel density of the screen it is on: the double-size image on a
// screen of two device pixels to the pixel, that one smoothly reduced in
// between, and it chooses again when it moves to another screen.
class Picture : public QLabel
{
    Q_OBJECT
public:
    // images: the picture at its size and larger, as QIcon picks among them.
    Picture(const QIcon &images, QSize size, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;

private:
    void choose();

    QIcon images;
    QSize size;
};

} // namespace platform
