// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/strategy.h"

#include <cstdint>
#include <string>
#include <vector>

namespace numora {

// How a game ended, from the player's side.
enum class Ending { won, lost, draw, contradiction, abandoned };

// One game as it ended: plain values, no words. Handed to the listener before
// the outcome's dialog or message shows.
struct GameReport
{
    struct Guess
    {
        std::string number; // "1023"
        std::int16_t plus = 0;
        std::int16_t minus = 0;
    };

    Ending ending = Ending::abandoned;
    Strength strength = Strength::normal;
    int rounds = 0; // the player's guesses; the computer had as many turns
    std::string mynumber; // the computer's secret
    // The player's number when the computer found it (guessed with four plus,
    // or named as the only one left); empty when it never did.
    std::string yournumber;
    std::vector<Guess> yourguesses; // scored against mynumber
    std::vector<Guess> myguesses; // answered by the player; an unanswered guess is left out
};

// Told of every game that ends, beside the window: a record of games.
class GameListener
{
public:
    virtual ~GameListener() = default;
    virtual void gameended(const GameReport &report) = 0;
};

} // namespace numora
