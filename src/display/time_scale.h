// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Time scale: how much virtual time one iteration stands for. Velocities are stored per iteration, so a
// change of scale rescales those of the main pair; minor bodies keep theirs.

#include "engine/sim_state.h"

namespace zephra {

// Puts time scale k (0..17, TimeFac = 10^k) in force: the step's units, iterations per second and the main
// pair's velocities follow.
void applyTimeScale(SimState& st, int k);

}  // namespace zephra
