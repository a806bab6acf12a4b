// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/tick.h"

#include <cmath>

#include "engine/pair_pull.h"
#include "engine/screen_mapping.h"
#include "engine/tick_run.h"
#include "toolkit/number_text.h"

// One iteration per tick, position first: bodies move with last tick's velocities, the pull is taken at the
// new positions, then the velocities receive it.
namespace zephra::engine {

namespace {
constexpr double kPanelScreenLimit = 32767;
constexpr int kMaxScreenSlot = kPairSlots - 1;  // screen, spin and error arrays hold bodies 0..2 only

bool isOdd(double laps) {
    return std::floor(laps / 2) != laps / 2;
}
}  // namespace

TickEnd Tick::advance(SimState& st, TickSettings& settings, TickWindow& window, toolkit::Surface& surface) {
    return TickRun(*this, st, settings, window, surface).advance();
}

void Tick::turnPattern(int i, SimState& st, TickSettings& settings, TickWindow& window,
                       toolkit::Surface& surface) {
    TickRun(*this, st, settings, window, surface).turnPattern(i);
}

TickEnd TickRun::advance() {
    work.startTick();
    panels.startTick();
    readTickParameters();
    recordHistory();
    moveBodies();
    gravityLoop();
    if (st.Dist == 0) return TickEnd::BodiesOnOnePoint;
    rememberSpeeds();
    applyAccelerations();
    for (int k = st.NBodies; k >= 1; --k) {
        if (st.BodyOff[k] == 0) lightSpeedLimit(k);
    }
    return stateIsFinite() ? TickEnd::Completed : TickEnd::NotFinite;
}

void TickRun::readTickParameters() {
    work.GravSpeed = settings.gravitySpeed * st.LightC;
    if (settings.gravitySpeed == 0 && settings.gravityDelay) {
        settings.gravityDelay = false;
        window.setOption(TickOption::GravityDelay, false);
        window.messageBox("Gravity Delay switched off", "");
    }
    if (settings.darkCloud) st.DarkFric = settings.darkFriction;
    st.GExp = settings.gravityExponent;
    work.OddLap = isOdd(st.Laps);
}

void TickRun::recordHistory() {
    if (settings.gravityDelay) {
        for (int b = 1; b <= 2; ++b) {
            if (surface.point(st.PrevScrX[b], st.PrevScrY[b]) ==
                static_cast<std::int64_t>(toolkit::rgb(255, 255, 255)))
                surface.setPoint(st.PrevScrX[b], st.PrevScrY[b], toolkit::rgb(0, 0, 0));
        }
    }
    st.BufPos += 1;
    if (!(st.BufPos >= 0 && st.BufPos < kHistoryWrap)) {  // also catches a counter that is not a number
        st.BufPos = 0;
        window.historyRestarted();
    }
    if (st.BufPos > 120) window.historyFilled();
    const int slot = static_cast<int>(st.BufPos);
    const float shade = work.OddLap ? 3.0f : 2.0f;
    for (int b = 1; b <= 2; ++b) {
        st.BufX(slot, b) = st.PosX[b];
        st.BufY(slot, b) = st.PosY[b];
        st.BufMass(slot, b) = st.Mass[b];
        st.BufShade(slot, b) = shade;
    }
}

void TickRun::moveBodies() {
    for (int i = st.NBodies; i >= 1; --i) {  // body 0 never moves
        if (st.BodyOff[i] != 0) continue;
        if (settings.darkCloud) {
            st.VelX[i] *= 1 - st.DarkFric;
            st.VelY[i] *= 1 - st.DarkFric;
        }
        st.PosX[i] += st.VelX[i];
        st.PosY[i] += st.VelY[i];
        if (i <= 2) showBodyPanel(i);
    }
}

void TickRun::showBodyPanel(int i) {
    const double orbV =
        std::sqrt(st.VelX[i] * st.VelX[i] + st.VelY[i] * st.VelY[i]) * (st.ItersPerSec / st.LightC);
    TickPanels::Body& panel = panels.body[i];
    panel.orbitalSpeed = orbV;
    panel.mass = st.Mass[i];
    panel.spin = st.Spin[i];

    const double radius = settings.radius[i];
    const double surfaceSpeed = std::abs(st.TwoPi * st.Spin[i] * radius * st.ItersPerSec / st.LightC);
    const double edgeSpinV = surfaceSpeed * st.TimeFac;
    double spinV = surfaceSpeed;
    if (radius > 0 && settings.vessor && orbV + edgeSpinV >= 1) {
        const double excess = decayBody(st, settings.vessor, i, orbV, edgeSpinV);
        const double sign = st.Spin[i] < 0 ? -1.0 : 1.0;
        st.Spin[i] -= sign * excess * st.LightC / (st.TwoPi * radius * st.ItersPerSec);
        spinV = std::abs(st.TwoPi * st.Spin[i] * radius * st.ItersPerSec / st.LightC);  // of the spin left
    }
    panel.surfaceSpeed = spinV;
    panel.written = true;
}

void TickRun::gravityLoop() {
    st.ImpactFlag = 0;
    work.PairTag = 0;
    // A box that holds no number puts no limit on the pulling bodies.
    const double pullLimit = settings.pullingBodies.value_or(st.NBodies);
    for (int i = st.NBodies; i >= 0; --i) {
        work.SumAx = 0;
        work.SumAy = 0;
        for (int j = st.NBodies; j >= 0; --j) {
            if (j == i || st.BodyOff[i] == 1 || st.BodyOff[j] == 1 || j > pullLimit) continue;
            pullOnPair(i, j);
        }
        if (st.BodyOff[i] != 0) {
            work.AccX[i] = work.AccY[i] = 0;  // a body taken out keeps no pull of an earlier tick
            continue;
        }
        if (i <= kMaxScreenSlot) plotBody(i);
        if (i >= 1) {
            work.AccX[i] = work.SumAx;
            work.AccY[i] = work.SumAy;
        }
        if ((i == 1 || i == 2) && drawsSurfacePattern(st)) turnPattern(i);
    }
}

void TickRun::pullOnPair(int i, int j) {
    const double dx = st.PosX[j] - st.PosX[i];
    double dy = st.PosY[j] - st.PosY[i];
    const double r = std::sqrt(dx * dx + dy * dy);
    // Body 0 has no radius of its own: it keeps the radius last used in its place of the pair.
    auto radiusOf = [this](int b, double last) {
        if (b == 1 || b == 2) return settings.radius[b];
        return b > 2 ? static_cast<double>(st.MinorRad) : last;
    };
    work.RadJ = radiusOf(j, work.RadJ);
    work.RadI = radiusOf(i, work.RadI);
    const double contactDist = work.RadI + work.RadJ;
    if (j == 1 && i == 2) {
        st.Dist = r;
        window.pairDistanceKnown();
    }
    if (r == 0) {
        // Coincident bodies have no direction between them; the previous pull stands.
    } else if (r <= contactDist) {
        contactStep(i, j, r, contactDist, dx);
    } else {
        st.GMstep = st.TimeFac2 * st.GMsun;
        if (settings.gravityDelay) {
            dy = delayedPull(i, j, r, dx, dy);
        } else {
            const double g = work.Memo.strength(st.GMstep, st.Mass[j], r, st.GExp);
            const PullParts pull = work.Memo.components(g, dx, r);
            work.Ax = pull.x;
            work.Ay = pull.y;
            panels.delay = DelayShown::Instant;
        }
    }
    if (dy < 0) work.Ay = -work.Ay;
    work.SumAx += work.Ax;
    work.SumAy += work.Ay;
}

void TickRun::plotBody(int i) {
    placeOnScreen(st, i);
    if (!(std::abs(st.ScrX[i]) < kPanelScreenLimit && std::abs(st.ScrY[i]) < kPanelScreenLimit)) return;
    const double x = std::floor(st.ScrX[i]);
    const double y = std::floor(st.ScrY[i]);
    if (st.TickStatus.empty()) st.OriginScrX[i] = 0;
    const toolkit::Color orbitColour =
        settings.alternateShade && work.OddLap ? settings.orbitDark[i] : settings.orbitLight[i];
    if (settings.gravityDelay) {
        surface.setPoint(x, y, settings.originColour);
        surface.setPoint(st.OriginScrX[i], st.OriginScrY[i], orbitColour);
    } else {
        surface.setPoint(x, y, orbitColour);
    }
    st.PrevScrY[i] = y;
    st.PrevScrX[i] = x;
}

void TickRun::rememberSpeeds() {
    for (int b = 1; b <= st.NBodies; ++b) work.OldV[b] = speedAsC(st, st.VelX[b], st.VelY[b]);
}

void TickRun::applyAccelerations() {
    for (int b = 1; b <= st.NBodies; ++b) {
        if (b <= kMaxScreenSlot) {
            st.StepLen[b] = std::sqrt(work.AccX[b] * work.AccX[b] + work.AccY[b] * work.AccY[b]);
            st.MoveErr[b] = st.StepLen[b] * kMoveErrFactor / st.Dist;
            if (st.MoveErr[b] > st.MoveErrMax[b]) st.MoveErrMax[b] = st.MoveErr[b];
            panels.movement[b] = {.written = true, .error = st.MoveErr[b], .largest = st.MoveErrMax[b]};
            if (settings.errorLimitPct < st.MoveErr[b] && settings.endOnError) st.EndCode = 99;
        }
        st.VelX[b] += work.AccX[b];
        st.VelY[b] += work.AccY[b];
        if (b <= kMaxScreenSlot) keepOnScreen(b);
    }
}

void TickRun::keepOnScreen(int b) {
    // Inside the edges, as nearly always, there is nothing to do.
    if (!(st.ScrX[b] < 2640 || st.ScrX[b] > 12600 || st.ScrY[b] < 0 || st.ScrY[b] > 9000) && st.EndCode != 55)
        return;
    struct Edge {
        double* coord;
        bool crossed;
        double clampTo;
    };
    const Edge edges[] = {{&st.ScrX[b], st.ScrX[b] < 2640, 2650},
                          {&st.ScrX[b], st.ScrX[b] > 12600, 12570},
                          {&st.ScrY[b], st.ScrY[b] < 0, 530},
                          {&st.ScrY[b], st.ScrY[b] > 9000, 8970}};
    const bool endAtEdge = settings.endAtEdge || st.DistIdx > 15;
    for (const Edge& e : edges) {
        if (!e.crossed) continue;
        *e.coord = e.clampTo;
        if (endAtEdge) st.BodyOff[b] = 1;
        st.EndCode = endAtEdge ? 66 : 55;
    }
    if (endAtEdge || st.EndCode != 55) return;
    if (st.DistIdx == 8) {
        st.EndCode = 67;
        return;
    }
    // Widen the view: the scales below 8 step outwards one by one, those above 8 fall back to their twin.
    st.DistIdx = st.DistIdx < 8 ? st.DistIdx + 1 : st.DistIdx - 8;
    window.widenDistanceScale(static_cast<int>(st.DistIdx));
    st.EndCode = 11;
    surface.clear();
}

bool TickRun::stateIsFinite() const {
    for (int b = 1; b <= st.NBodies; ++b) {
        if (!std::isfinite(st.PosX[b]) || !std::isfinite(st.PosY[b]) || !std::isfinite(st.VelX[b]) ||
            !std::isfinite(st.VelY[b]))
            return false;
    }
    return true;
}

}  // namespace zephra::engine
