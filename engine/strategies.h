// SPDX-FileCopyrightText: 2026 The Numora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/strategy.h"

#include <memory>

namespace numora {

// The strategy that plays `strength`: none for Normal, the engine's own rating.
std::unique_ptr<Strategy> makestrategy(Strength strength);

// The Expert's strategy tree (engine/expert.tree, built into the program):
// its guesses in preorder.
extern const char experttree[];

} // namespace numora
