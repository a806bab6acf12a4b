// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The orbit record of data-drift.txt: one record per orbit of the main pair, the orbit's least and greatest
// distance and how far each moved since the orbit before, with 14 decimals so that drifts of metres per orbit
// show. Writing it to the file is DriftWriter's part.

#include <optional>
#include <string>

#include "engine/sim_state.h"

namespace zephra::tracking {

// What a file's first record opens with, taken from the window: the scenario's title and the caption of the
// time scale in force (written when no time-scale change is pending).
struct DriftFileHead {
    std::string title;
    std::string scaleCaption;
};

// The text of the record of the orbit just finished (Laps), CR LF line ends, with the file's head first when
// head is given. Fills the orbit's raw and tidied texts in the state and takes its pending time-scale
// changes.
std::string driftRecord(SimState& st, const std::optional<DriftFileHead>& head);

// After the record: the orbit's extremes become the previous ones, the first eight orbits keep theirs, and
// the next orbit starts from the finished one's greatest distance (its first tick sets a new maximum).
void closeDriftOrbit(SimState& st);

// The tidied texts of the record's columns, from their raw fixed-width texts.
void ZeroZapMikm(SimState& st);
void ZeroZapMakm(SimState& st);
void ZeroZapMiDi(SimState& st);
void ZeroZapMaDi(SimState& st);

}  // namespace zephra::tracking
