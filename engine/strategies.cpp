// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/strategies.h"

#include "engine/module1.h"

#include <array>
#include <cstring>
#include <vector>

namespace numora {

namespace {

// The column of an answer code below four plus in signcodes order.
int codeindex(int code)
{
    const int plus = code / 10, minus = code % 10;
    static constexpr int first[4] = {0, 5, 9, 12}; // where each plus count begins
    return first[plus] + minus;
}

// The remaining row that holds `number`, or -1.
int rowof(const MatchState &state, const Row &number)
{
    for (int row = 0; row <= state.lastremaining(); ++row)
        if (state.candidates[row] == number)
            return row;
    return -1;
}

// Any number that fits every answer: in round 0 any number of the table.
int anymatch(const MatchState &state, const std::function<int(int)> &draw)
{
    if (state.myround == 0)
        return draw(state.lastremaining() + 1);
    const int row = rowof(state, state.matches[draw(state.matchcount)]);
    return row >= 0 ? row : draw(state.lastremaining() + 1);
}

// A beginner's opponent: it keeps only its latest answers in mind and guesses
// any number that fits them, so it often asks what it could have known. The
// engine still names the only number left by every answer, as the rules have it.
class Easy : public Strategy
{
public:
    Strength strength() const override { return Strength::easy; }

    int choose(const MatchState &state, const std::function<int(int)> &draw) override
    {
        const int from = state.myround > remembered ? state.myround - remembered : 0;
        fitting.clear();
        for (int row = 0; row <= state.lastremaining(); ++row) {
            bool fits = true;
            for (int r = from; r < state.myround && fits; ++r)
                fits = countsigns(state.myguesses[r], state.candidates[row]) == state.mysigns[r];
            if (fits)
                fitting.push_back(row);
        }
        if (fitting.empty()) // cannot happen: the numbers left by every answer fit
            return anymatch(state, draw);
        return fitting[draw(static_cast<int>(fitting.size()))];
    }

private:
    static constexpr int remembered = 1;
    std::vector<int> fitting;
};

// The Expert plays a strategy tree searched offline (numora-bench solve): its
// guess is looked up, never thought out. Each match renames the digits 1-9 and
// the last three places at random, which changes no answer: the tree's figures
// hold for every match, but its guesses cannot be learnt by heart.
class Expert : public Strategy
{
public:
    struct Node
    {
        Row guess {};
        std::array<int, codecount> child {}; // -1 where at most one number is left
    };

    Expert() : nodes(tree()) { }

    Strength strength() const override { return Strength::expert; }

    int choose(const MatchState &state, const std::function<int(int)> &draw) override
    {
        if (state.myround == 0)
            rename(draw);
        int node = nodes.empty() ? -1 : 0;
        for (int r = 0; r < state.myround && node >= 0; ++r)
            node = nodes[node].child[codeindex(state.mysigns[r])];
        if (node < 0)
            return anymatch(state, draw); // a tree that does not cover the answers
        Row guess {};
        for (int place = 0; place < 4; ++place)
            guess[places[place]] = digits[nodes[node].guess[place]];
        const int row = rowof(state, guess);
        return row >= 0 ? row : anymatch(state, draw);
    }

    // The tree, read once from the data built into the engine.
    static const std::vector<Node> &tree()
    {
        static const std::vector<Node> built = read(experttree);
        return built;
    }

    // The tree of `text`: its guesses in preorder, each followed by the trees of
    // its answers (in signcodes order) that leave two numbers or more. Empty
    // when the text is not such a tree.
    static std::vector<Node> read(const char *text)
    {
        std::array<Row, tablesize> table {};
        int count = 0;
        for (int16 n = 1000; n <= 9999; ++n) {
            const Row row {int16(n / 1000), int16(n / 100 % 10), int16(n / 10 % 10), int16(n % 10)};
            if (row[0] != row[1] && row[0] != row[2] && row[0] != row[3] && row[1] != row[2] && row[1] != row[3]
                && row[2] != row[3])
                table[count++] = row;
        }
        std::vector<Node> nodes;
        std::vector<Row> all(table.begin(), table.end());
        const char *at = text;
        if (!build(all, at, nodes))
            return {};
        while (*at == ' ' || *at == '\n')
            ++at;
        return *at == '\0' ? nodes : std::vector<Node> {};
    }

private:
    static bool build(const std::vector<Row> &set, const char *&at, std::vector<Node> &nodes)
    {
        while (*at == ' ' || *at == '\n')
            ++at;
        Row guess {};
        for (int d = 0; d < 4; ++d) {
            if (at[d] < '0' || at[d] > '9')
                return false;
            guess[d] = static_cast<int16>(at[d] - '0');
        }
        at += 4;
        const int self = static_cast<int>(nodes.size());
        nodes.push_back({guess, {}});
        nodes[self].child.fill(-1);
        std::array<std::vector<Row>, codecount> parts;
        for (const Row &number : set) {
            const int code = countsigns(guess, number);
            if (code != 40)
                parts[codeindex(code)].push_back(number);
        }
        for (int c = 0; c < codecount; ++c) {
            if (parts[c].size() < 2)
                continue;
            nodes[self].child[c] = static_cast<int>(nodes.size());
            if (!build(parts[c], at, nodes))
                return false;
        }
        return true;
    }

    void rename(const std::function<int(int)> &draw)
    {
        for (int d = 0; d < 10; ++d)
            digits[d] = static_cast<int16>(d);
        for (int d = 9; d > 1; --d) // 0 stays, so a first digit stays nonzero
            std::swap(digits[d], digits[1 + draw(d)]);
        places = {0, 1, 2, 3};
        for (int p = 3; p > 1; --p)
            std::swap(places[p], places[1 + draw(p)]);
    }

    const std::vector<Node> &nodes;
    std::array<int16, 10> digits {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    std::array<int, 4> places {0, 1, 2, 3};
};

} // namespace

std::unique_ptr<Strategy> makestrategy(Strength strength)
{
    switch (strength) {
    case Strength::easy:
        return std::make_unique<Easy>();
    case Strength::expert:
        return std::make_unique<Expert>();
    case Strength::normal:
        break;
    }
    return nullptr;
}

} // namespace numora
