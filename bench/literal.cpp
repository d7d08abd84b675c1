// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/literal.h"

#include <cstring>

namespace numora::bench {

Thought::Thought() : matches(tablesize), splits(ratedsize), ratings(ratedsize)
{
    best.reserve(ratedsize);
}

void thinkliterally(const Module1 &m, Thought &out)
{
    const int last = tablesize - 1 - m.myround;

    out.matchcount = 0;
    for (int c = 0; c <= last; ++c) {
        int agree = 0;
        for (int r = 0; r < m.myround; ++r)
            if (countsigns(m.myguesses[r], m.candidates[c]) == m.mysigns[r])
                ++agree;
        if (agree == m.myround)
            out.matches[out.matchcount++] = m.candidates[c];
    }
    out.best.clear();
    if (out.matchcount < 2)
        return;

    // Every match against each code in turn, the scoring rule applied afresh for each.
    for (int i = 0; i <= last; ++i) {
        out.splits[i].fill(0);
        for (int k = 0; k < out.matchcount; ++k)
            for (int n = 0; n < codecount; ++n)
                if (countsigns(m.candidates[i], out.matches[k]) == m.signcodes[n])
                    ++out.splits[i][n];
    }

    for (int i = 0; i <= last; ++i) {
        double hitchance = 0, nextchance = 0, worstsplit = 0, leastsplit = 4535;
        double sum = 0.0;
        int classes = 0, total = 0;
        for (int n = 0; n < codecount; ++n) {
            const int x = out.splits[i][n];
            if (x > worstsplit)
                worstsplit = x;
            if (x != 0 && x < leastsplit)
                leastsplit = x;
            if (x > 0) {
                sum = sum + 1.0 / x;
                total = total + x;
                classes = classes + 1;
            }
        }
        if (total == out.matchcount) {
            nextchance = sum / classes;
        } else {
            hitchance = 1.0 / out.matchcount;
            nextchance = hitchance + (sum / classes) * (1 - hitchance);
        }
        const double rating = 1000 / worstsplit + 100 * nextchance + 10 * hitchance + 1 / leastsplit;
        out.ratings[i] = {hitchance, nextchance, worstsplit, leastsplit, rating};
    }

    double best = 0.0;
    for (int i = 0; i <= last; ++i)
        if (out.ratings[i][4] > best)
            best = out.ratings[i][4];
    for (int i = 0; i <= last; ++i)
        if (out.ratings[i][4] == best)
            out.best.push_back(i);
}

bool sameresults(const Module1 &m, const Thought &literal)
{
    if (m.matchcount != literal.matchcount)
        return false;
    for (int k = 0; k < literal.matchcount; ++k)
        if (m.matches[k] != literal.matches[k])
            return false;
    if (literal.matchcount < 2)
        return true;
    const int rows = tablesize - m.myround;
    for (int i = 0; i < rows; ++i) {
        if (m.splits[i] != literal.splits[i])
            return false;
        if (std::memcmp(m.ratings[i].data(), literal.ratings[i].data(), sizeof(literal.ratings[i])) != 0)
            return false;
    }
    if (m.bestcount != static_cast<int>(literal.best.size()))
        return false;
    for (int b = 0; b < m.bestcount; ++b)
        if (m.bestguesses[b] != literal.best[b])
            return false;
    return true;
}

} // namespace numora::bench
