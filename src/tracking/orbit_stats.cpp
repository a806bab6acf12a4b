// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/orbit_stats.h"

#include <cmath>

#include "toolkit/number_text.h"
#include "tracking/orbit_figures.h"

namespace zephra::tracking {

namespace {
constexpr const char* kPeriodPattern = "0.00000000";
}  // namespace

bool countOrbit(SimState& st) {
    st.Quart = quadrantOf(st.ScrX[1], st.ScrY[1], st.ScrX[2], st.ScrY[2], st.Quart);
    if (st.PrevQuart != 4 || st.Quart != 1) return false;
    st.Laps += 1;
    return true;
}

void recordOrbitPeriod(SimState& st) {
    const double days = st.ElapsedDays - st.LapStartDays;
    const double years = st.ElapsedYears - st.LapStartYears;
    st.LastDaysText = toolkit::formatNumber(days, kPeriodPattern);
    st.LastYearsText = toolkit::formatNumber(years, kPeriodPattern);
    st.LapYearsSum += years;
    st.LapDaysSum += days;
    st.LapStartYears = st.ElapsedYears;
    st.LapStartDays = st.ElapsedDays;
    st.AvgDaysText = toolkit::formatNumber(st.LapDaysSum / st.Laps, kPeriodPattern);
    st.AvgYearsText = toolkit::formatNumber(st.LapYearsSum / st.Laps, kPeriodPattern);
}

std::optional<double> itersPerOrbit(const SimState& st) {
    const double orbits = st.Laps + (st.Quart - 1) * 0.25;
    if (!(orbits > 0)) return std::nullopt;
    return std::floor(st.Iters / orbits);
}

void recordPairDistance(SimState& st) {
    const double d = st.Dist;
    if (d < st.LapMin) st.LapMin = d;
    if (d > st.LapMax) st.LapMax = d;
    if (d < st.AllMin) st.AllMin = d;
    if (d > st.AllMax) st.AllMax = d;
    st.AllDif = st.AllMax - st.AllMin;
    st.AllEcc = eccentricityPct(st.AllMin, st.AllMax);
    st.LapEcc = eccentricityPct(st.LapMin, st.LapMax);
}

double distanceFromOrigin(const SimState& st, int i) {
    return std::hypot(st.PosX[i] - st.OriginX[i], st.PosY[i] - st.OriginY[i]);
}

}  // namespace zephra::tracking
