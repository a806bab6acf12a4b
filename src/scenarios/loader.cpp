// SPDX-License-Identifier: GPL-3.0-or-later
// What loading a scenario does to the run's state.

#include "scenarios/loader.h"

#include <cmath>

#include "engine/screen_mapping.h"
#include "toolkit/number_text.h"

namespace zephra::scenarios {

namespace {
constexpr int kClearedHistorySlots = 30000;  // the slots a new run can reach before it overwrites them itself
}  // namespace

void resetRunState(SimState& st, int scenarioNo) {
    for (std::string* text : {&st.LastYearsText, &st.LastDaysText, &st.AvgDaysText, &st.AvgYearsText,
                              &st.HalfDaysText, &st.HalfYearsText})
        text->clear();
    st.TickStatus.clear();
    st.LapStartYears = st.LapStartDays = 0;
    st.LapYearsSum = st.LapDaysSum = 0;
    st.StopLap = 1;
    st.TimeRateLog.clear();
    st.PrevQuart = st.Quart = 0;
    st.MoveErrMax[1] = st.MoveErrMax[2] = 0;
    st.GMsun = kGMsunDefault;
    for (int i = 1; i <= 8; ++i) st.FirstLaps[0][i] = st.FirstLaps[1][i] = 0;
    st.EndCode = 0;
    st.Iters = 0;
    st.Laps = 0;
    for (int k = 0; k <= kClearedHistorySlots; ++k)
        for (int b = 1; b <= 2; ++b) st.BufX(k, b) = st.BufY(k, b) = 0;
    st.ScenarioNo = static_cast<float>(scenarioNo);
    st.ElapsedSec = st.ElapsedDays = st.ElapsedYears = st.ElapsedFrac = 0;
    st.BufPos = 0;
    st.BodyType[1] = 1;
    st.BodyType[2] = 2;
    for (int b = 3; b < kBodySlots; ++b) st.BodyType[b] = 3;
    st.BodyOff[1] = st.BodyOff[2] = 0;
    for (int b = 3; b < kBodySlots; ++b) st.BodyOff[b] = 1;
}

void placePair(SimState& st, const Scenario& s) {
    const Body& b1 = s.pair.body1;
    const Body& b2 = s.pair.body2;
    st.Spin[1] = b1.spin;
    st.Spin[2] = b2.spin;
    const double shift = s.centredOnScreen ? st.ScreenWidthTw / 2 : 0;
    st.PosY[1] = b1.posY;
    st.PosY[2] = b2.posY;
    st.PosX[1] = b1.posX + shift;
    st.PosX[2] = b2.posX + shift;
    st.VelY[1] = b1.velY * s.velocityFactor;
    st.VelY[2] = b2.velY * s.velocityFactor;
    st.VelX[1] = b1.velX * s.velocityFactor;
    st.VelX[2] = b2.velX * s.velocityFactor;
    for (int k = 0; k < s.velocityNudges; ++k) st.VelY[1] += kVelocityNudge;
}

void placePairAtStart(SimState& st) {
    // Slot 0 is the fixed mid-point of the pair.
    st.PosX[0] = (st.PosX[1] + st.PosX[2]) / 2;
    st.PosY[0] = (st.PosY[1] + st.PosY[2]) / 2;
    st.Mass[0] = 0;
    st.BodyOff[0] = 1;

    const double d =
        std::pow(std::pow(st.PosX[1] - st.PosX[2], 2) + std::pow(st.PosY[1] - st.PosY[2], 2), 0.5);
    st.StartDist = d;
    st.LapMin = st.LapMax = st.PrevLapMin = st.PrevLapMax = st.AllMin = st.AllMax = d;
    st.StartDistText = toolkit::signedNumberText(d);

    for (int i = 1; i <= 2; ++i) {
        st.OriginX[i] = st.PosX[i];
        st.OriginY[i] = st.PosY[i];
        placeOnScreen(st, i);
    }
}

}  // namespace zephra::scenarios
