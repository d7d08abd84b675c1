#include "engine/fastsplits.h"

#include <algorithm>
#include <utility>

namespace numora {

namespace {

// Every answer code below four plus, in the order the counters keep them.
constexpr std::array<std::uint8_t, codecount> everycode = {0, 1, 2, 3, 4, 10, 11, 12, 13, 20, 21, 22, 30};
// The code of the padding beyond the last match: above any sum of four terms.
constexpr std::uint8_t paddingcode = 200;
// Byte counters gain at most 1 per step; they are emptied before they can overflow.
constexpr int stepsbeforeemptying = 255;

using Lanes = std::array<std::uint8_t, 16>;

template<std::size_t... n>
inline void tallylanes(std::array<Lanes, codecount> &counters, const Lanes &code, std::index_sequence<n...>)
{
    // One comparison per code over all lanes; the compiler keeps each counter in a vector register.
    (
        [&] {
            for (std::size_t l = 0; l < code.size(); ++l)
                counters[n][l] = static_cast<std::uint8_t>(counters[n][l] + (code[l] == everycode[n]));
        }(),
        ...);
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
        for (int d = 0; d < 10; ++d) {
            free[d] = !used[d];
            if (free[d])
                order[freecount++] = static_cast<int16>(d);
        }
    }

    int freecount = 0;

    // The family's name, and in `relabelled` how many different free digits the row holds.
    int family(const Row &row, int &relabelled) const
    {
        std::array<int16, 10> image;
        image.fill(-1);
        relabelled = 0;
        int value = 0;
        for (int16 d : row) {
            if (free[d]) {
                if (image[d] < 0)
                    image[d] = order[relabelled++];
                d = image[d];
            }
            value = value * 10 + d;
        }
        return value;
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
    std::array<int16, 10> order {};
};

} // namespace

FastSplits::FastSplits()
{
    shared.fill(-1);
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

void FastSplits::layoutterms(const std::array<Row, tablesize> &matches, int count)
{
    const int padded = (count + lanes - 1) / lanes * lanes;
    for (auto &position : terms)
        for (auto &digit : position)
            std::fill_n(digit.begin(), padded, std::uint8_t {0});
    for (int m = 0; m < count; ++m) {
        const Row &match = matches[m];
        for (int q = 0; q < 4; ++q)
            terms[q][match[q]][m] += 10;
        for (int q = 0; q < 4; ++q)
            for (int e = 0; e < 4; ++e)
                if (e != q)
                    terms[q][match[e]][m] |= 1; // once, however often the digit occurs elsewhere
    }
    for (int m = count; m < padded; ++m)
        for (auto &digit : terms[0])
            digit[m] = paddingcode;
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
        ++bykey[relabelling.family(matches[m], relabelled)];
    }
    for (int m = 0; m < count; ++m) {
        const int family = relabelling.family(matches[m], relabelled);
        if (bykey[family] != relabelling.familysize(relabelled))
            return false;
    }

    bykey.fill(-1);
    for (int i = 0; i <= last; ++i) {
        int16 &first = bykey[relabelling.family(table[i], relabelled)];
        if (first < 0)
            first = static_cast<int16>(i);
        else
            shared[i] = first;
    }
    return true;
}

void FastSplits::tally(const Row &guess, int blocks, std::array<int, codecount> &counts) const
{
    const std::uint8_t *term0 = terms[0][guess[0]].data();
    const std::uint8_t *term1 = terms[1][guess[1]].data();
    const std::uint8_t *term2 = terms[2][guess[2]].data();
    const std::uint8_t *term3 = terms[3][guess[3]].data();
    counts.fill(0);
    for (int start = 0; start < blocks; start += stepsbeforeemptying) {
        std::array<Lanes, codecount> counters {};
        const int end = std::min(blocks, start + stepsbeforeemptying) * lanes;
        for (int b = start * lanes; b < end; b += lanes) {
            Lanes code;
            for (int l = 0; l < lanes; ++l)
                code[l] = static_cast<std::uint8_t>(term0[b + l] + term1[b + l] + term2[b + l] + term3[b + l]);
            tallylanes(counters, code, std::make_index_sequence<codecount>());
        }
        for (int n = 0; n < codecount; ++n) {
            int sum = 0;
            for (std::uint8_t lane : counters[n])
                sum += lane;
            counts[n] += sum;
        }
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
