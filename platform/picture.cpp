// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/picture.h"

#include <QEvent>

namespace platform {

Picture::Picture(const QIcon &pictures, QSize picturesize, QWidget *parent)
    : QLabel(parent), images(pictures), size(picturesize)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    choose();
}

void Picture::choose()
{
    const qreal ratio = devicePixelRatioF();
    if (!pixmap().isNull() && pixmap().devicePixelRatio() == ratio)
        return;
    setPixmap(images.pixmap(size, ratio));
}

bool Picture::event(QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal)
        choose();
    return QLabel::event(event);
}

} // namespace platform
