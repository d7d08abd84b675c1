// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

namespace numora {

enum class Outcome { lost, won, draw };

// What the engine needs of the main window. Form1 implements it on Qt; the
// engine's tests implement it with a recording fake.
class GameWindow
{
public:
    virtual ~GameWindow() = default;

    virtual void form_load() = 0; // reset the window for a new match
    virtual void wait2() = 0; // begin the number step; returns at once
    virtual void wait() = 0; // begin the sign-and-number step; returns at once
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
