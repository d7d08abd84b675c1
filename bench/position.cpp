// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/position.h"

namespace numora::bench {

int remainingrow(const Module1 &m, int number)
{
    for (int row = 0; row <= m.lastremaining(); ++row)
        if (valueof(m.candidates[row]) == number)
            return row;
    return -1;
}

void freshmatch(Module1 &m, QuietWindow &window, std::uint32_t seed)
{
    window.clear();
    m.setseeder([seed] { return seed; });
    m.startgame();
}

void playround(Module1 &m, int row, int code)
{
    m.myguesses[m.myround] = m.candidates[row];
    m.removeguess(row);
    m.mysigns[m.myround] = static_cast<int16>(code);
    ++m.myround;
    m.yourround = static_cast<int16>(m.myround + 1); // the player guesses first
}

} // namespace numora::bench
