// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A recording stand-in for the main window, and a player who answers through
// it exactly as the window's confirm buttons do, so that whole matches run
// headless and deterministically.

#include "engine/module1.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace numora::testing {

class FakeWindow : public GameWindow
{
public:
    explicit FakeWindow(Module1 &engine) : m(engine) { m.attach(this); }
    ~FakeWindow() override { m.attach(nullptr); }

    enum class Step { none, number, signs, numberafter };

    void form_load() override
    {
        ++loads;
        guess.clear();
        history.clear();
        step = Step::none;
    }
    void wait2() override { step = Step::number; }
    void wait() override { step = Step::signs; }
    void setstatus(const std::string &text) override
    {
        status = text;
        statuses.push_back(text);
    }
    void showguess(const std::string &text) override { guess = text; }
    void processevents() override
    {
        ++eventpasses;
        if (onprocessevents) {
            auto action = std::move(onprocessevents); // runs once
            onprocessevents = nullptr;
            action();
        }
    }
    void beep() override { ++beeps; }
    void showoutcome(Outcome which, const std::string &title) override
    {
        outcome = which;
        caption = title;
        ++outcomes;
    }
    void showmessage(const std::string &text) override
    {
        messages.push_back(text);
        if (onmessage)
            onmessage();
    }

    // The player confirms a guess: scored against the secret, recorded, and
    // the turn handed back to the engine. Returns false when no number step is open.
    bool confirmnumber(const std::string &number)
    {
        if (step != Step::number && step != Step::numberafter)
            return false;
        int plus = 0, minus = 0;
        for (int d = 0; d < 4; ++d) {
            const auto at = m.mynumber.find(number[d]);
            if (at == static_cast<std::string::size_type>(d))
                ++plus;
            else if (at != std::string::npos)
                ++minus;
        }
        m.yourguesses[m.yourround] = number;
        m.yourplus[m.yourround] = static_cast<int16>(plus);
        m.yourminus[m.yourround] = static_cast<int16>(minus);
        ++m.yourround;
        m.yousolved = plus == 4 ? True : False;
        m.numbermode = False;
        m.stepdone = True;
        step = Step::none;
        m.resume(m.matchid());
        return true;
    }

    // The player answers the guess on display. Returns false when no sign step is open.
    bool confirmsigns(int plus, int minus)
    {
        if (step != Step::signs)
            return false;
        step = Step::none;
        m.mysigns[m.myround] = static_cast<int16>(plus * 10 + minus);
        history.push_back(guess + ":" + std::to_string(plus) + std::to_string(minus));
        guess.clear();
        if (m.judgeanswer(static_cast<int16>(plus)))
            return true;
        m.numbermode = True;
        m.stepdone = True;
        m.stepdone = False; // the number half of the step
        step = Step::numberafter;
        return true;
    }

    // A truthful answer to the guess on display, for a player whose secret is `secret`.
    bool answertruly(const std::string &secret)
    {
        const Row mine {int16(secret[0] - '0'), int16(secret[1] - '0'), int16(secret[2] - '0'), int16(secret[3] - '0')};
        const int code = countsigns(m.myguesses[m.myround], mine);
        return confirmsigns(code / 10, code % 10);
    }

    Module1 &m;
    Step step = Step::none;
    int loads = 0, beeps = 0, outcomes = 0, eventpasses = 0;
    std::string status, guess, caption;
    std::vector<std::string> statuses, messages, history;
    std::optional<Outcome> outcome;
    std::function<void()> onprocessevents, onmessage;
};

inline Row rowof(const std::string &text)
{
    return Row {int16(text[0] - '0'), int16(text[1] - '0'), int16(text[2] - '0'), int16(text[3] - '0')};
}

} // namespace numora::testing
