// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The subcommands of numora-bench; each returns the program's exit status.

namespace numora::bench {

int think();
int selfplay(int argc, char **argv);
int analyse(int argc, char **argv);
int strengths(int argc, char **argv);
int solve(int argc, char **argv);
int recordmatch(int argc, char **argv);
int statistics(int argc, char **argv);

} // namespace numora::bench
