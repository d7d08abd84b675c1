// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/literal.h"

#include "engine/doublerounding.h"

#include <cstdio>
#include <cstring>

namespace numora::support {

namespace {

template<typename Real>
Real rate(const std::array<int16, codecount> &split, int matchcount, Order order, std::array<double, 5> &columns)
{
    Real hitchance = 0, nextchance = 0, worstsplit = 0, leastsplit = 4535, sum = 0;
    int classes = 0, total = 0;
    for (int k = 0; k < codecount; ++k) {
        const int x = split[order == Order::classesbackwards ? codecount - 1 - k : k];
        if (x > worstsplit)
            worstsplit = x;
        if (x != 0 && x < leastsplit)
            leastsplit = x;
        if (x > 0) {
            sum = sum + Real(1) / x;
            total = total + x;
            classes = classes + 1;
        }
    }
    if (total == matchcount) {
        nextchance = sum / classes;
    } else {
        hitchance = Real(1) / matchcount;
        nextchance = hitchance + (sum / classes) * (1 - hitchance);
    }
    const Real rating = order == Order::termsbackwards
        ? 1 / leastsplit + 10 * hitchance + 100 * nextchance + 1000 / worstsplit
        : 1000 / worstsplit + 100 * nextchance + 10 * hitchance + 1 / leastsplit;
    columns = {double(hitchance), double(nextchance), double(worstsplit), double(leastsplit), double(rating)};
    return rating;
}

} // namespace

void thinkliterally(const Module1 &m, Thought &out, Order order)
{
    const int last = tablesize - 1 - m.state().myround;
    out.matches.resize(tablesize);
    out.matchcount = 0;
    for (int c = 0; c <= last; ++c) {
        int agree = 0;
        for (int r = 0; r < m.state().myround; ++r)
            if (countsigns(m.state().myguesses[r], m.state().candidates[c]) == m.state().mysigns[r])
                ++agree;
        if (agree == m.state().myround)
            out.matches[out.matchcount++] = m.state().candidates[c];
    }
    out.best.clear();
    if (out.matchcount < 2)
        return;

    // Every remaining number against every match, its code compared with each answer code in turn.
    out.splits.resize(last + 1);
    for (int i = 0; i <= last; ++i) {
        out.splits[i].fill(0);
        for (int k = 0; k < out.matchcount; ++k) {
            const int16 code = countsigns(m.state().candidates[i], out.matches[k]);
            for (int n = 0; n < codecount; ++n)
                if (code == m.state().signcodes[n])
                    ++out.splits[i][n];
        }
    }

    out.ratings.resize(last + 1);
    out.exactratings.resize(last + 1);
    if (order == Order::longdouble) {
        for (int i = 0; i <= last; ++i)
            out.exactratings[i] = rate<long double>(out.splits[i], out.matchcount, order, out.ratings[i]);
    } else {
        const DoubleRounding rounding;
        for (int i = 0; i <= last; ++i)
            out.exactratings[i] = rate<double>(out.splits[i], out.matchcount, order, out.ratings[i]);
    }
    long double best = 0;
    for (int i = 0; i <= last; ++i)
        if (out.exactratings[i] > best)
            best = out.exactratings[i];
    for (int i = 0; i <= last; ++i)
        if (out.exactratings[i] == best)
            out.best.push_back(i);
}

Thought thinkliterally(const Module1 &m, Order order)
{
    Thought out;
    thinkliterally(m, out, order);
    return out;
}

std::string difference(const Module1 &m, const Thought &literal)
{
    if (m.state().matchcount != literal.matchcount)
        return "matchcount " + std::to_string(m.state().matchcount) + ", literally "
            + std::to_string(literal.matchcount);
    for (int k = 0; k < literal.matchcount; ++k)
        if (m.state().matches[k] != literal.matches[k])
            return "match " + std::to_string(k) + " differs";
    if (literal.matchcount < 2)
        return {};
    const int rows = tablesize - m.state().myround;
    for (int i = 0; i < rows; ++i) {
        const std::string number = numbertext(m.state().candidates[i]);
        if (m.state().splits[i] != literal.splits[i])
            return "splits of " + number + " (row " + std::to_string(i) + ") differ";
        for (int column = 0; column < 5; ++column)
            if (std::memcmp(&m.state().ratings[i][column], &literal.ratings[i][column], sizeof(double)) != 0) {
                char text[128];
                std::snprintf(text, sizeof text, "ratings column %d of %s (row %d): %.17g, literally %.17g", column,
                    number.c_str(), i, m.state().ratings[i][column], literal.ratings[i][column]);
                return text;
            }
    }
    const std::vector<int> best(m.state().bestguesses.begin(), m.state().bestguesses.begin() + m.state().bestcount);
    if (best != literal.best)
        return "best set of " + std::to_string(best.size()) + ", literally " + std::to_string(literal.best.size());
    return {};
}

} // namespace numora::support
