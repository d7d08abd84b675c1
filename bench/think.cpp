// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench think: the costliest thinking step of a match, the one right
// after the first guess 1023 has been answered with one minus (1320 matches
// among 4535 remaining numbers), timed in the engine and in the literal reading;
// the ratio of the two in processor time.

#include "bench/bench.h"
#include "support/literal.h"
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

constexpr int engineruns = 101;
constexpr int literalruns = 5; // about a second each

struct Times
{
    double wallms; // median of the runs' wall-clock times
    double processorms; // median of the processor time they took
};

// Processor time is what other programs running at the same time do not
// stretch, so the ratio of two of them holds on a busy machine too.
template<typename Work> Times median(int runs, Work work)
{
    std::vector<double> wall, processor;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t processorstart = std::clock();
        work();
        const std::clock_t processorstop = std::clock();
        const auto stop = std::chrono::steady_clock::now();
        wall.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        processor.push_back(1000.0 * double(processorstop - processorstart) / CLOCKS_PER_SEC);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(processor.begin(), processor.end());
    return {wall[wall.size() / 2], processor[processor.size() / 2]};
}

} // namespace

int think()
{
    auto m = std::make_unique<Module1>();
    QuietWindow window;
    m->attach(&window);
    freshmatch(*m, window, 1);
    m->playround(remainingrow(*m, 1023), 1);

    const Times engine = median(engineruns, [&] {
        m->think();
        m->rateguesses();
        m->findbest();
    });
    auto literal = std::make_unique<Thought>();
    const Times reading = median(literalruns, [&] { thinkliterally(*m, *literal); });

    const bool identical
        = !window.outcome && !window.wrongsigns && m->state().matchcount == 1320 && difference(*m, *literal).empty();
    std::printf("engine_ms %.3f\n", engine.wallms);
    std::printf("literal_ms %.1f\n", reading.wallms);
    std::printf("ratio %.0f\n", reading.processorms / engine.processorms);
    std::printf("identical %s\n", identical ? "yes" : "no");
    return identical ? 0 : 1;
}

} // namespace numora::bench
