// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <initializer_list>

class QLabel;
namespace platform {
class ColourButton;
}

namespace dialogs {

// What the three outcome dialogs share: YES answers the outcome and unloads the
// dialog, NO ends the program, Esc does nothing, the close box only unloads.
class OutcomeDialog : public QDialog
{
    Q_OBJECT
public:
    platform::ColourButton *Command1 = nullptr; // "YES"
    platform::ColourButton *Command2 = nullptr; // "NO"

    void Command1_Click();
    void Command2_Click();
    // How the match ended, heard with the title before the message.
    void tellfirst(const QString &news);

signals:
    void yes(); // emitted by Command1_Click before the dialog unloads

protected:
    explicit OutcomeDialog(QWidget *parent);
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

    // YES (default button, first in the tab order, holding the focus) and NO.
    void makebuttons(const QRect &yesplace, const QRect &noplace, const QColor &face);
    // The message's lines, top first: readers hear them whole with the title,
    // as the dialog's description, when the dialog opens.
    void readmessage(std::initializer_list<QLabel *> lines);

private:
    QString said; // the message's lines as one
};

class frmUwin : public OutcomeDialog
{
    Q_OBJECT
public:
    explicit frmUwin(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Picture2 = nullptr;
};

class frmUlost : public OutcomeDialog
{
    Q_OBJECT
public:
    explicit frmUlost(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Picture1 = nullptr;

    // The computer's number, drawn in the dialog as well as named in its title:
    // a desktop draws the title in its own font and cuts what does not fit.
    // Readers have it from the title.
    void shownumber(const QString &number);
    QString mynumber() const { return number; }
    QRect numberplace() const; // where its digits are drawn

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString number;
};

class TSdraw : public OutcomeDialog
{
    Q_OBJECT
public:
    explicit TSdraw(QWidget *parent = nullptr);
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Picture1 = nullptr;
};

// Puts a freshly shown outcome dialog where the player is looking: relative to
// the main window, kept on its screen.
void placedialog(QWidget *dialog, const QWidget *mainwindow);

} // namespace dialogs
