// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every field of the simulation state by its name, once, for writing a run file and for reading one back:
// a field added here is saved and restored alike. The window's own data-file path is not a field of a run.

#include "engine/sim_state.h"

namespace zephra::runfile {

template <typename State, typename Visit>
void forEachStateField(State& st, Visit&& v) {
    v("PosX", st.PosX);
    v("PosY", st.PosY);
    v("VelX", st.VelX);
    v("VelY", st.VelY);
    v("Mass", st.Mass);
    v("BodyOff", st.BodyOff);
    v("BodyType", st.BodyType);
    v("Spin", st.Spin);
    v("RotAngle", st.RotAngle);
    v("ScrX", st.ScrX);
    v("ScrY", st.ScrY);
    v("PrevScrX", st.PrevScrX);
    v("PrevScrY", st.PrevScrY);
    v("OriginX", st.OriginX);
    v("OriginY", st.OriginY);
    v("OriginScrX", st.OriginScrX);
    v("OriginScrY", st.OriginScrY);
    v("StepLen", st.StepLen);
    v("MoveErr", st.MoveErr);
    v("MoveErrMax", st.MoveErrMax);
    v("BufX", st.BufX);
    v("BufY", st.BufY);
    v("BufMass", st.BufMass);
    v("BufShade", st.BufShade);
    v("SurfPixel", st.SurfPixel);
    v("SurfPoints", st.SurfPoints);
    v("RadTwips", st.RadTwips);
    v("NBodies", st.NBodies);
    v("Iters", st.Iters);
    v("Laps", st.Laps);
    v("Quart", st.Quart);
    v("PrevQuart", st.PrevQuart);
    v("StopLap", st.StopLap);
    v("Dist", st.Dist);
    v("LapMin", st.LapMin);
    v("LapMax", st.LapMax);
    v("AllMin", st.AllMin);
    v("AllMax", st.AllMax);
    v("PrevLapMin", st.PrevLapMin);
    v("PrevLapMax", st.PrevLapMax);
    v("AllDif", st.AllDif);
    v("AllEcc", st.AllEcc);
    v("LapEcc", st.LapEcc);
    v("StartDist", st.StartDist);
    v("StartDistText", st.StartDistText);
    v("FirstLaps", st.FirstLaps);
    v("KmPerTwip", st.KmPerTwip);
    v("OrgX", st.OrgX);
    v("OrgY", st.OrgY);
    v("DistIdx", st.DistIdx);
    v("TimeFac", st.TimeFac);
    v("TimeFac2", st.TimeFac2);
    v("StepUnits", st.StepUnits);
    v("ItersPerSec", st.ItersPerSec);
    v("PrevTimeFac", st.PrevTimeFac);
    v("TimeScaleIdx", st.TimeScaleIdx);
    v("TimeRateLog", st.TimeRateLog);
    v("EndCode", st.EndCode);
    v("ScenarioNo", st.ScenarioNo);
    v("TickStatus", st.TickStatus);
    v("LightC", st.LightC);
    v("GMsun", st.GMsun);
    v("GMstep", st.GMstep);
    v("GExp", st.GExp);
    v("DarkFric", st.DarkFric);
    v("MinorRad", st.MinorRad);
    v("TwoPi", st.TwoPi);
    v("PiVal", st.PiVal);
    v("BufPos", st.BufPos);
    v("DelayIters", st.DelayIters);
    v("DelayErrPct", st.DelayErrPct);
    v("ImpactFlag", st.ImpactFlag);
    v("EinsteinV", st.EinsteinV);
    v("VerifyText", st.VerifyText);
    v("SrDiffReadout", st.SrDiffReadout);
    v("SrDiff", st.SrDiff);
    v("BodyDraw", st.BodyDraw);
    v("ElapsedSec", st.ElapsedSec);
    v("ElapsedFrac", st.ElapsedFrac);
    v("ElapsedDays", st.ElapsedDays);
    v("ElapsedYears", st.ElapsedYears);
    v("LapStartDays", st.LapStartDays);
    v("LapStartYears", st.LapStartYears);
    v("LapDaysSum", st.LapDaysSum);
    v("LapYearsSum", st.LapYearsSum);
    v("LastDaysText", st.LastDaysText);
    v("LastYearsText", st.LastYearsText);
    v("AvgDaysText", st.AvgDaysText);
    v("AvgYearsText", st.AvgYearsText);
    v("HalfDaysText", st.HalfDaysText);
    v("HalfYearsText", st.HalfYearsText);
    v("LapMinRaw", st.LapMinRaw);
    v("LapMaxRaw", st.LapMaxRaw);
    v("MinDriftRaw", st.MinDriftRaw);
    v("MaxDriftRaw", st.MaxDriftRaw);
    v("LapMinText", st.LapMinText);
    v("LapMaxText", st.LapMaxText);
    v("MinDriftText", st.MinDriftText);
    v("MaxDriftText", st.MaxDriftText);
    v("MaxScenarioBtn", st.MaxScenarioBtn);
    v("KgFactor", st.KgFactor);
    v("ScreenWidthTw", st.ScreenWidthTw);
    v("IntroTicks", st.IntroTicks);
}

}  // namespace zephra::runfile
