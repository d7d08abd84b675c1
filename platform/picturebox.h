// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>
#include <QImage>
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
    void ensuresurface();

    QImage surface;
    QPoint cursor;
    QColor fore;
    QStringList printed;
    bool atlinestart = true;
};

} // namespace platform
