// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A run as a file keeps it, read back and checked, waiting to take the window's place: the whole simulation
// state, every control as the handlers left it, the timers, the drawing and the drift file's bookkeeping.

#include <string>
#include <vector>

#include "engine/sim_state.h"
#include "toolkit/color.h"
#include "toolkit/control_state.h"
#include "tracking/drift_writer.h"

namespace zephra {

struct SavedRun {
    SimState st;  // the window keeps its own DriftFile, the place of its data file
    struct Control {
        std::string name;
        int index = -1;
        toolkit::ControlState state;
    };
    std::vector<Control> controls;
    struct TimerState {
        int interval = 0;  // ms
        bool enabled = false;
    };
    TimerState Ti, TiF, Tr;
    std::vector<toolkit::Color> drawing;  // the surface's pixels, row by row
    tracking::DriftWriter::Resume drift;
};

}  // namespace zephra
