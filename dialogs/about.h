// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogs/programicon.h"

#include <QDialog>
#include <QWidget>

class QFrame;
class QLabel;
class QScrollArea;
namespace platform {
class ColourButton;
}

namespace dialogs {

// "About the game...": names the game and its version on light cyan. OK is
// default and cancel button at once, so Enter and Esc both unload the window.
// Modeless; deletes itself when closed, so the next About builds it afresh.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
    QLabel *lblTitle = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *picIcon = nullptr;
    platform::ColourButton *cmdOK = nullptr;

    void cmdOK_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool placed = false;
};

// "Game Help": the rules on one page of text in a window of fixed size that has
// its own place in the task bar. Esc closes it. Deletes itself when closed.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);
    QFrame *Picture1 = nullptr; // the page, in a sunken box on white

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void makepage();
    void fitscreen();
    bool placed = false;
    QScrollArea *scroller = nullptr; // where the screen has less room than the page
};

} // namespace dialogs
