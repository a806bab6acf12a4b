// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mapping between km and the window at the distance scale in force: screen twips = km / KmPerTwip +
// origin, y growing downwards.

#include "engine/sim_state.h"

namespace zephra {

inline double screenX(const SimState& st, double km) {
    return km / st.KmPerTwip + st.OrgX;
}
inline double screenY(const SimState& st, double km) {
    return km / st.KmPerTwip + st.OrgY;
}

// Where body i is drawn, from where it is.
inline void placeOnScreen(SimState& st, int i) {
    st.ScrX[i] = screenX(st, st.PosX[i]);
    st.ScrY[i] = screenY(st, st.PosY[i]);
}

// The km of a screen position.
inline double kmAtScreenX(const SimState& st, double twips) {
    return (twips - st.OrgX) * st.KmPerTwip;
}
inline double kmAtScreenY(const SimState& st, double twips) {
    return (twips - st.OrgY) * st.KmPerTwip;
}

}  // namespace zephra
