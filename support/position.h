// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Positions of a match set up without the window, for the bench and the tests.

#include "engine/module1.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora::support {

// The row of "1023": 1 0 2 3.
Row rowof(std::string_view text);

// The value of a row: 1023 for the row 1 0 2 3.
inline int valueof(const Row &row)
{
    return ((row[0] * 10 + row[1]) * 10 + row[2]) * 10 + row[3];
}

// The row of the remaining table that holds `number`, or -1.
int remainingrow(const Module1 &m, int number);

// A window that shows nothing and only notes how the match ended.
class QuietWindow : public GameWindow
{
public:
    void form_load() override { }
    void stepchanged(Step) override { }
    void setstatus(const std::string &) override { }
    void showguess(const std::string &text) override { shown = text; }
    void processevents() override { }
    void defer(std::function<void()>) override { }
    void beep() override { }
    void showoutcome(Outcome which, const std::string &) override { outcome = which; }
    void showmessage(const std::string &) override { wrongsigns = true; }

    // Forgets how the previous match ended.
    void clear()
    {
        shown.clear();
        outcome.reset();
        wrongsigns = false;
    }

    std::string shown;
    std::optional<Outcome> outcome;
    bool wrongsigns = false;
};

// A fresh match whose seed is `seed`; the window must be attached.
void freshmatch(Module1 &m, QuietWindow &window, std::uint32_t seed);

// The numbers of the table that agree with the answers to the computer's guesses
// 0 .. rounds-1, the guesses themselves left out.
std::vector<Row> agreeing(const Module1 &m, int rounds);

// An answer to `guess` that none of `numbers` (the guess itself aside) gives,
// four minus tried first; none when every answer is possible.
std::optional<int> impossibleanswer(const Row &guess, const std::vector<Row> &numbers);

// Plays `rounds` such as "1234:00 5067:11" with Module1::playround, each guess taken from
// the remaining table. False, at the first guess the table no longer holds.
bool playrounds(Module1 &m, std::string_view rounds);

} // namespace numora::support
