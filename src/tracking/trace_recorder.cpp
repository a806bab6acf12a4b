// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/trace_recorder.h"

#include <cmath>

namespace zephra::tracking {

double pairEnergy(const SimState& st) {
    double kinetic = 0;
    for (int b = 1; b <= 2; ++b)
        kinetic += 0.5 * st.Mass[b] * (st.VelX[b] * st.VelX[b] + st.VelY[b] * st.VelY[b]) / st.TimeFac2;
    const double dx = st.PosX[1] - st.PosX[2], dy = st.PosY[1] - st.PosY[2];
    return kinetic - st.GMsun * st.Mass[1] * st.Mass[2] / std::sqrt(dx * dx + dy * dy);
}

void TraceRecorder::startRun(const SimState& st) {
    samples_.clear();
    orbits_.clear();
    startEnergy_ = pairEnergy(st);
    lapsSeen_ = st.Laps;
    // The loader starts both extremes of the previous orbit at the start distance; the orbit start at 0.
    prevLapMin_ = st.PrevLapMin;
    prevLapMax_ = st.PrevLapMax;
    lapStartDays_ = st.LapStartDays;
}

void TraceRecorder::recordOrbit(const SimState& st) {
    lapsSeen_ = st.Laps;
    // The orbit recorder has moved the finished orbit's extremes to PrevLapMin and PrevLapMax, and the
    // orbit's start to the moment it completed; the drifts are the drift file's own subtractions.
    const OrbitSample orbit{st.Laps,
                            st.LapStartDays,
                            st.PrevLapMin,
                            st.PrevLapMax,
                            st.PrevLapMin - prevLapMin_,
                            st.PrevLapMax - prevLapMax_,
                            st.LapStartDays - lapStartDays_};
    prevLapMin_ = st.PrevLapMin;
    prevLapMax_ = st.PrevLapMax;
    lapStartDays_ = st.LapStartDays;
    if (orbits_.due()) orbits_.keep(orbit);
}

TraceSample TraceRecorder::sampleOf(const SimState& st) const {
    return {st.ElapsedDays,
            st.Dist,
            speedAsC(st, st.VelX[1], st.VelY[1]),
            speedAsC(st, st.VelX[2], st.VelY[2]),
            (pairEnergy(st) - startEnergy_) / std::abs(startEnergy_),
            st.MoveErr[1],
            st.MoveErr[2]};
}

}  // namespace zephra::tracking
