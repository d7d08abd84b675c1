// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

// numora-bench: how fast and how well the computer guesses.

#include "bench/bench.h"

#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fputs("usage: numora-bench think\n"
               "       numora-bench selfplay [SEED [STRIDE]]\n"
               "       numora-bench analyse GUESS:PM ...   (e.g. 1234:00 5067:11)\n"
               "       numora-bench strengths [PASSES]\n"
               "       numora-bench solve [TREE [WIDTH ...]]\n",
        stderr);
#ifdef NUMORA_BENCH_RECORD
    std::fputs("       numora-bench record [MATCHES [ON RECORD BEFORE]]\n"
               "       numora-bench statistics [MATCHES ON RECORD [RUNS]]\n",
        stderr);
#endif
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    if (std::strcmp(argv[1], "think") == 0 && argc == 2)
        return numora::bench::think();
    if (std::strcmp(argv[1], "selfplay") == 0)
        return numora::bench::selfplay(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "strengths") == 0)
        return numora::bench::strengths(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "solve") == 0)
        return numora::bench::solve(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "analyse") == 0)
        return numora::bench::analyse(argc - 2, argv + 2);
#ifdef NUMORA_BENCH_RECORD
    if (std::strcmp(argv[1], "record") == 0)
        return numora::bench::recordmatch(argc - 2, argv + 2);
    if (std::strcmp(argv[1], "statistics") == 0)
        return numora::bench::statistics(argc - 2, argv + 2);
#endif
    return usage();
}
