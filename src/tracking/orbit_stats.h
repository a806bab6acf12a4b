// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The orbit statistics of a run: quadrant and orbit counting, the periods of the orbits, the distance
// extremes of the main pair with their eccentricities, and how far each body has come from where it started.

#include <optional>

#include "engine/sim_state.h"

namespace zephra::tracking {

// Finds body 2's quadrant around body 1 and counts an orbit when body 2 passes from the lower right to the
// upper right of body 1 (a jump over a quadrant is not a passage). True when this tick completed an orbit.
bool countOrbit(SimState& st);

// After an orbit: its period and the average period so far, as days and years and as their panel texts, and
// the next orbit starts now.
void recordOrbitPeriod(SimState& st);

// Iterations per orbit, counted in quarter orbits; none before the first quarter.
std::optional<double> itersPerOrbit(const SimState& st);

// Takes the pair's distance (Dist) into the orbit's and the run's extremes and their eccentricities.
void recordPairDistance(SimState& st);

// How far body i (1 or 2) is from where it started, km.
double distanceFromOrigin(const SimState& st, int i);

}  // namespace zephra::tracking
