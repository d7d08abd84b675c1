// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace numora {

struct MatchState;

// How strongly the computer plays. Normal is the engine's own rating; the
// others are strategies the engine is given.
enum class Strength { easy, normal, expert };

// How the computer chooses its ordinary guesses. The rules stay the engine's:
// it finds the numbers that fit every answer, names the only one left without a
// guess, stops at answers no number fits, and takes the last-chance guess once
// the player has found its number. A strategy only picks the next guess.
class Strategy
{
public:
    virtual ~Strategy() = default;

    virtual Strength strength() const = 0;

    // The remaining row (0 .. state.lastremaining()) to guess next. In round 0
    // nothing has been answered; later state.matches holds the matchcount >= 2
    // numbers that fit every answer. `draw(n)` is the game's own uniform draw
    // of 0 .. n-1. Never sees the player's secret: the engine does not know it.
    virtual int choose(const MatchState &state, const std::function<int(int)> &draw) = 0;
};

} // namespace numora
