// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The virtual clock of a run and the end of a run: how far a tick moves the elapsed time, and which end
// codes stop the run with a notice.

#include "engine/sim_state.h"

namespace zephra::tracking {

// Clock units per second: the step and the fraction of a second are kept in 10^-5 s.
inline constexpr double kClockUnitsPerSecond = 100000;
// From this many elapsed years the coarse scales count in millions of years, below it in thousands.
inline constexpr double kMillionYearsFrom = 10000000;

// Moves the elapsed time on by one step (StepUnits) and derives the elapsed days and years from it.
void advanceClock(SimState& st);

// The notice for an end code that ends the run; null for codes that let it go on.
const char* endNotice(float code);

}  // namespace zephra::tracking
