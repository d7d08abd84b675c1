// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

#include <QBuffer>
#include <QFile>

namespace art {

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, int(value & 0xffff));
    put16(out, int(value >> 16));
}

} // namespace

bool writeico(const QList<QImage> &images, const QString &path)
{
    // Each image is stored as PNG, which every icon reader since 2007 takes.
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QImage &image = images[i];
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append('\0');
        out.append('\0');
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        out.append(png);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

int nearest(const QList<QRgb> &palette, QRgb colour)
{
    // Weighted like the eye: green counts most, blue least.
    int best = 0;
    long bestdistance = -1;
    for (qsizetype i = 0; i < palette.size(); ++i) {
        const long dr = qRed(palette[i]) - qRed(colour);
        const long dg = qGreen(palette[i]) - qGreen(colour);
        const long db = qBlue(palette[i]) - qBlue(colour);
        const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestdistance < 0 || distance < bestdistance) {
            best = int(i);
            bestdistance = distance;
        }
    }
    return best;
}

} // namespace art
