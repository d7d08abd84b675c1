// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef NUMORA_X11
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>
#endif

namespace platform {

namespace {

// Waits for the first sign of a frame on its window, then places it once more.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, std::function<void()> place) : QObject(window), window(window), place(std::move(place))
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Shown on the screen, the window is framed: a frame read while the
        // window manager is still taking the window in can be half made.
        if (event->type() == QEvent::Expose && window->windowHandle()->isExposed()
            && !window->windowHandle()->frameMargins().isNull()) {
            window->windowHandle()->removeEventFilter(this);
            deleteLater();
            place();
        }
        return false;
    }

private:
    QWidget *window;
    std::function<void()> place;
};

#ifdef NUMORA_X11
// Qt clears WM_TRANSIENT_FOR as it maps a window that is no dialog: once the
// window is shown, says it again.
class OwnerHint : public QObject
{
public:
    explicit OwnerHint(QWidget *window) : QObject(window), window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent)
            tell();
        return false;
    }

private:
    void tell()
    {
        auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        const QWidget *owner = window->parentWidget();
        if (!x11 || !owner)
            return;
        const auto ownerid = static_cast<xcb_window_t>(owner->window()->winId());
        xcb_change_property(x11->connection(), XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
            XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &ownerid);
        xcb_flush(x11->connection());
    }

    QWidget *window;
};
#endif

} // namespace

QRect frameof(const QWidget *window)
{
    const QWindow *handle = window->windowHandle();
    return window->geometry().marginsAdded(handle ? handle->frameMargins() : QMargins());
}

void placeframe(QWidget *window, QPoint topleft)
{
    // An X11 window manager tells the frame late, and the widget may not know
    // it yet when the window does; before, the frame's place is the client
    // area's, which the window manager then frames.
    QWindow *handle = window->windowHandle();
    if (handle && !handle->frameMargins().isNull() && QGuiApplication::platformName() == QLatin1String("xcb"))
        handle->setFramePosition(topleft);
    else
        window->move(topleft);
}

bool placeswindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void whenframed(QWidget *window, std::function<void()> place)
{
    const QWindow *handle = window->windowHandle();
    if (!handle || !handle->frameMargins().isNull())
        return;
    new FrameWatch(window, std::move(place));
}

void belongtoowner(QWidget *window)
{
#ifdef NUMORA_X11
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        new OwnerHint(window);
#else
    (void)window;
#endif
}

} // namespace platform
