// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Write access to the engine's state, for the tests that set up positions no
// game reaches (odd tables, answers given out of turn). The game and the bench
// change the state only through the engine's operations.

#include "engine/module1.h"

namespace numora {

struct ModulePeer
{
    static MatchState &state(Module1 &m) { return m; }
};

} // namespace numora
