// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/position.h"

namespace numora::support {

Row rowof(std::string_view text)
{
    return Row {int16(text[0] - '0'), int16(text[1] - '0'), int16(text[2] - '0'), int16(text[3] - '0')};
}

int remainingrow(const Module1 &m, int number)
{
    for (int row = 0; row <= m.lastremaining(); ++row)
        if (valueof(m.state().candidates[row]) == number)
            return row;
    return -1;
}

void freshmatch(Module1 &m, QuietWindow &window, std::uint32_t seed)
{
    window.clear();
    m.setseeder([seed] { return seed; });
    m.startgame();
}

std::vector<Row> agreeing(const Module1 &m, int rounds)
{
    Module1 fresh;
    fresh.makecandidates();
    std::vector<Row> result;
    for (const Row &row : fresh.state().candidates) {
        bool fits = true;
        for (int r = 0; r < rounds && fits; ++r)
            fits = row != m.state().myguesses[r] && countsigns(m.state().myguesses[r], row) == m.state().mysigns[r];
        if (fits)
            result.push_back(row);
    }
    return result;
}

std::optional<int> impossibleanswer(const Row &guess, const std::vector<Row> &numbers)
{
    for (int code : {4, 13, 22, 3, 12, 21, 30, 2, 11, 20, 1, 10, 0}) {
        bool given = false;
        for (const Row &n : numbers)
            given = given || (n != guess && countsigns(guess, n) == code);
        if (!given)
            return code;
    }
    return std::nullopt;
}

bool playrounds(Module1 &m, std::string_view rounds)
{
    while (!rounds.empty()) {
        if (rounds.front() == ' ') {
            rounds.remove_prefix(1);
            continue;
        }
        const std::string_view item = rounds.substr(0, 7); // "1234:00"
        rounds.remove_prefix(item.size());
        const int row = remainingrow(m, valueof(rowof(item)));
        if (row < 0)
            return false;
        m.playround(row, static_cast<int16>((item[5] - '0') * 10 + (item[6] - '0')));
    }
    return true;
}

} // namespace numora::support
