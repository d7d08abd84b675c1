// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench solve [TREE [WIDTH ...]]: searches a strategy tree for the
// Expert. At each position it ranks every number of the table as the next guess
// by how evenly it splits the numbers left (their entropy), then plays the best
// WIDTH of them out exactly (the first WIDTH for the second guess, the next for
// the third, and so on; one below the last) and keeps the one with the fewest
// guesses in all, none ever needing more than seven. Guesses are counted as
// the outcome rule counts them: a number known as the only one left counts as
// named with the next guess. Writes the tree to TREE (the Expert's data file)
// and prints its figures and a lower bound on any strategy's mean, proven for
// the first three guesses, the rest by counting.

#include "bench/bench.h"
#include "support/position.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace numora::bench {

using support::valueof;

namespace {

constexpr int classes = 14; // the 13 answers below four plus, then four plus
constexpr int hit = 13;
constexpr int mostguesses = 7;
constexpr long long unsolvable = std::numeric_limits<long long>::max() / 4;

int classof(int code)
{
    static constexpr std::array<int, 41> index = [] {
        std::array<int, 41> result {};
        const int codes[classes] = {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30, 40};
        for (int c = 0; c < classes; ++c)
            result[codes[c]] = c;
        return result;
    }();
    return index[code];
}

struct Tables
{
    std::vector<Row> numbers;
    std::vector<std::uint8_t> answer; // answer[g * size + s]: the class of secret s under guess g
    std::vector<double> plogp; // n log n
    int size = 0;
};

struct Node
{
    int guess = -1;
    std::array<int, classes> child {}; // node index, -1 for none
};

struct Searched
{
    long long cost = unsolvable; // guesses summed over the secrets
    int depth = 0; // the most guesses any secret needs
    bool toodeep = false; // unsolved because some secret would need more than seven
};

class Solver
{
public:
    Solver(const Tables &t, std::vector<int> widths) : t(t), widths(std::move(widths)) { }

    // The best tree for `set` found within the widths; `depth` guesses are made already.
    Searched solve(const std::vector<int> &set, int depth, long long bound, std::vector<Node> *tree, int *root)
    {
        ++positions;
        const int n = static_cast<int>(set.size());
        if (n == 1) {
            if (tree)
                *root = -1;
            return {1, depth + 1};
        }
        if (depth + 2 > mostguesses)
            return {unsolvable, 0, true};
        const std::vector<int> ranked = rank(set);
        const int width = depth - 1 < static_cast<int>(widths.size()) ? widths[depth - 1] : 1;
        Searched best {unsolvable, 0, true};
        int bestguess = -1;
        // More than the width while every one tried needs more than seven guesses.
        for (int tried = 0; tried < static_cast<int>(ranked.size()) && tried < width + 20; ++tried) {
            if (tried >= width && !best.toodeep)
                break;
            const Searched found = playout(set, ranked[tried], depth, std::min(bound, best.cost), nullptr);
            if (found.cost < best.cost) {
                best = found;
                bestguess = ranked[tried];
            } else if (!found.toodeep) {
                best.toodeep = false; // beaten on the bound, not on the depth
            }
        }
        if (tree && bestguess >= 0)
            playout(set, bestguess, depth, unsolvable, tree, root);
        return best;
    }

    // Fewest guesses summed over all numbers that any strategy needs: the
    // first guess is 1234 or 1023 in effect; below it each answer's numbers
    // are bounded by boundof, two guesses deep.
    long long rootbound(const std::vector<int> &all) const
    {
        long long best = unsolvable;
        for (int g = 0; g < t.size; ++g) {
            const int v = valueof(t.numbers[g]);
            if (v != 1023 && v != 1234)
                continue;
            std::array<std::vector<int>, classes> parts;
            for (int s : all)
                parts[t.answer[std::size_t(g) * t.size + s]].push_back(s);
            long long sum = static_cast<long long>(all.size());
            for (int c = 0; c < hit; ++c)
                sum += boundof(parts[c], 2);
            best = std::min(best, sum);
        }
        return best;
    }

