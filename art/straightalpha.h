// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Premultiplied drawing back to straight alpha, the same on every processor.
// Qt's convertToFormat(Format_ARGB32) picks its code by processor: one path
// divides by an approximate reciprocal whose last bits differ from machine to
// machine, the plain one rounds otherwise, so a semi-transparent pixel could
// come out one apart. This one divides exactly, in integers, and calls nothing
// of Qt's but the image's storage.

#include <QImage>
#include <QRgb>

namespace art {

// value * 255 / alpha to the nearest integer, halves upward; 0 where nothing
// covers, 255 for a value above its alpha (never drawn, but kept in range).
constexpr int straightchannel(int value, int alpha)
{
    if (alpha == 0)
        return 0;
    if (value >= alpha)
        return 255;
    return (2 * 255 * value + alpha) / (2 * alpha);
}

constexpr QRgb straightpixel(QRgb premultiplied)
{
    const int alpha = qAlpha(premultiplied);
    return qRgba(straightchannel(qRed(premultiplied), alpha), straightchannel(qGreen(premultiplied), alpha),
        straightchannel(qBlue(premultiplied), alpha), alpha);
}

// An ARGB32 image of a Format_ARGB32_Premultiplied one; a null image for any
// other format, which fails to save rather than pass unnoticed.
inline QImage straightalpha(const QImage &premultiplied)
{
    if (premultiplied.format() != QImage::Format_ARGB32_Premultiplied)
        return {};
    QImage image(premultiplied.size(), QImage::Format_ARGB32);
    // Read the stored words: pixel() would unpremultiply them Qt's way first.
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = straightpixel(from[x]);
    }
    return image;
}

} // namespace art
