// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fastsplits.h"

#include "engine/doublerounding.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace numora {

namespace {

// Every answer code below four plus, in the order the counters keep them.
constexpr std::array<std::uint8_t, codecount> everycode = {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30};
// The code of the padding beyond the last match: above any sum of four terms.
constexpr std::uint8_t paddingcode = 200;
// Byte counters gain at most 1 per step; they are emptied before they can overflow.
constexpr int stepsbeforeemptying = 255;

// Sixteen bytes handled as one value (GCC and Clang vector extension): its
// additions and comparisons become single vector instructions at every
// optimisation level. A plain loop over sixteen lanes was vectorised at -O2 only:
// -O3 unrolled it into 208 byte counters and vectorised across blocks instead,
// spilling them all to the stack, and -Os did not vectorise it at all.
using Lanes = std::uint8_t __attribute__((vector_size(16)));
using Lanes16 = std::uint16_t __attribute__((vector_size(16)));
using Lanes32 = std::uint32_t __attribute__((vector_size(16)));
using Lanes64 = std::uint64_t __attribute__((vector_size(16)));

// i386's baseline has no vector unit for them: there the two functions that
// work on lanes come twice, and a processor with SSE2 gets the vector one when
// the program loads. The helpers are inlined into each, taking its
// instructions along, so no call ever passes lanes (whose i386 calling
// convention changes with SSE, as GCC warns).
#if defined(__i386__) && !defined(__SSE2__)
#define NUMORA_LANES_CLONES __attribute__((target_clones("default", "sse2")))
#define NUMORA_LANES_INLINE __attribute__((always_inline))
#pragma GCC diagnostic ignored "-Wpsabi"
#else
#define NUMORA_LANES_CLONES
#define NUMORA_LANES_INLINE
#endif

NUMORA_LANES_INLINE inline Lanes loadlanes(const std::uint8_t *at)
{
    Lanes value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

NUMORA_LANES_INLINE inline void storelanes(std::uint8_t *at, Lanes value)
{
    std::memcpy(at, &value, sizeof value);
}

template<std::size_t... n>
NUMORA_LANES_INLINE inline void tallylanes(
    std::array<Lanes, codecount> &counters, Lanes code, std::index_sequence<n...>)
{
    // One comparison per code over all lanes; a true lane compares as all ones,
    // which subtracted adds one.
    ((counters[n] -= __builtin_bit_cast(Lanes, code == everycode[n])), ...);
}

// The sum of the sixteen byte lanes: neighbours added in ever wider lanes.
NUMORA_LANES_INLINE inline int lanesum(Lanes bytes)
{
    const auto pairs = __builtin_bit_cast(Lanes16, bytes);
    const auto quads = __builtin_bit_cast(Lanes32, (pairs & 0xff) + (pairs >> 8));
    const auto halves = __builtin_bit_cast(Lanes64, (quads & 0xffff) + (quads >> 16));
    const Lanes64 sums = (halves & 0xffffffff) + (halves >> 32);
    return static_cast<int>(sums[0] + sums[1]);
}

// Adds the counters into the counts, each named on its own (not by a loop over
// the array), so that no optimisation level gives the counters a home in memory.
template<std::size_t... n>
NUMORA_LANES_INLINE inline void emptylanes(
    const std::array<Lanes, codecount> &counters, std::array<int, codecount> &counts, std::index_sequence<n...>)
{
    ((counts[n] += lanesum(counters[n])), ...);
}

int valueof(const Row &row)
{
    return ((row[0] * 10 + row[1]) * 10 + row[2]) * 10 + row[3];
}

// The digits no guess has used, 0 excepted, and a name for each family of
// numbers that turn into each other by relabelling them: the member whose free
// digits, read from the left, are the lowest free digits in ascending order.
class Relabelling
{
public:
    Relabelling(const Row *guesses, int rounds)
    {
        std::array<bool, 10> used {};
        used[0] = true;
        for (int r = 0; r < rounds; ++r)
            for (int16 d : guesses[r])
                used[d] = true;
        std::array<int16, 10> order {};
        for (int d = 0; d < 10; ++d) {
            free[d] = !used[d];
            if (free[d]) {
                order[freecount++] = static_cast<int16>(d);
                freedigits |= 1u << d;
            }
        }
        for (int d = 0; d < 10; ++d)
            for (int before = 0; before < 4; ++before)
                label[d][before] = free[d] && before < freecount ? order[before] : static_cast<int16>(d);
    }

    int freecount = 0;

    // The family's name, and in `relabelled` how many free digits the row holds;
    // -1 for a row that holds a free digit twice (no row of the number table does).
    int family(const Row &row, int &relabelled) const
    {
        // The four positions written out, so no optimisation level keeps a loop here.
        const int a = row[0], b = row[1], c = row[2], d = row[3];
        const int beforeb = free[a], beforec = beforeb + free[b], befored = beforec + free[c];
        relabelled = befored + free[d];
        const unsigned bita = 1u << a, bitb = 1u << b, bitc = 1u << c, bitd = 1u << d;
        const unsigned twice = (bita & (bitb | bitc | bitd)) | (bitb & (bitc | bitd)) | (bitc & bitd);
        if (twice & freedigits)
            return -1;
        return ((label[a][0] * 10 + label[b][beforeb]) * 10 + label[c][beforec]) * 10 + label[d][befored];
    }

    // Members of a family whose rows hold `relabelled` different free digits.
    int familysize(int relabelled) const
    {
        int size = 1;
        for (int k = 0; k < relabelled; ++k)
            size *= freecount - k;
        return size;
    }

private:
    std::array<bool, 10> free {};
    unsigned freedigits = 0; // one bit per free digit
    // What a digit becomes after `before` free digits of its row: the next free
    // digit in ascending order if it is free itself, else the digit.
    std::array<std::array<int16, 4>, 10> label {};
};

} // namespace

FastSplits::FastSplits()
{
    shared.fill(-1);
    const DoubleRounding rounding;
    for (int x = 1; x < tablesize; ++x)
        reciprocals[x] = 1.0 / x;
}

int FastSplits::findmatches(const std::array<Row, tablesize> &table, int last, const Row *guesses, const int16 *signs,
    int rounds, std::array<Row, tablesize> &matches)
{
    int alive = last + 1;
    for (int c = 0; c < alive; ++c)
        survivors[c] = static_cast<int16>(c);
    for (int r = 0; r < rounds && alive > 0; ++r) {
        // What a row's digit d at position e adds to its code against the guess;
        // summing over the row's positions gives the code, as its digits differ.
        const Row &guess = guesses[r];
        std::array<std::array<int, 10>, 4> term {};
        for (int e = 0; e < 4; ++e)
            for (int q = 0; q < 4; ++q)
                term[e][guess[q]] += q == e ? 10 : 1;
        int kept = 0;
        for (int k = 0; k < alive; ++k) {
            const Row &row = table[survivors[k]];
            const int code = term[0][row[0]] + term[1][row[1]] + term[2][row[2]] + term[3][row[3]];
            if (code == signs[r])
                survivors[kept++] = survivors[k];
        }
        alive = kept;
    }
    for (int k = 0; k < alive; ++k)
        matches[k] = table[survivors[k]];
    return alive;
}

NUMORA_LANES_CLONES void FastSplits::layoutterms(const std::array<Row, tablesize> &matches, int count)
{
    // Sixteen matches at a time, each table row written whole: per lane, 10 where
    // the match holds the digit at the row's position, plus 1 where it holds it at
    // another. Lanes past the last match hold no digit and code as padding.
    const auto is = [](Lanes digits, int d) NUMORA_LANES_INLINE {
        return __builtin_bit_cast(Lanes, digits == static_cast<std::uint8_t>(d));
    };
    for (int first = 0; first < count; first += lanes) {
        std::array<Lanes, 4> at {};
        for (int l = 0; l < lanes; ++l)
            for (int q = 0; q < 4; ++q)
                at[q][l] = static_cast<std::uint8_t>(first + l < count ? matches[first + l][q] : 10);
        const Lanes padding = is(at[0], 10) & paddingcode;
        for (int d = 0; d < 10; ++d) {
            const Lanes at0 = is(at[0], d), at1 = is(at[1], d), at2 = is(at[2], d), at3 = is(at[3], d);
            storelanes(terms[0][d].data() + first, (at0 & 10) | ((at1 | at2 | at3) & 1) | padding);
            storelanes(terms[1][d].data() + first, (at1 & 10) | ((at0 | at2 | at3) & 1));
            storelanes(terms[2][d].data() + first, (at2 & 10) | ((at0 | at1 | at3) & 1));
            storelanes(terms[3][d].data() + first, (at3 & 10) | ((at0 | at1 | at2) & 1));
        }
    }
}

bool FastSplits::findfamilies(const std::array<Row, tablesize> &table, int last,
    const std::array<Row, tablesize> &matches, int count, const Row *guesses, int rounds)
{
    std::fill_n(shared.begin(), last + 1, int16 {-1});
    const Relabelling relabelling(guesses, rounds);
    if (relabelling.freecount < 2)
        return false;

    // Closed under relabelling: each family met among the matches is there in full.
    bykey.fill(0);
    seen.reset();
    int relabelled = 0;
    for (int m = 0; m < count; ++m) {
        const int value = valueof(matches[m]);
        if (seen[value])
            return false;
        seen[value] = true;
        const int family = relabelling.family(matches[m], relabelled);
        if (family < 0)
            return false;
        ++bykey[family];
    }
    for (int m = 0; m < count; ++m) {
        const int family = relabelling.family(matches[m], relabelled);
        if (bykey[family] != relabelling.familysize(relabelled))
            return false;
    }

    bykey.fill(-1);
    for (int i = 0; i <= last; ++i) {
        const int family = relabelling.family(table[i], relabelled);
        if (family < 0) {
            std::fill_n(shared.begin(), last + 1, int16 {-1});
            return false;
        }
        int16 &first = bykey[family];
        if (first < 0)
            first = static_cast<int16>(i);
        else
            shared[i] = first;
    }
    return true;
}

NUMORA_LANES_CLONES void FastSplits::tally(const Row &guess, int blocks, std::array<int, codecount> &counts) const
{
    static_assert(sizeof(Lanes) == lanes);
    const std::uint8_t *term0 = terms[0][guess[0]].data();
    const std::uint8_t *term1 = terms[1][guess[1]].data();
    const std::uint8_t *term2 = terms[2][guess[2]].data();
    const std::uint8_t *term3 = terms[3][guess[3]].data();
    counts.fill(0);
    for (int start = 0; start < blocks; start += stepsbeforeemptying) {
        std::array<Lanes, codecount> counters {};
        const int end = std::min(blocks, start + stepsbeforeemptying) * lanes;
        for (int b = start * lanes; b < end; b += lanes) {
            const Lanes code
                = loadlanes(term0 + b) + loadlanes(term1 + b) + loadlanes(term2 + b) + loadlanes(term3 + b);
            tallylanes(counters, code, std::make_index_sequence<codecount>());
        }
        emptylanes(counters, counts, std::make_index_sequence<codecount>());
    }
}

void FastSplits::countsplits(const std::array<Row, tablesize> &table, int last,
    const std::array<Row, tablesize> &matches, int count, const Row *guesses, int rounds,
    const std::array<int16, codecount> &codes, std::array<std::array<int16, codecount>, ratedsize> &splits)
{
    // Column n of the splits is counter column[n]; -1 for a code outside the usual list.
    std::array<int, codecount> column {};
    bool usual = true;
    for (int n = 0; n < codecount; ++n) {
        const auto at = std::find(everycode.begin(), everycode.end(), codes[n]);
        column[n] = at == everycode.end() ? -1 : static_cast<int>(at - everycode.begin());
        usual = usual && column[n] >= 0;
    }

    layoutterms(matches, count);
    findfamilies(table, last, matches, count, guesses, rounds);
    const int blocks = (count + lanes - 1) / lanes;
    std::array<int, codecount> counts {};
    for (int i = 0; i <= last; ++i) {
        auto &split = splits[i];
        if (shared[i] >= 0) {
            split = splits[shared[i]];
            continue;
        }
        const Row &guess = table[i];
        if (usual) {
            tally(guess, blocks, counts);
            for (int n = 0; n < codecount; ++n)
                split[n] = static_cast<int16>(counts[column[n]]);
            continue;
        }
        split.fill(0);
        for (int m = 0; m < count; ++m) {
            const int code
                = terms[0][guess[0]][m] + terms[1][guess[1]][m] + terms[2][guess[2]][m] + terms[3][guess[3]][m];
            for (int n = 0; n < codecount; ++n)
                if (code == codes[n])
                    ++split[n];
        }
    }
}

} // namespace numora
