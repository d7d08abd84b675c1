// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench strengths: each strength guesses each of the 4536 secrets once,
// answered truly, through the engine's own procedures, every match seeded 1:
// the Expert renames its digits alike in all of them, so its line is its
// tree's own figure. Guesses are counted as the outcome rule counts
// them: a number the computer names as the only one left counts as guessed
// once more. Also the longest move, in processor time: the thinking after an
// answer and the choice of the guess, the longest of all the matches, each
// move timed as the fastest of PASSES plays (3 unless told).

#include "bench/bench.h"
#include "engine/strategies.h"
#include "support/position.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace numora::bench {

using namespace numora::support;

namespace {

struct Figures
{
    long long guesses = 0;
    int worst = 0;
    std::vector<double> movems; // each move's time, in the order played
    bool lost = false; // a secret never found, or answers taken as contradictory
};

// Processor time since `start`: what other programs running meanwhile do not
// stretch, so that the longest move is the engine's own on a busy machine too.
double milliseconds(std::clock_t start)
{
    return 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC;
}

Figures playall(Strength strength)
{
    auto m = std::make_unique<Module1>();
    QuietWindow window;
    m->attach(&window);
    const auto table = std::make_unique<Module1>();
    table->makecandidates();
    Figures figures;
    for (int s = 0; s < tablesize; ++s) {
        const Row secret = table->state().candidates[s];
        m->setstrategy(makestrategy(strength));
        freshmatch(*m, window, 1);
        int guesses = 0;
        double thought = 0.0; // since the latest answer
        for (;;) {
            std::clock_t start = std::clock();
            const int row = m->chooseguess();
            figures.movems.push_back(thought + milliseconds(start));
            ++guesses;
            const int16 code = countsigns(m->state().candidates[row], secret);
            if (code == 40)
                break;
            m->playround(row, code);
            start = std::clock();
            m->think();
            if (window.outcome || window.wrongsigns) {
                ++guesses; // named with the next guess
                figures.movems.push_back(milliseconds(start));
                break;
            }
            if (strength == Strength::normal) {
                m->rateguesses();
                m->findbest();
            }
            thought = milliseconds(start); // part of the next move
        }
        if (window.wrongsigns || (window.outcome && (m->state().matchcount != 1 || m->state().matches[0] != secret)))
            figures.lost = true;
        figures.guesses += guesses;
        figures.worst = std::max(figures.worst, guesses);
    }
    return figures;
}

} // namespace

int strengths(int argc, char **argv)
{
    int passes = 3;
    if (argc > 1 || (argc == 1 && (std::sscanf(argv[0], "%d", &passes) != 1 || passes < 1 || passes > 100))) {
        std::fputs("numora-bench strengths: at most PASSES, a number from 1 to 100\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    bool lost = false;
    double longest[3] = {};
    const Strength all[3] = {Strength::easy, Strength::normal, Strength::expert};
    const char *names[3] = {"easy", "normal", "expert"};
    for (int k = 0; k < 3; ++k) {
        const Figures figures = playall(all[k]);
        // Every pass plays the same moves: each move's fastest of the passes
        // leaves out what the machine did meanwhile (another program, a page
        // fault, a virtual machine's stolen time).
        std::vector<double> fastest = figures.movems;
        for (int pass = 1; pass < passes; ++pass) {
            const Figures again = playall(all[k]);
            for (std::size_t move = 0; move < fastest.size() && move < again.movems.size(); ++move)
                fastest[move] = std::min(fastest[move], again.movems[move]);
        }
        std::printf("%s mean %.4f worst %d secrets %d\n", names[k], double(figures.guesses) / tablesize,
            figures.worst, tablesize);
        std::fflush(stdout);
        longest[k] = *std::max_element(fastest.begin(), fastest.end());
        lost = lost || figures.lost;
    }
    for (int k = 0; k < 3; ++k)
        std::printf("longest_move_ms %s %.3f\n", names[k], longest[k]);
    std::printf("wall_s %.1f\n", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (lost)
        std::fputs("numora-bench strengths: a secret was lost\n", stderr);
    return lost ? 1 : 0;
}

} // namespace numora::bench
