// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/runtime.h"

#include "platform/accessibility.h"
#include "platform/desktop.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

Hooks &hooks()
{
    static Hooks instance;
    return instance;
}

// The faces the windows are laid out for come with the program (as resources
// under :/fonts): a system without them would put wider ones in their place,
// and captions would run out of the fixed-size controls.
static void addfaces()
{
    static const bool added = [] {
        const QDir fonts(QStringLiteral(":/fonts"));
        for (const QString &name : fonts.entryList(QDir::Files))
            QFontDatabase::addApplicationFont(fonts.filePath(name));
        return true;
    }();
    (void)added;
}

void setupapplication(QApplication &app)
{
    addfaces();
    // The classic bevelled look, and exact colours on coloured button faces.
    if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(windows);
    const QStringList sans {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
        QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Serif"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("Times New Roman"),
            QStringLiteral("DejaVu Serif")});
    app.setFont(sansserif(8.25));
    QApplication::setApplicationDisplayName(QString());
    installaccessibility();
}

static QFont face(const QStringList &families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont sansserif(double points, bool bold)
{
    return face({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                    QStringLiteral("Sans Serif")},
        points, bold);
}

QFont serif(double points, bool bold)
{
    return face({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman"),
                    QStringLiteral("Serif")},
        points, bold);
}

QSize roomonscreen(const QWidget *window, const QScreen *screen)
{
    QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    // Told in whole device-independent pixels, a frame at a fractional scale
    // may be up to half a pixel wider each way.
    if (const qreal scale = window->devicePixelRatioF(); !frame.isNull() && scale != std::floor(scale))
        frame += QMargins(1, 1, 1, 1);
    if (frame.isNull()) {
        const QStyle *style = window->style();
        const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, window);
        const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
        frame = QMargins(border, border + title, border, border);
    }
    QSize room = screen->availableGeometry().size().shrunkBy(frame);
    if (!placeswindows())
        room.rheight() -= panelroom;
    return room;
}

QRect keptinside(QRect frame, const QRect &available)
{
    frame.moveLeft(std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width())));
    frame.moveTop(std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height())));
    return frame;
}

void messagebox(QWidget *parent, const QString &text)
{
    if (hooks().messagebox) {
        hooks().messagebox(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, apptitle, text, QMessageBox::Ok, parent);
    box.exec();
}

void beep()
{
    if (hooks().beep)
        hooks().beep();
    else
        QApplication::beep();
}

void endprogram()
{
    if (hooks().endprogram) {
        hooks().endprogram();
        return;
    }
    std::_Exit(0);
}

} // namespace platform
