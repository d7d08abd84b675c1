// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace art {

// 18 views of a red spinning top, 32 x 32, at most 16 colours counting the
// transparent one; shown in order, the last followed by the first, they loop.
QList<QImage> topframes();

// The program icon: a thinker's portrait, drawn from one description both as
// pixels of any size and as SVG text.
QImage portrait(int size);
QString portraitsvg();

// The About window's picture, 191 x 80: a draughtsman at his drawing board.
QImage draughtsman();

// The help page, 897 x 541, at most 256 colours, and the same words as text.
struct HelpPage
{
    QImage image; // Format_Indexed8
    QString text;
};
HelpPage helppage();

// Qt reads both formats but writes neither the way we need them.
bool writegif87a(const QImage &indexed, const QString &path);
bool writeico(const QList<QImage> &images, const QString &path);

// Nearest colour of a small palette, for the old-style limited-colour pictures.
int nearest(const QList<QRgb> &palette, QRgb colour);

} // namespace art
