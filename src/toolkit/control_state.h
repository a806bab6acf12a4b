// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every property of a control that handlers may change, taken and put back as one value, without running any
// handler: a saved run puts the window back as it was, not as a user would get there.

#include <string>

#include "toolkit/controls.h"

namespace zephra::toolkit {

struct ControlState {
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true, enabled = true;
    Color fore = 0, back = 0;
    std::string toolTip, caption;
    int value = 0;     // check box 0..2, option 0 or 1, scroll bar position
    std::string text;  // text box
    bool locked = false;
    Alignment alignment = Alignment::Left;  // text box and label
    int min = 0, max = 0;                   // scroll bar
    Color border = 0, fill = 0;             // shape

    bool operator==(const ControlState&) const = default;
};

ControlState stateOf(const Control& control);
// Puts the state back; no handler runs.
void restoreState(Control& control, const ControlState& state);

}  // namespace zephra::toolkit
