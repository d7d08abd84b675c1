// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace art {

// 18 views of a red spinning top, size x size (32, and 64 for screens of two
// device pixels to the pixel), at most 16 colours counting the transparent one;
// shown in order, the last followed by the first, they loop.
QList<QImage> topframes(int size);

// The program icon: a thinker's portrait, drawn from one description both as
// pixels of any size and as SVG text.
QImage portrait(int size);
QString portraitsvg();

// The About window's picture, 191 x 80 times scale: a draughtsman at his
// drawing board.
QImage draughtsman(int scale);

// Qt reads icon files but does not write them the way we need them.
bool writeico(const QList<QImage> &images, const QString &path);

// Nearest colour of a small palette, for the old-style limited-colour pictures.
int nearest(const QList<QRgb> &palette, QRgb colour);

} // namespace art
