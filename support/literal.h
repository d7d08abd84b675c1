// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The thinking step read word for word from the rules, sharing nothing with the
// engine but the scoring rule: the yardstick for the engine's speed and for the
// exactness of its results.

#include "engine/module1.h"

#include <array>
#include <string>
#include <vector>

namespace numora::support {

// How a rating is added up. Only `stated` is the game's rule; the others show
// which positions are sensitive to the order of the additions.
enum class Order {
    stated,
    classesbackwards, // the reciprocals of the class sizes added from the last code to the first
    termsbackwards, // 1 / leastsplit + 10 * hitchance + 100 * nextchance + 1000 / worstsplit
    longdouble, // every step in long double
};

struct Thought
{
    int matchcount = 0;
    std::vector<Row> matches;
    std::vector<std::array<int16, codecount>> splits;
    std::vector<std::array<double, 5>> ratings;
    std::vector<long double> exactratings; // as ranked; the double ratings but for `longdouble`
    std::vector<int> best; // rows of the remaining table, ascending
};

// Reads the position (remaining table, guesses, answers, round) from `m` without
// changing it. With fewer than two matches only `matchcount` and `matches` are
// filled. `out` keeps its storage from one call to the next.
void thinkliterally(const Module1 &m, Thought &out, Order order = Order::stated);
Thought thinkliterally(const Module1 &m, Order order = Order::stated);

// Empty when the engine's results equal `literal`: matches, splits and the best
// set exactly, ratings bit for bit. Otherwise the first difference.
std::string difference(const Module1 &m, const Thought &literal);

} // namespace numora::support
