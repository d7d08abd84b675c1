// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The thinking step read word for word from the rules, with nothing shared
// with the engine but the scoring rule: the yardstick for the engine's speed
// and for the exactness of its results.

#include "engine/module1.h"

#include <array>
#include <vector>

namespace numora::bench {

struct Thought
{
    Thought();
    int matchcount = 0;
    std::vector<Row> matches;
    std::vector<std::array<int16, codecount>> splits;
    std::vector<std::array<double, 5>> ratings;
    std::vector<int> best; // rows of the remaining table, ascending
};

// Reads the position (remaining table, guesses, answers, round) from `m`
// without changing it. With fewer than two matches only `matchcount` and
// `matches` are filled.
void thinkliterally(const Module1 &m, Thought &out);

// The engine's results equal `literal`: splits and the best set exactly,
// ratings bit for bit.
bool sameresults(const Module1 &m, const Thought &literal);

} // namespace numora::bench