    // Fewest guesses summed over `set` that any strategy needs: the best next
    // guess, each of its answers bounded `levels` - 1 guesses deep, the last
    // level by the counting bound. Next guesses are tried in the order of
    // their counting bound; once `tried` have been, the next one's counting
    // bound stands for all that are left, which none of them can beat.
    long long boundof(const std::vector<int> &set, int levels) const
    {
        const int n = static_cast<int>(set.size());
        if (n <= 1)
            return n;
        std::vector<std::pair<long long, int>> quick;
        quick.reserve(t.size);
        for (int h = 0; h < t.size; ++h) {
            std::array<int, classes> counts {};
            const std::uint8_t *row = &t.answer[std::size_t(h) * t.size];
            for (int s : set)
                ++counts[row[s]];
            long long here = n;
            for (int k = 0; k < hit; ++k)
                here += lowerbound(counts[k]);
            quick.push_back({here, h});
        }
        std::sort(quick.begin(), quick.end());
        if (levels <= 1)
            return quick.front().first;
        constexpr std::size_t tried = 64;
        long long best = unsolvable;
        for (std::size_t k = 0; k < quick.size() && quick[k].first < best; ++k) {
            if (k == tried) {
                best = std::min(best, quick[k].first);
                break;
            }
            std::array<std::vector<int>, classes> parts;
            for (int s : set)
                parts[t.answer[std::size_t(quick[k].second) * t.size + s]].push_back(s);
            long long here = n;
            for (int c = 0; c < hit && here < best; ++c)
                here += boundof(parts[c], levels - 1);
            best = std::min(best, here);
        }
        return best;
    }

    long long positions = 0;

    // Guess `g` at `set`, each answer's numbers solved below.
    Searched playout(const std::vector<int> &set, int g, int depth, long long bound, std::vector<Node> *tree,
        int *root = nullptr)
    {
        std::array<std::vector<int>, classes> parts;
        for (int s : set)
            parts[t.answer[std::size_t(g) * t.size + s]].push_back(s);
        long long cost = static_cast<long long>(set.size());
        int deepest = depth + 1;
        for (int c = 0; c < hit; ++c)
            cost += lowerbound(static_cast<int>(parts[c].size()));
        if (cost >= bound)
            return {};
        int self = -1;
        if (tree) {
            self = static_cast<int>(tree->size());
            tree->push_back({});
            (*tree)[self].guess = g;
            (*tree)[self].child.fill(-1);
            *root = self;
        }
        for (int c = 0; c < hit; ++c) {
            const int m = static_cast<int>(parts[c].size());
            if (m == 0)
                continue;
            cost -= lowerbound(m);
            int child = -1;
            const Searched below
                = solve(parts[c], depth + 1, bound - cost, tree, tree ? &child : nullptr);
            if (below.cost >= unsolvable)
                return {unsolvable, 0, below.toodeep};
            if (tree)
                (*tree)[self].child[c] = child;
            cost += below.cost;
            deepest = std::max(deepest, below.depth);
            if (cost >= bound && !tree)
                return {};
        }
        return {cost, deepest};
    }

private:
    // Fewest guesses summed over m secrets: one found with the first guess,
    // thirteen with the second, 13 * 13 with the third, and so on.
    static long long lowerbound(int m)
    {
        long long sum = 0, capacity = 1;
        for (int guesses = 1; m > 0; ++guesses) {
            const long long here = std::min<long long>(m, capacity);
            sum += here * guesses;
            m -= static_cast<int>(here);
            capacity = guesses == 1 ? 13 : capacity * 13;
        }
        return sum;
    }

    // Every number of the table, best split first; numbers that could be the
    // secret before others on a tie. Numbers that split nothing are left out.
    std::vector<int> rank(const std::vector<int> &set) const
    {
        std::vector<char> inset(t.size, 0);
        for (int s : set)
            inset[s] = 1;
        std::vector<std::pair<double, int>> scored;
        scored.reserve(t.size);
        for (int g = 0; g < t.size; ++g) {
            std::array<int, classes> counts {};
            const std::uint8_t *row = &t.answer[std::size_t(g) * t.size];
            for (int s : set)
                ++counts[row[s]];
            int parts = 0;
            double spread = 0.0;
            for (int c = 0; c < hit; ++c) {
                parts += counts[c] > 0;
                spread += t.plogp[counts[c]];
            }
            if (parts < 2 && counts[hit] == 0)
                continue;
            scored.push_back({spread - (inset[g] ? 1e-9 : 0.0), g});
        }
        std::sort(scored.begin(), scored.end());
        // Guesses that split alike are mostly the same guess with digits renamed:
        // one of each is enough.
        std::vector<int> result;
        for (std::size_t k = 0; k < scored.size(); ++k)
            if (k == 0 || scored[k].first != scored[k - 1].first)
                result.push_back(scored[k].second);
        return result;
    }

