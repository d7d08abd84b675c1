// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench think: the costliest thinking step of a match, the one right
// after the first guess 1023 has been answered with one minus (1320 matches
// among 4535 remaining numbers), timed in the engine and in the literal reading.

#include "bench/bench.h"
#include "support/literal.h"
#include "support/position.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace numora::bench {

using namespace numora::support;

namespace {

constexpr int engineruns = 101;
constexpr int literalruns = 5; // about a second each

template<typename Work> double medianms(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int think()
{
    auto m = std::make_unique<Module1>();
    QuietWindow window;
    m->attach(&window);
    freshmatch(*m, window, 1);
    m->playround(remainingrow(*m, 1023), 1);

    const double engine = medianms(engineruns, [&] {
        m->think();
        m->rateguesses();
        m->findbest();
    });
    auto literal = std::make_unique<Thought>();
    const double reading = medianms(literalruns, [&] { thinkliterally(*m, *literal); });

    const bool identical
        = !window.outcome && !window.wrongsigns && m->state().matchcount == 1320 && difference(*m, *literal).empty();
    std::printf("engine_ms %.3f\n", engine);
    std::printf("literal_ms %.1f\n", reading);
    std::printf("ratio %.0f\n", reading / engine);
    std::printf("identical %s\n", identical ? "yes" : "no");
    return identical ? 0 : 1;
}

} // namespace numora::bench
