// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What loading a scenario does to the run's state: the reset that leaves nothing of the previous run
// behind, the pair as the record starts it, and the start geometry derived from where the pair stands.

#include "engine/sim_state.h"
#include "scenarios/catalogue.h"

namespace zephra::scenarios {

// Clears the counters, texts, history and body slots of the last run and numbers the new one.
void resetRunState(SimState& st, int scenarioNo);

// The pair's spins, positions and velocities from the record, at base-iteration velocities; centred
// records are placed about the middle of the screen.
void placePair(SimState& st, const Scenario& s);

// From where the pair stands: the fixed mid-point in slot 0, the start distance the lap extremes begin
// at, the gravity origins and where the pair is drawn.
void placePairAtStart(SimState& st);

}  // namespace zephra::scenarios
