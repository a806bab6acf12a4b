// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/clock.h"

namespace zephra::tracking {

namespace {
constexpr double kSecondsPerDay = 86400;
constexpr double kSecondsPerYear = 31558118.4;  // 365.256 days
}  // namespace

void advanceClock(SimState& st) {
    // Steps below one second are summed in 10^-5 s units so that the finest scale loses nothing.
    if (st.StepUnits < kClockUnitsPerSecond) {
        st.ElapsedFrac += st.StepUnits;
        if (st.ElapsedFrac > kClockUnitsPerSecond - 1) {
            st.ElapsedFrac -= kClockUnitsPerSecond;
            st.ElapsedSec += 1;
        }
    } else {
        st.ElapsedSec += st.StepUnits / kClockUnitsPerSecond;
    }
    const double seconds = st.ElapsedFrac / kClockUnitsPerSecond + st.ElapsedSec;
    st.ElapsedDays = seconds / kSecondsPerDay;
    st.ElapsedYears = seconds / kSecondsPerYear;
}

const char* endNotice(float code) {
    if (code == 66) return "Bodies have departed the screen. Scenario Ends.";
    if (code == 67) return "Bodies have departed the simulator range. Scenario Ends.";
    if (code == 77) return "Bodies have impacted.\rScenario Ends.";
    if (code == 99) return "Bodies have generated an error margin higher than limit.\rScenario Ends.";
    return nullptr;
}

}  // namespace zephra::tracking
