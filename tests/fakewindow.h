// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A recording stand-in for the main window, and a player who answers through
// the engine's own operations, as the window's confirm buttons do, so that
// whole matches run headless and deterministically.

#include "engine/module1.h"
#include "support/position.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace numora::testing {

using support::rowof;

class FakeWindow : public GameWindow, public GameListener
{
public:
    explicit FakeWindow(Module1 &engine) : m(engine)
    {
        m.attach(this);
        m.listen(this);
    }
    ~FakeWindow() override
    {
        m.attach(nullptr);
        m.listen(nullptr);
    }

    // The record beside the window: each game's report, noted in the same log.
    void gameended(const GameReport &report) override
    {
        static const char *names[] = {"won", "lost", "draw", "contradiction", "abandoned"};
        note(std::string("report ") + names[int(report.ending)]);
        reports.push_back(report);
    }

    void form_load() override
    {
        note("form_load");
        ++loads;
        guess.clear();
        history.clear();
    }
    void stepchanged(Step step) override
    {
        static const char *names[]
            = {"none", "number", "guessing", "signs", "deciding", "numberafter", "thinking", "outcome"};
        note(std::string("step ") + names[int(step)]);
    }
    void setstatus(const std::string &text) override
    {
        note("status " + text);
        status = text;
        statuses.push_back(text);
    }
    void showguess(const std::string &text) override
    {
        note("guess " + text);
        guess = text;
    }
    void processevents() override
    {
        note("events");
        ++eventpasses;
        if (onprocessevents) {
            auto action = std::move(onprocessevents); // runs once
            onprocessevents = nullptr;
            action();
        }
    }
    void defer(std::function<void()> work) override { deferred.push_back(std::move(work)); }
    void beep() override
    {
        note("beep");
        ++beeps;
    }
    void showoutcome(Outcome which, const std::string &title) override
    {
        static const char *names[] = {"lost", "won", "draw"};
        note(std::string("outcome ") + names[int(which)]);
        outcome = which;
        caption = title;
        ++outcomes;
    }
    void showmessage(const std::string &text) override
    {
        note("message");
        messages.push_back(text);
        if (onmessage)
            onmessage();
    }

    // Runs the work the engine left for the event loop, as the window's loop would.
    void runpending()
    {
        while (!deferred.empty()) {
            auto work = std::move(deferred.front());
            deferred.pop_front();
            work();
        }
    }

    // The player confirms a guess, as the window's Confirm Number does; the
    // engine takes its turn. False, with the engine's reason in `refused`, when
    // the engine turns it down.
    bool confirmnumber(const std::string &number)
    {
        const Scored scored = m.recordguess(number);
        refused = scored.refusal;
        if (refused != Refusal::none)
            return false;
        runpending();
        return true;
    }

    // The player answers the guess on display, as Confirm Signs does. False, with
    // the engine's reason in `refused`, when the engine turns it down.
    bool confirmsigns(int plus, int minus)
    {
        refused = m.answer(int16(plus), int16(minus));
        if (refused != Refusal::none)
            return false;
        history.push_back(guess + ":" + std::to_string(plus) + std::to_string(minus));
        guess.clear();
        runpending();
        return true;
    }

    // A truthful answer to the guess on display, for a player whose secret is `secret`.
    bool answertruly(const std::string &secret)
    {
        const int code = countsigns(m.state().myguesses[m.state().myround], rowof(secret));
        return confirmsigns(code / 10, code % 10);
    }

    Module1 &m;
    int loads = 0, beeps = 0, outcomes = 0, eventpasses = 0;
    std::string status, guess, caption;
    std::vector<std::string> statuses, messages, history;
    std::vector<std::string> log; // every call from the engine, in order
    std::vector<GameReport> reports;
    std::optional<Outcome> outcome;
    Refusal refused = Refusal::none; // the engine's reason for the last input it turned down
    std::function<void()> onprocessevents, onmessage;
    std::deque<std::function<void()>> deferred;

private:
    void note(const std::string &what) { log.push_back(what); }
};

} // namespace numora::testing
