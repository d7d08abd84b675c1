// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "art.h"

#include <QBuffer>
#include <QFile>

#include <array>
#include <cstdint>
#include <vector>

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

// Variable-length codes packed from the lowest bit up, cut into blocks of at
// most 255 bytes as a GIF image's data wants them.
class CodeWriter
{
public:
    void write(int code, int width)
    {
        bits |= quint32(code) << count;
        count += width;
        while (count >= 8) {
            bytes.append(char(bits & 0xff));
            bits >>= 8;
            count -= 8;
        }
    }

    QByteArray finish()
    {
        if (count > 0)
            bytes.append(char(bits & 0xff));
        QByteArray blocks;
        for (qsizetype at = 0; at < bytes.size(); at += 255) {
            const QByteArray block = bytes.mid(at, 255);
            blocks.append(char(block.size()));
            blocks.append(block);
        }
        blocks.append('\0');
        return blocks;
    }

private:
    QByteArray bytes;
    quint32 bits = 0;
    int count = 0;
};

} // namespace

bool writegif87a(const QImage &indexed, const QString &path)
{
    if (indexed.format() != QImage::Format_Indexed8 || indexed.colorCount() > 256)
        return false;

    QByteArray out("GIF87a");
    put16(out, indexed.width());
    put16(out, indexed.height());
    out.append(char(0xf7)); // a global table of 256 colours, 8 bits each
    out.append('\0'); // background: colour 0
    out.append('\0'); // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < indexed.colorCount() ? indexed.color(i) : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append(',');
    put16(out, 0);
    put16(out, 0);
    put16(out, indexed.width());
    put16(out, indexed.height());
    out.append('\0'); // no local table, not interlaced

    // LZW with 8-bit symbols: codes 0..255 are the bytes, 256 clears the
    // table, 257 ends the data; codes grow from 9 to 12 bits.
    constexpr int minimum = 8;
    constexpr int clear = 1 << minimum;
    out.append(char(minimum));
    std::vector<std::array<quint16, 256>> next(4096);
    auto reset = [&] {
        for (auto &row : next)
            row.fill(0);
    };
    reset();
    CodeWriter codes;
    int width = minimum + 1;
    int last = clear + 1;
    codes.write(clear, width);
    int current = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int symbol = line[x];
            if (current < 0) {
                current = symbol;
            } else if (next[current][symbol]) {
                current = next[current][symbol];
            } else {
                codes.write(current, width);
                next[current][symbol] = quint16(++last);
                if (last >= (1 << width))
                    ++width;
                if (last == 4095) {
                    codes.write(clear, width);
                    reset();
                    width = minimum + 1;
                    last = clear + 1;
                }
                current = symbol;
            }
        }
    }
    codes.write(current, width);
    codes.write(clear, width);
    codes.write(clear + 1, minimum + 1);
    out.append(codes.finish());
    out.append(';');

    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

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
