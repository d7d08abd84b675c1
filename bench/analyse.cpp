// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench analyse GUESS:PM ...: the computer's guesses and the player's
// answers of a match so far, then the thinking step that follows them.

#include "bench/bench.h"
#include "support/position.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace numora::bench {

using namespace numora::support;

namespace {

struct Item
{
    int number = 0;
    int code = 0;
};

bool isdigit(char c)
{
    return c >= '0' && c <= '9';
}

// "1234:12" -> 1234, 12; false for anything else.
bool parse(const std::string &text, Item &item)
{
    if (text.size() != 7 || text[4] != ':')
        return false;
    for (int k : {0, 1, 2, 3, 5, 6})
        if (!isdigit(text[k]))
            return false;
    item.number = std::stoi(text.substr(0, 4));
    item.code = (text[5] - '0') * 10 + (text[6] - '0');
    return true;
}

// Whether two numbers of the table can score `code` against each other.
bool possible(int code)
{
    const int plus = code / 10, minus = code % 10;
    return plus + minus <= 4 && code != 31 && (plus < 4 || minus == 0);
}

bool admissible(int number)
{
    const int d[4] = {number / 1000, number / 100 % 10, number / 10 % 10, number % 10};
    return d[0] != 0 && d[0] != d[1] && d[0] != d[2] && d[0] != d[3] && d[1] != d[2] && d[1] != d[3] && d[2] != d[3];
}

int fail(const std::string &message)
{
    std::fprintf(stderr, "numora-bench analyse: %s\n", message.c_str());
    return 2;
}

} // namespace

int analyse(int argc, char **argv)
{
    if (argc == 0)
        return fail("give the rounds so far, e.g. 1234:00 5067:11");
    std::vector<Item> items;
    for (int k = 0; k < argc; ++k) {
        const std::string text = argv[k];
        Item item;
        if (!parse(text, item))
            return fail("'" + text + "' is not GUESS:PM, e.g. 1234:12 for one plus and two minus");
        if (!possible(item.code))
            return fail("'" + text + "': no two numbers score " + text.substr(5) + " against each other");
        if (item.code == 40)
            return fail("'" + text + "': four plus ends the match; no thinking step follows");
        if (!admissible(item.number))
            return fail("'" + text + "': " + text.substr(0, 4) + " is not in the table of numbers");
        for (const Item &before : items)
            if (before.number == item.number)
                return fail("'" + text + "': " + text.substr(0, 4) + " is guessed twice");
        items.push_back(item);
    }

    auto m = std::make_unique<Module1>();
    QuietWindow window;
    m->attach(&window);
    freshmatch(*m, window, 1);
    for (const Item &item : items)
        m->playround(remainingrow(*m, item.number), static_cast<int16>(item.code));

    // think() ends the match through the window when fewer than two numbers
    // fit; the window notes it and the report is read from there.
    m->think();
    if (window.wrongsigns) {
        std::printf("matchcount 0\nwrongsigns\n");
        return 0;
    }
    std::printf("matchcount %d\n", m->state().matchcount);
    if (window.outcome) {
        std::printf("match %s\n", numbertext(m->state().matches[0]).c_str());
        return 0;
    }
    m->rateguesses();
    m->findbest();
    std::vector<int> best;
    for (int b = 0; b < m->state().bestcount; ++b)
        best.push_back(valueof(m->state().candidates[m->state().bestguesses[b]]));
    std::sort(best.begin(), best.end());
    std::printf("bestcount %d\n", m->state().bestcount);
    std::printf("bestrating %.9f\n", m->state().ratings[m->state().bestguesses[0]][Module1::rating]);
    std::printf("best");
    for (int number : best)
        std::printf(" %d", number);
    std::printf("\n");
    return 0;
}

} // namespace numora::bench
