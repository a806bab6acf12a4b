// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Distance scale: km per twip and where the km origin stands on the window.

#include "engine/sim_state.h"

namespace zephra {

// Puts distance scale k (0..16) in force and places the main pair on the screen at it.
void applyDistanceScale(SimState& st, int k);

}  // namespace zephra
