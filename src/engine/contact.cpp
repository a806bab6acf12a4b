// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "engine/pair_pull.h"
#include "engine/tick_run.h"

// Bodies that overlap push apart instead of attracting, unless enough spin lets them bounce.
namespace zephra::engine {

void TickRun::contactStep(int i, int j, double r, double contactDist, double dx) {
    if (j == 1 && i == 2) work.PairTag = 1;
    if (j == 2 && i == 1) work.PairTag = 2;
    const double spinI = i < kPairSlots ? std::abs(st.Spin[i]) : 0.0;
    const double spinJ = j < kPairSlots ? std::abs(st.Spin[j]) : 0.0;
    const bool fluid = settings.yieldSpin > spinI + spinJ;
    if (work.PairTag == 0) return;  // the main pair is not touching yet: the previous pull stands
    if (fluid || !settings.bounce) {
        const PullParts push = pullComponents(contactPushStrength(r, contactDist, st.Mass[j]), dx, r);
        work.Ax = push.x;
        work.Ay = push.y;
        st.ImpactFlag = 6;
        settings.patternRings = 2;
        window.setPatternRings(2);
        if (!settings.impactContinues) st.EndCode = 77;
        window.alert(NoticeLine::Run, "Bodies have impacted.");
        st.Spin[1] = 0;
        st.Spin[2] = 0;
    } else {
        settings.patternRings = 1;
        window.setPatternRings(1);
    }
}

}  // namespace zephra::engine
