// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The counting behind the computer's thinking, fast and with exactly the
// results of scoring every pair and comparing its code with each answer code:
//
// - The answer code of a guess against a number is a sum of four terms, one
//   per digit of the guess, and each term depends only on that digit, its
//   position and the number. Once per round the terms of every match are laid
//   out in byte tables, so a guess's codes against 16 matches take four loads
//   and three additions, and are tallied per code in 16 byte counters at once.
// - Relabelling the digits that no guess of the match has used (0 excepted: it
//   may not lead) changes no answer, so when the matches are closed under such
//   relabellings, numbers that differ only by one have equal split counts. Each
//   such family is counted once and its counts copied to the others. (Rows
//   holding an unused digit twice, which the number table has none of, are
//   all counted.)
// - The terms, the codes and the counters are handled sixteen bytes at a time
//   as GCC/Clang vector values, so the work takes vector instructions at every
//   optimisation level, whatever the compiler's vectoriser does.
// - The consistency filter checks each row against one answer after another
//   and drops it at the first disagreement.
//
// Rows hold digits 0 to 9; rows of the number table hold four different digits.
// All tables are allocated with the object; nothing is allocated per round.

#include "engine/module1.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace numora {

class FastSplits
{
public:
    FastSplits();
    FastSplits(const FastSplits &) = delete;
    FastSplits &operator=(const FastSplits &) = delete;

    // Copies the rows 0..last of `table` that score `signs`[r] against `guesses`[r]
    // for every r < rounds into `matches`, in table order; returns how many.
    int findmatches(const std::array<Row, tablesize> &table, int last, const Row *guesses, const int16 *signs,
        int rounds, std::array<Row, tablesize> &matches);

    // For every row i in 0..last of `table` and column n: how many of `matches`
    // 0..count-1 score codes[n] against it (as countsigns(table[i], match)).
    // `guesses` 0..rounds-1 are the match's guesses so far. 0 <= last < ratedsize.
    void countsplits(const std::array<Row, tablesize> &table, int last, const std::array<Row, tablesize> &matches,
        int count, const Row *guesses, int rounds, const std::array<int16, codecount> &codes,
        std::array<std::array<int16, codecount>, ratedsize> &splits);

    // A row before `row` that got the same split counts from the latest
    // countsplits, or -1. A hint only: check the counts before relying on it.
    int sharedwith(int row) const { return shared[row]; }

    // 1.0 / x for x >= 1, exactly as the division rounds it.
    double reciprocal(int x) const { return x < tablesize ? reciprocals[x] : 1.0 / x; }

private:
    static constexpr int lanes = 16; // matches per step
    static constexpr int paddedsize = (tablesize + lanes - 1) / lanes * lanes;
    using Terms = std::array<std::array<std::array<std::uint8_t, paddedsize>, 10>, 4>;

    void layoutterms(const std::array<Row, tablesize> &matches, int count);
    // Fills `shared` for rows 0..last; false when the matches are not closed under
    // relabelling the unused digits (never in a real match) and nothing is shared.
    bool findfamilies(const std::array<Row, tablesize> &table, int last, const std::array<Row, tablesize> &matches,
        int count, const Row *guesses, int rounds);
    // Counts of the codes 0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30 of `guess`
    // against the laid-out matches.
    void tally(const Row &guess, int blocks, std::array<int, codecount> &counts) const;

    // terms[q][d][m]: what a guess digit d at position q adds to its code against match m:
    // 10 when m holds d at q, plus 1 when m holds d at another position.
    alignas(64) Terms terms {};
    std::array<int16, tablesize> survivors {}; // rows that agree with the answers so far
    std::array<int16, ratedsize> shared {};
    std::array<int16, 10000> bykey {}; // per family (its key number): count, then first row
    std::bitset<10000> seen; // matches met so far, by number
    std::array<double, tablesize> reciprocals {};
};

} // namespace numora
