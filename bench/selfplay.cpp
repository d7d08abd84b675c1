// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench selfplay [SEED [STRIDE]]: the computer guesses each of the 4536
// secrets once (or every STRIDE-th), answered truly, through the engine's own procedures. A match ends when
// a guess is answered with four plus, or when one match is left and the
// computer names it without a guess.

#include "bench/bench.h"
#include "support/position.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

namespace numora::bench {

using namespace numora::support;

namespace {

// A whole number from 0 to `most`, or -1.
long long number(const char *text, unsigned long long most)
{
    char *end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (*text == '\0' || *text == '-' || *end != '\0' || value > most)
        return -1;
    return static_cast<long long>(value);
}

} // namespace

int selfplay(int argc, char **argv)
{
    std::uint32_t seed = 1;
    int stride = 1;
    if (argc > 2) {
        std::fputs("numora-bench selfplay: at most SEED and STRIDE\n", stderr);
        return 2;
    }
    if (argc >= 1) {
        const long long value = number(argv[0], 0xffffffffULL);
        if (value < 0) {
            std::fprintf(
                stderr, "numora-bench selfplay: SEED must be a number from 0 to 4294967295, not %s\n", argv[0]);
            return 2;
        }
        seed = static_cast<std::uint32_t>(value);
    }
    if (argc == 2) {
        const long long value = number(argv[1], tablesize);
        if (value < 1) {
            std::fprintf(
                stderr, "numora-bench selfplay: STRIDE must be a number from 1 to %d, not %s\n", tablesize, argv[1]);
            return 2;
        }
        stride = static_cast<int>(value);
    }

    auto m = std::make_unique<Module1>();
    QuietWindow window;
    m->attach(&window);
    const auto table = std::make_unique<Module1>();
    table->makecandidates();

    std::map<int, int> guessesmade; // guesses per match -> matches
    long long allguesses = 0;
    int deduced = 0, longest = 0;
    const auto start = std::chrono::steady_clock::now();
    int secrets = 0;
    for (int s = 0; s < tablesize; s += stride) {
        ++secrets;
        const Row secret = table->state().candidates[s];
        // The first guess and every tie are the engine's own uniform draws.
        freshmatch(*m, window, seed * 2654435761u + static_cast<std::uint32_t>(s));
        int guesses = 0;
        for (;;) {
            const int row = m->chooseguess();
            ++guesses;
            const int16 code = countsigns(m->state().candidates[row], secret);
            if (code == 40)
                break;
            m->playround(row, code);
            m->think();
            if (window.outcome || window.wrongsigns)
                break;
            m->rateguesses();
            m->findbest();
        }
        if (window.wrongsigns || (window.outcome && (m->state().matchcount != 1 || m->state().matches[0] != secret))) {
            std::fprintf(stderr, "numora-bench selfplay: the secret %d was lost\n", valueof(secret));
            return 1;
        }
        if (window.outcome)
            ++deduced;
        ++guessesmade[guesses];
        allguesses += guesses;
        longest = std::max(longest, guesses);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("seed %u\n", seed);
    std::printf("secrets %d\n", secrets);
    for (const auto &[guesses, matches] : guessesmade)
        std::printf("guesses %d: %d\n", guesses, matches);
    std::printf("mean %.4f\n", static_cast<double>(allguesses) / secrets);
    std::printf("max %d\n", longest);
    std::printf("deduced %.4f\n", static_cast<double>(deduced) / secrets);
    std::printf("wall_s %.2f\n", wall);
    return 0;
}

} // namespace numora::bench
