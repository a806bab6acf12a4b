// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/sim_state.h"

namespace zephra::engine {

// The Special Relativity button's message on body 2's last Newton-Einstein difference; empty before the
// first comparison.
std::string srDifferenceMessage(const SimState& st);

}  // namespace zephra::engine
