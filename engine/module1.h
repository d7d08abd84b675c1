// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/gamewindow.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

namespace numora {

class FastSplits;

using int16 = std::int16_t;
using Row = std::array<int16, 4>; // four digits, thousands first

// Flags are 16-bit integers, as the window reads them.
inline constexpr int16 True = -1;
inline constexpr int16 False = 0;

inline constexpr int tablesize = 4536; // admissible numbers: 9 * 9 * 8 * 7
inline constexpr int ratedsize = tablesize - 1;
inline constexpr int codecount = 13; // answer codes below four plus
// Rows of the history tables. Every computer guess removes a different number
// from the table and a match goes on only while two numbers still fit, so no
// match can ever make more guesses per side than there are numbers.
inline constexpr int historyrows = tablesize;

inline constexpr const char *thinkingtext = "Thinking...";
inline constexpr const char *lostcaption = " You have lost! My number was : ";
inline constexpr const char *wrongsignstext
    = "No valid number matches the information you gave!\r\nPlease be more careful next time.";

// The answer code of one number against another: 10 per digit in place, 1 per digit elsewhere.
int16 countsigns(const Row &a, const Row &b);
// "1023" for the row 1 0 2 3.
std::string numbertext(const Row &row);

// Whose input a match waits for. The engine keeps this one record; the
// window's pads and keyboard mode follow it.
enum class Step {
    none, // no match yet
    number, // the player's first guess of the match
    guessing, // that guess is in: the computer is about to choose its guess
    signs, // the player's answer to the computer's guess on display
    numberafter, // the player's next guess, after the answer
    thinking, // answer and guess are in: the computer thinks, then guesses
    outcome, // the match has ended; its dialog or message is open
};

// The player's keys work the number pad in these steps and the sign pad otherwise.
constexpr bool numberstep(Step step)
{
    return step == Step::number || step == Step::numberafter;
}

// The game engine: the number table, the computer's guessing, the match flow and
// its outcomes. One object holds all of the engine's state for the whole run.
//
// The match runs as a chain of steps driven by the window's events: wait2 and
// wait begin an input step and return; the window reports the player's input
// with recordguess and answer, and the engine takes its turn from the event
// loop. Each step checks that its match is still the current one, so an
// abandoned match never runs again.
class Module1
{
public:
    Module1();
    ~Module1();
    Module1(const Module1 &) = delete;
    Module1 &operator=(const Module1 &) = delete;

    void attach(GameWindow *window) { form = window; }
    // Where each match's seed comes from; the clock unless a test says otherwise.
    void setseeder(std::function<std::uint32_t()> seeder);

    // --- the number table and the answer codes
    void makecandidates();
    void makesigncodes();
    // Takes the guess in `row` out of the remaining table (0 <= row <= lastremaining()).
    void removeguess(int row);
    int lastremaining() const { return tablesize - 1 - myround; }

    // --- the match flow
    void startgame();
    Step step() const { return waiting; }
    std::uint64_t matchid() const { return currentmatch; }
    bool matchrunning() const { return waiting != Step::none && waiting != Step::outcome; }

    // The player has confirmed `guess`, scored `plus` and `minus` against mynumber.
    // Records it and hands the turn to the computer, which takes it once the
    // window's handler has returned. False, recording nothing, unless the match
    // waits for a number and the player's table has room.
    bool recordguess(const std::string &guess, int16 plus, int16 minus);

    // The player's answer to the guess on display. Records it and decides the
    // match: true when the match has ended (an outcome is shown or, after the
    // inconsistent-answers message, the next match has begun); otherwise the
    // match waits for the player's next guess. Only in the sign step.
    bool answer(int16 plus, int16 minus);

    // The YES button of an outcome dialog. Starts the next match when the engine
    // is waiting for that very dialog; a stale dialog changes nothing.
    void dialogyes(Outcome dialog);

    // --- the computer's guessing
    void makeguess();
    void findmatches();
    void think();
    void rateguesses();
    void findbest();

    // --- match outcomes
    void youlose();
    void youwin();
    void gamedraw();
    void wrongsigns();

    // --- state shared with the window (names as the window's handlers use them)
    std::array<Row, tablesize> candidates {};
    std::array<Row, tablesize> matches {};
    int16 matchcount = 0;
    std::array<int16, codecount> signcodes {};
    std::array<std::array<int16, codecount>, ratedsize> splits {};
    std::array<std::array<double, 5>, ratedsize> ratings {};
    std::array<int16, ratedsize> bestguesses {};
    int16 bestcount = 0;

    std::string mynumber;
    std::array<Row, historyrows> myguesses {};
    std::array<int16, historyrows> mysigns {};
    int16 myround = 0;
    std::array<std::string, historyrows> yourguesses {};
    std::array<int16, historyrows> yourplus {};
    std::array<int16, historyrows> yourminus {};
    int16 yourround = 0;
    int16 yousolved = False;

    // ratings columns
    enum : int { hitchance = 0, nextchance = 1, worstsplit = 2, leastsplit = 3, rating = 4 };

private:
    int drawindex(int n); // uniform in 0 .. n-1
    void outcome(Outcome which, const std::string &caption);
    void resume(std::uint64_t match);
    void thinkingstep(std::uint64_t match);
    bool live(std::uint64_t match) const { return match == currentmatch && matchrunning(); }

    std::unique_ptr<FastSplits> fast; // the thinking's working tables
    GameWindow *form = nullptr;
    std::function<std::uint32_t()> seeder;
    std::mt19937 rng;
    std::uint64_t currentmatch = 0;
    Step waiting = Step::none;
    std::optional<Outcome> awaiteddialog; // empty while the message is open
};

} // namespace numora
