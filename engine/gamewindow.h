// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace numora {

enum class Outcome { lost, won, draw };

// Whose input a game waits for. The engine keeps this one record and tells the
// window each time it changes; the window's pads and keyboard follow it.
enum class Step {
    none, // no game yet, or a new one being set up
    number, // the player's first guess of the game
    guessing, // that guess is in: the computer is about to choose its guess
    signs, // the player's answer to the computer's guess on display
    deciding, // the answer is in: the computer decides whether the game is over
    numberafter, // the player's next guess, after the answer
    thinking, // answer and guess are in: the computer thinks, then guesses
    outcome, // the game has ended; its dialog or message is open
};

// The player's keys work the number pad in these steps and the sign pad otherwise.
constexpr bool numberstep(Step step)
{
    return step == Step::number || step == Step::numberafter;
}

// What the engine needs of the main window. Form1 implements it on Qt; the
// engine's tests implement it with a recording fake.
class GameWindow
{
public:
    virtual ~GameWindow() = default;

    virtual void form_load() = 0; // reset the window for a new game
    // The game now waits for `step` (the computer's guess is on display from
    // Step::signs on); returns at once.
    virtual void stepchanged(Step step) = 0;
    virtual void setstatus(const std::string &text) = 0; // Label6
    virtual void showguess(const std::string &text) = 0; // Label8
    virtual void processevents() = 0; // handle pending window events once
    // Runs `work` from the event loop once the handler now running has returned.
    virtual void defer(std::function<void()> work) = 0;
    virtual void beep() = 0;
    // Modeless: returns at once; the dialog's YES reaches Module1::dialogyes.
    virtual void showoutcome(Outcome outcome, const std::string &caption) = 0;
    // Modal: returns after the player's OK.
    virtual void showmessage(const std::string &text) = 0;
};

} // namespace numora
