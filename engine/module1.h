// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/gamereport.h"
#include "engine/gamewindow.h"
#include "engine/strategy.h"

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
// Rows of the history tables. Every guess of either side is a different number
// of the table (the computer takes its guesses out of it, the player's are
// refused when tried before), so no game can outgrow them.
inline constexpr int historyrows = tablesize;

inline constexpr const char *thinkingtext = "Thinking...";
inline constexpr const char *lostcaption = " You have lost! My number was : ";
inline constexpr const char *wrongsignstext
    = "No valid number matches the information you gave!\r\nPlease be more careful next time.";

// The answer code of one number against another: 10 per digit in place, 1 per digit elsewhere.
int16 countsigns(const Row &a, const Row &b);
// "1023" for the row 1 0 2 3.
std::string numbertext(const Row &row);

// Why the engine turned the player's input down.
enum class Refusal {
    none, // taken
    notwaiting, // the game does not wait for this input now
    notanumber, // not four different digits with the first not 0
    triedbefore, // the player has guessed this number before in this game
    impossible, // no two numbers answer each other so: plus and minus above 4 in all, or 3 plus 1 minus
};

// The engine's word on the player's guess: its score when it was taken.
struct Scored
{
    Refusal refusal = Refusal::none;
    int16 plus = 0;
    int16 minus = 0;
};

// Everything the engine knows of the game, under the names its procedures use.
// Only the engine writes it; the window, the bench and the tests read it.
struct MatchState
{
    std::array<Row, tablesize> candidates {};
    std::array<Row, tablesize> matches {}; // the remaining numbers that fit every answer
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

    int lastremaining() const { return tablesize - 1 - myround; }
};

// The game engine: the number table, the rules of a turn, the computer's
// guessing, the game flow and its outcomes. One object holds all of the
// engine's state for the whole run.
//
// A game runs as a chain of steps driven by the window's events: the engine
// tells the window which input it waits for (GameWindow::stepchanged) and
// returns; the window hands in the player's input with recordguess and answer,
// and the engine takes its turn from the event loop. Each step checks that its
// game is still the current one, so an abandoned game never runs again.
class Module1 : private MatchState
{
public:
    Module1();
    ~Module1();
    Module1(const Module1 &) = delete;
    Module1 &operator=(const Module1 &) = delete;

    void attach(GameWindow *window) { form = window; }
    // Told of every game that ends, before its dialog shows; none by default.
    void listen(GameListener *record) { listener = record; }
    // Where each game's seed comes from; the clock unless a test says otherwise.
    void setseeder(std::function<std::uint32_t()> seeder);

    const MatchState &state() const { return *this; }
    using MatchState::hitchance;
    using MatchState::lastremaining;
    using MatchState::leastsplit;
    using MatchState::nextchance;
    using MatchState::rating;
    using MatchState::worstsplit;

    // --- the number table and the answer codes
    void makecandidates();
    void makesigncodes();

    // How the computer chooses its guesses from the next game on: a strategy,
    // or none for Normal, the engine's own rating.
    void setstrategy(std::unique_ptr<Strategy> next);
    Strength strength() const { return strategy ? strategy->strength() : Strength::normal; } // of this game

    // --- the game flow
    void startgame(); // a game left running is reported abandoned
    // The game now running, if any, is over unfinished (the program ends):
    // reported abandoned when the player has made a guess.
    void abandongame();
    Step step() const { return waiting; }
    std::uint64_t gameid() const { return currentgame; }
    bool gamerunning() const { return waiting != Step::none && waiting != Step::outcome; }

    // The player's guess, as typed. Scored against mynumber and recorded; the
    // computer takes its turn once the window's handler has returned. Refused
    // unless the game waits for a number, and when `guess` is not one of the
    // table's numbers or was guessed before in this game.
    Scored recordguess(const std::string &guess);

    // The player's answer to the guess on display. Recorded; once the window's
    // handler has returned the engine decides the game: an outcome, or the
    // player's next guess. Refused unless the game waits for signs, and when no
    // two numbers answer each other so.
    Refusal answer(int16 plus, int16 minus);

    // The YES button of an outcome dialog. Starts the next game when the engine
    // is waiting for that very dialog; a stale dialog changes nothing.
    void dialogyes(Outcome dialog);

    // --- the computer's guessing, step by step (the bench and the tests drive these)
    int chooseguess(); // the remaining row the computer guesses this round (a draw)
    void makeguess();
    void think();
    void rateguesses();
    void findbest();

    // A position without the window: the computer's guess of this round is the
    // remaining row `row`, answered with `code`, and the player has guessed
    // again, so the next round begins.
    void playround(int row, int16 code);

private:
    friend struct ModulePeer; // tests that set up positions no game reaches

    void removeguess(int row); // 0 <= row <= lastremaining()
    void takeguess(int row);
    int drawindex(int n); // uniform in 0 .. n-1
    void setstep(Step step);
    void decide(int16 plus);
    void findmatches();
    void youlose(int answered, const std::string &yournumber);
    void youwin();
    void gamedraw(int answered, const std::string &yournumber);
    void wrongsigns();
    void outcome(Outcome which, const std::string &caption);
    // Tells the listener; `answered` of the computer's guesses have their answer.
    void report(Ending ending, int answered, const std::string &yournumber);
    void resume(std::uint64_t game);
    void thinkingstep(std::uint64_t game);
    bool live(std::uint64_t game) const { return game == currentgame && gamerunning(); }

    std::unique_ptr<FastSplits> fast; // the thinking's working tables
    GameWindow *form = nullptr;
    GameListener *listener = nullptr;
    std::unique_ptr<Strategy> strategy; // this game's; none for Normal
    std::unique_ptr<Strategy> nextstrategy;
    bool strategychosen = false; // nextstrategy holds the next game's choice
    std::function<std::uint32_t()> seeder;
    std::mt19937 rng;
    std::uint64_t currentgame = 0;
    Step waiting = Step::none;
    std::optional<Outcome> awaiteddialog; // empty while the message is open
};

} // namespace numora
