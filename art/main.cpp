// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the game except the outcome dialogs' into the folder
// named on the command line (the repository's resources/).

#include "art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

namespace {

bool failed = false;

void check(bool ok, const QString &what)
{
    if (!ok) {
        std::fprintf(stderr, "drawart: %s\n", qPrintable(what));
        failed = true;
    }
}

void save(const QImage &image, const QString &path, const char *format = nullptr, int quality = -1)
{
    check(image.save(path, format, quality), QStringLiteral("cannot write ") + path);
}

void savetext(const QString &text, const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0, QStringLiteral("cannot write ") + path);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: drawart RESOURCE-FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char *folder : {"icons", "pictures"})
        out.mkpath(QString::fromLatin1(folder));

    // The frames, and each again at twice the size for screens of two device
    // pixels to the pixel.
    for (int scale : {1, 2}) {
        const QList<QImage> frames = art::topframes(32 * scale);
        for (qsizetype k = 0; k < frames.size(); ++k) {
            QSet<QRgb> colours;
            for (int y = 0; y < frames[k].height(); ++y)
                for (int x = 0; x < frames[k].width(); ++x)
                    colours.insert(frames[k].pixel(x, y));
            check(colours.size() <= 16, QStringLiteral("frame %1 has %2 colours").arg(k).arg(colours.size()));
            const QString name = QStringLiteral("icons/top-%1%2.png")
                                     .arg(k, 2, 10, QLatin1Char('0'))
                                     .arg(scale == 1 ? QString() : QStringLiteral("@2x"));
            save(frames[k], out.filePath(name));
        }
    }

    QList<QImage> icons;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = art::portrait(size);
        save(icon, out.filePath(QStringLiteral("icons/numora-%1.png").arg(size)));
        if (size != 64 && size != 128)
            icons.append(icon);
    }
    savetext(art::portraitsvg(), out.filePath(QStringLiteral("icons/numora.svg")));
    check(art::writeico(icons, out.filePath(QStringLiteral("icons/numora.ico"))), QStringLiteral("icon file"));

    save(art::draughtsman(1), out.filePath(QStringLiteral("pictures/about.jpg")), "JPEG", 92);
    save(art::draughtsman(2), out.filePath(QStringLiteral("pictures/about@2x.jpg")), "JPEG", 92);

    return failed ? 1 : 0;
}
