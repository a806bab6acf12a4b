// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/sim_state.h"

namespace zephra::testing {

// Two solar-mass bodies, point-like, body 0 taken out, at the base time scale and 1 km per twip with the km
// origin in the middle of the screen: a pair whose pull is easy to work out by hand.
inline SimState barePair() {
    SimState st;
    st.ScenarioNo = 3;
    st.NBodies = 2;
    st.Mass[1] = st.Mass[2] = 1;
    st.BodyOff[0] = 1;
    st.LightC = kLightC;
    st.GMsun = kGMsunDefault;
    st.TimeFac = st.TimeFac2 = 1;
    st.StepUnits = 15;
    st.ItersPerSec = 100000 / 15.0;
    st.TwoPi = kTwoPi;
    st.KmPerTwip = 1;
    st.OrgX = 7680;
    st.OrgY = 4800;
    st.DistIdx = 3;
    return st;
}

}  // namespace zephra::testing
