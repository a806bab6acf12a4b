// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>

#include "engine/pair_pull.h"
#include "engine/screen_mapping.h"
#include "engine/tick_run.h"
#include "toolkit/number_text.h"

// Gravity at a finite speed: the pulled body feels the other where it was when the arriving gravity left it.
namespace zephra::engine {

double TickRun::delayedPull(int i, int j, double r, double dx, double dy) {
    st.DelayIters = (st.Dist / work.GravSpeed) / (st.StepUnits / 100000);
    panels.delay = DelayShown::Seconds;
    panels.delaySeconds = st.Dist / work.GravSpeed;
    // The slot the arriving gravity left, never before the first. A negative speed of gravity reaches ahead
    // into slots an earlier lap of the history wrote (or none did); only the end of the array bounds it. A
    // delay that is not a number reads slot 0.
    const double wanted = st.BufPos - std::floor(st.DelayIters);
    const double delaySlot = wanted > 0 ? std::min(wanted, static_cast<double>(kHistorySlots - 1)) : 0.0;
    panels.delayIterationsWritten = true;
    panels.delayIterations = st.DelayIters;
    if (st.DelayIters > 0) {
        st.DelayErrPct = (100000 / st.DelayIters) / 1000;
        panels.delayErrorWritten = true;
        panels.delayErrorPct = st.DelayErrPct;
        if (settings.delaySwitch) {
            settings.temporalDelay = settings.switchErrorPct > st.DelayErrPct;
            window.selectDelayKind(settings.temporalDelay);
        }
    } else {
        window.alert(NoticeLine::GravityDelay, "Gravity Delay - infinite - div by zero ERROR");
    }
    // The history holds bodies 0..2; a minor body's origin stays its present position.
    const bool inHistory = j < kPairSlots;
    const int slot = static_cast<int>(delaySlot);
    const bool temporal = settings.temporalDelay;
    if (!inHistory || (temporal && delaySlot <= 1)) {
        if (temporal && inHistory) window.delayBuffering(true);
        const PullParts pull = pullComponents(gravityStrength(st.GMstep, st.Mass[j], r, st.GExp), dx, r);
        work.Ax = pull.x;
        work.Ay = pull.y;
        return dy;
    }
    if (temporal) {
        window.delayBuffering(false);
        st.OriginX[j] = st.BufX(slot, j);
        st.OriginY[j] = st.BufY(slot, j);
    } else {
        st.OriginX[j] = st.PosX[j] - st.VelX[j] * st.DelayIters;
        st.OriginY[j] = st.PosY[j] - st.VelY[j] * st.DelayIters;
    }
    st.OriginScrX[j] = std::floor(screenX(st, st.OriginX[j]));
    st.OriginScrY[j] = std::floor(screenY(st, st.OriginY[j]));
    const double originDx = st.OriginX[j] - st.PosX[i];
    const double originDy = st.OriginY[j] - st.PosY[i];
    const double originR = std::sqrt(originDx * originDx + originDy * originDy);
    if (originR == 0) return 0;  // the origin lies on the pulled body: no direction, the previous pull stands
    const double g = gravityStrength(st.GMstep, st.BufMass(slot, j), originR, st.GExp);
    const PullParts pull = pullComponents(g, originDx, originR);
    work.Ax = pull.x;
    work.Ay = pull.y;
    return originDy;
}

}  // namespace zephra::engine
