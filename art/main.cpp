// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every picture of the game except the outcome dialogs' into the folder
// named on the command line (the repository's resources/), and checks each
// file by reading it back the way the game will.

#include "art.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
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
    for (const char *folder : {"icons", "pictures", "help"})
        out.mkpath(QString::fromLatin1(folder));

    const QList<QImage> frames = art::topframes();
    for (qsizetype k = 0; k < frames.size(); ++k) {
        QSet<QRgb> colours;
        for (int y = 0; y < frames[k].height(); ++y)
            for (int x = 0; x < frames[k].width(); ++x)
                colours.insert(frames[k].pixel(x, y));
        check(colours.size() <= 16, QStringLiteral("frame %1 has %2 colours").arg(k).arg(colours.size()));
        save(frames[k], out.filePath(QStringLiteral("icons/top-%1.png").arg(k, 2, 10, QLatin1Char('0'))));
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

    save(art::draughtsman(), out.filePath(QStringLiteral("pictures/about.jpg")), "JPEG", 92);

    const art::HelpPage page = art::helppage();
    const QString gif = out.filePath(QStringLiteral("help/helppage.gif"));
    check(art::writegif87a(page.image, gif), QStringLiteral("cannot write ") + gif);
    savetext(page.text, out.filePath(QStringLiteral("help/helppage.txt")));
    const QImage back = QImageReader(gif).read();
    check(back.convertToFormat(QImage::Format_RGB32) == page.image.convertToFormat(QImage::Format_RGB32),
        QStringLiteral("the help page does not read back as written"));

    return failed ? 1 : 0;
}
