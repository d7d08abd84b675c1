// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QStringList>

namespace platform {

// A box that keeps what was printed on it: text is drawn at a text cursor, with
// or without ending the line, and stays until the box is cleared. Nothing wraps
// or scrolls; what falls outside the box is simply not seen.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setforecolor(const QColor &colour) { fore = colour; }
    QColor forecolor() const { return fore; }

    void print(const QString &text, bool endline);
    void cls();

    // The printed lines as text (the last one possibly unfinished), for tests
    // and assistive technology.
    const QStringList &lines() const { return printed; }
    QPoint textcursor() const { return cursor; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // One piece of printed text as it was drawn, so that the drawing can be
    // made again for a screen of another pixel density.
    struct Run
    {
        QPoint at;
        QString text;
        QFont font;
        QColor ink;
    };
    void ensuresurface();
    void draw(const Run &run);

    // The drawing, in device pixels of the screen the box is on.
    QImage surface;
    QList<Run> runs;
    QPoint cursor;
    QColor fore;
    QStringList printed;
    bool atlinestart = true;
};

} // namespace platform
