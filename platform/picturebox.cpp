#include "platform/picturebox.h"

#include "platform/accessibility.h"

#include <QPainter>

#include <utility>

namespace platform {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::ensuresurface()
{
    const QSize size = contentsRect().size();
    if (surface.size() == size)
        return;
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(palette().color(backgroundRole()));
    if (!surface.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, surface);
    }
    surface = grown;
}

void PictureBox::print(const QString &text, bool endline)
{
    ensuresurface();
    if (atlinestart)
        printed.append(QString());
    printed.last() += text;
    atlinestart = endline;

    const QFontMetrics metrics(font());
    if (!text.isEmpty()) {
        QPainter painter(&surface);
        painter.setFont(font());
        painter.setPen(fore);
        painter.drawText(cursor.x(), cursor.y() + metrics.ascent(), text);
        cursor.rx() += metrics.horizontalAdvance(text);
    }
    if (endline)
        cursor = QPoint(0, cursor.y() + metrics.height());
    update();
    if (endline)
        lineschanged(this, printed.mid(0, printed.size() - 1));
}

void PictureBox::cls()
{
    ensuresurface();
    surface.fill(palette().color(backgroundRole()));
    cursor = QPoint(0, 0);
    const QStringList before = std::exchange(printed, {});
    atlinestart = true;
    update();
    lineschanged(this, before);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    ensuresurface();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    ensuresurface();
    {
        QPainter painter(this);
        painter.drawImage(contentsRect().topLeft(), surface);
    }
    QFrame::paintEvent(event);
}

} // namespace platform