    const Tables &t;
    std::vector<int> widths;
};

void depths(const Tables &t, const std::vector<Node> &tree, int node, const std::vector<int> &set, int depth,
    std::vector<int> &count)
{
    std::array<std::vector<int>, classes> parts;
    for (int s : set)
        parts[t.answer[std::size_t(tree[node].guess) * t.size + s]].push_back(s);
    count[depth + 1] += static_cast<int>(parts[hit].size());
    for (int c = 0; c < hit; ++c) {
        if (parts[c].size() == 1)
            ++count[depth + 2];
        else if (parts[c].size() > 1)
            depths(t, tree, tree[node].child[c], parts[c], depth + 1, count);
    }
}

void write(const Tables &t, const std::vector<Node> &tree, int node, std::string &out, int &online)
{
    out += numbertext(t.numbers[tree[node].guess]);
    out += ++online % 16 == 0 ? '\n' : ' ';
    for (int c = 0; c < hit; ++c)
        if (tree[node].child[c] >= 0)
            write(t, tree, tree[node].child[c], out, online);
}

} // namespace

int solve(int argc, char **argv)
{
    const char *file = argc >= 1 ? argv[0] : nullptr;
    std::vector<int> widths;
    for (int a = 1; a < argc; ++a)
        widths.push_back(std::max(1, std::atoi(argv[a])));
    if (widths.empty())
        widths = {32, 12, 4, 2};

    const auto start = std::chrono::steady_clock::now();
    Tables t;
    {
        auto m = std::make_unique<Module1>();
        m->makecandidates();
        t.numbers.assign(m->state().candidates.begin(), m->state().candidates.end());
    }
    t.size = static_cast<int>(t.numbers.size());
    t.answer.resize(std::size_t(t.size) * t.size);
    for (int g = 0; g < t.size; ++g)
        for (int s = 0; s < t.size; ++s)
            t.answer[std::size_t(g) * t.size + s] = static_cast<std::uint8_t>(classof(countsigns(t.numbers[g], t.numbers[s])));
    t.plogp.resize(t.size + 1);
    for (int n = 1; n <= t.size; ++n)
        t.plogp[n] = n * std::log2(double(n));

    std::vector<int> all(t.size);
    std::iota(all.begin(), all.end(), 0);
    Solver solver(t, widths);
    // Renaming the digits 1-9 or the last three places changes no answer, so
    // every first guess plays as 1234 or as 1023: both are tried.
    Searched best;
    int bestfirst = -1;
    for (int first : {1023, 1234}) {
        int g = 0;
        while (valueof(t.numbers[g]) != first)
            ++g;
        const Searched found = solver.playout(all, g, 0, unsolvable, nullptr);
        std::fprintf(stderr, "first guess %d: mean %.4f worst %d\n", first, double(found.cost) / t.size, found.depth);
        if (found.cost < best.cost) {
            best = found;
            bestfirst = g;
        }
    }
    std::vector<Node> tree;
    int root = -1;
    solver.playout(all, bestfirst, 0, unsolvable, &tree, &root);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::vector<int> count(mostguesses + 3, 0);
    depths(t, tree, root, all, 0, count);
    long long total = 0;
    int worst = 0;
    for (int k = 1; k < int(count.size()); ++k) {
        total += static_cast<long long>(k) * count[k];
        if (count[k] > 0)
            worst = k;
    }
    std::printf("widths");
    for (int w : widths)
        std::printf(" %d", w);
    std::printf("\n");
    for (int k = 1; k < int(count.size()); ++k)
        if (count[k] > 0)
            std::printf("guesses %d: %d\n", k, count[k]);
    std::printf("mean %.4f (%lld / %d)\n", double(total) / t.size, total, t.size);
    std::printf("worst %d\n", worst);
    std::printf("positions %lld\n", solver.positions);
    std::printf("nodes %zu\n", tree.size());
    const long long bound = solver.rootbound(all);
    std::printf("lower_bound %.4f (%lld / %d)\n", double(bound) / t.size, bound, t.size);
    std::printf("wall_s %.1f\n", seconds);
    if (file) {
        std::string out = "# SPDX-FileCopyrightText: 2026 The Numora team\n# SPDX-License-Identifier: GPL-3.0-or-later\n"
                          "# The Expert's strategy: written by numora-bench solve, widths";
        for (int w : widths)
            out += " " + std::to_string(w);
        char figures[64];
        std::snprintf(figures, sizeof figures, ", mean %.4f, worst %d.\n", double(total) / t.size, worst);
        out += figures;
        out += "# The guesses in preorder: after each, the positions its answers lead to\n"
               "# (0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30 plus-minus in turn) where\n"
               "# two numbers or more are left.\n";
        int online = 0;
        write(t, tree, root, out, online);
        if (out.back() != '\n')
            out.back() = '\n';
        std::ofstream(file) << out;
    }
    return total == best.cost && worst <= mostguesses ? 0 : 1;
}

} // namespace numora::bench
