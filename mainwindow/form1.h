// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/module1.h"
#include "platform/display.h"
#include "platform/keys.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class QGroupBox;
class QLabel;
class QScrollArea;
class QTimer;
class QKeyEvent;
class QAction;
class QActionGroup;
class QSettings;

namespace platform {
class ColourButton;
class PictureBox;
class RowScale;
} // namespace platform

namespace record {
class Record;
}

namespace dialogs {
class OutcomeDialog;
class frmStatistics;
class frmAbout;
class Form2;
} // namespace dialogs

// The buttons' numbers where the window's code and its tests name them.
namespace pad {
inline constexpr int clear = 11; // "C"
inline constexpr int confirmnumber = 12;
inline constexpr int confirmsigns = 23;
inline constexpr int clearall = 24; // "CA"
// The sign columns by count: pluscolumn[k] is the button "k +", minuscolumn[k] "k -".
inline constexpr std::array<int, 5> pluscolumn = {22, 13, 16, 18, 20};
inline constexpr std::array<int, 5> minuscolumn = {21, 14, 15, 17, 19};
// The digit buttons: "1" to "9" are numbers 1 to 9, "0" is 10.
constexpr int ofdigit(int digit)
{
    return digit == 0 ? 10 : digit;
}
} // namespace pad

// The game window: the computer's side on the left, the player's on the right,
// each with its history box above and its pad below.
class Form1 : public QMainWindow, public numora::GameWindow
{
    Q_OBJECT
public:
    explicit Form1(numora::Module1 &engine, QWidget *parent = nullptr);
    ~Form1() override;

    // The record the Statistics window reads; the window never writes it.
    void setrecord(record::Record *matches);

    // Where the chosen strength is kept between runs: read now, written at each
    // choice. Without settings the window starts at Normal and keeps nothing.
    void usesettings(QSettings *settings);
    // The strength of the next match on: checked in the menu, told to the engine.
    void setstrength(numora::Strength strength);
    numora::Strength chosenstrength() const { return chosen; }
    // "Easy", "Normal", "Expert", in the window's language.

    // --- window state
    void keylock();
    void form_load() override;
    void stepchanged(numora::Step step) override;

    // --- number pad: the digit buttons call digitbutton with their digit
    void digitbutton(int digit);
    void displaybutton();
    void recolorbutton();
    void initiatebuttons();
    void Command11_Click(); // "C"
    void Command24_Click(); // "CA"
    void Command12_Click(); // "Confirm Number"

    // --- sign pad: the sign buttons call plusbutton or minusbutton with their count
    void plusbutton(int count);
    void minusbutton(int count);
    void paintmeonly();
    void paintmeonly2();
    void Command23_Click(); // "Confirm Signs"

    // --- keyboard, menus, icon
    void Form_KeyDown(int keycode, int shift);
    void newgame_Click();
    void statistics_Click();
    void exitgame_Click();
    void help_Click();
    void about_Click();
    void strength_Click(numora::Strength strength);
    void Timer1_Timer();

    // One history line: " 1023 +" then " -" per minus.
    static void printhistory(platform::PictureBox *box, const QString &guess, int plus, int minus);
    // How a history line reads aloud: "1023: 1 plus, 2 minus".
    static QString spokenline(const QString &printed);
    // A box's last line as readers are told it: "Your progress. 1023, 1 plus, 2 minus".
    // An answer as readers are told it: "1 plus, 0 minus".
    static QString signsaloud(int plus, int minus);
    // The answer on the sign pad as readers hear it, with why it cannot be given.
    QString answernews() const;
    // Both histories, a line a round each, in the order played: "Round 1, your 1023, 1 plus, 0 minus".
    QStringList historylines() const;
    // What the player needs to know now: whose turn, the round, the guess to answer.
    QString turnnews() const;
    QString endnews(bool contradiction) const;

    // --- GameWindow
    void setstatus(const std::string &text) override;
    void showguess(const std::string &text) override;
    void processevents() override;
    void defer(std::function<void()> work) override;
    void beep() override;
    void showoutcome(numora::Outcome outcome, const std::string &caption) override;
    void showmessage(const std::string &text) override;

    // --- controls, by their numbers; Command[0] is unused
    std::array<platform::ColourButton *, 25> Command {};
    QLabel *Label1 = nullptr; // "Your progress"
    QLabel *Label2 = nullptr; // "My progress"
    platform::RowScale *Label4 = nullptr;
    platform::RowScale *Label5 = nullptr;
    platform::Display *Label6 = nullptr; // status line
    platform::Display *Label8 = nullptr; // the computer's guess
    platform::Display *Label10 = nullptr; // the player's number
    platform::PictureBox *Picture1 = nullptr; // the player's guesses
    platform::PictureBox *Picture2 = nullptr; // the computer's guesses
    QGroupBox *Frame1 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QTimer *Timer1 = nullptr;
    std::array<QIcon, 18> Image1;
    QAction *newgame = nullptr;
    QAction *statistics = nullptr;
    QAction *exitgame = nullptr;
    QAction *help = nullptr;
    QAction *about = nullptr;
    QMenu *strengthmenu = nullptr;
    std::array<QAction *, 3> strengths {}; // Easy, Normal, Expert

    QPointer<dialogs::OutcomeDialog> frmUwin;
    QPointer<dialogs::OutcomeDialog> frmUlost;
    QPointer<dialogs::OutcomeDialog> TSdraw;
    QPointer<dialogs::frmAbout> aboutwindow;
    QPointer<dialogs::Form2> helpwindow;
    QPointer<dialogs::frmStatistics> statisticswindow;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void layoutcontrols(QWidget *client);
    void fitscreen();
    void scrollable();
    void makebuttons(QWidget *client);
    void buildmenu();
    void showstrength(); // in the title, at Easy and Expert
    void wait();
    void settyped(const QString &text);
    // Tells readers `news` with the control that has the focus (no "notification"
    // before it); the confirm buttons keep it as what they say when focused again.
    void tell(const QString &news);
    void readhistory(int step); // Page Up -1, Page Down +1
    bool laptopkey(QKeyEvent *press);
    std::array<platform::ColourButton *, 13> numberpad() const;
    std::array<platform::ColourButton *, 11> signpad() const;

    // --- form-level variables
    QString newdigit; // the digit a digit button hands to displaybutton
    QString entry;
    numora::int16 pick = 0;
    numora::int16 plus = 0; // the answer chosen on the sign pad
    numora::int16 minus = 0;
    numora::int16 iconframe = 0;
    numora::int16 numberkeys = numora::False; // the number pad is enabled; the keypad types digits
    numora::int16 signkeys = numora::False;
    numora::int16 keyplus = 0;
    numora::int16 keyminus = 0;
    bool stepping = false; // a step gives its confirm button the focus, with its own news
    int historyat = -1; // the history line last read by key; -1: none since the last new line

    numora::Module1 &engine;
    record::Record *record = nullptr;
    QSettings *settings = nullptr;
    numora::Strength chosen = numora::Strength::normal;
    platform::InputClock keyclock;
    qint64 signstepbegan = 0; // on keyclock: the computer's guess was painted
    bool placed = false;
    QSize designed; // the window with its whole client area and menu bar
    QScrollArea *scroller = nullptr; // where the screen has less room than that
};
