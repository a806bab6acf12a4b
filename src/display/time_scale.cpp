// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/time_scale.h"

#include <cmath>

namespace zephra {

void applyTimeScale(SimState& st, int k) {
    st.TimeFac = std::pow(10.0, k);
    st.TimeScaleIdx = static_cast<float>(k);
    // The same physical velocity under the new step length.
    const double ratio = st.TimeFac / st.PrevTimeFac;
    for (int b = 1; b <= 2; ++b) {
        st.VelX[b] *= ratio;
        st.VelY[b] *= ratio;
    }
    st.TimeFac2 = st.TimeFac * st.TimeFac;
    st.StepUnits = st.TimeFac * 15;
    st.ItersPerSec = 100000 / st.StepUnits;
    st.PrevTimeFac = st.TimeFac;
}

}  // namespace zephra
