// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The orbit line drawn again from the recorded path of the main pair.

#include "engine/sim_state.h"
#include "toolkit/color.h"
#include "toolkit/surface.h"

namespace zephra {

struct OrbitShades {
    PairSlots<toolkit::Color> even;  // the line of bodies 1 and 2 in even orbits (and always, unalternated)
    PairSlots<toolkit::Color> odd;   // in odd orbits, when the shades alternate
    bool alternate = false;
};

// Paints every recorded position of bodies 1 and 2 at the distance scale in force. Slots never written hold
// a zero coordinate and are skipped.
void repaintRecordedPath(const SimState& st, const OrbitShades& shades, toolkit::Surface& surface);

}  // namespace zephra
