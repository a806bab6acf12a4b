#include <cmath>

#include "display/screen_mapping.h"
#include "engine/pair_pull.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// One iteration per tick, position first: bodies move with last tick's velocities, the pull is taken at the
// new positions, then the velocities receive it.
namespace zephra {

using toolkit::asNumber;
using toolkit::asPattern;

namespace {
constexpr double kPanelScreenLimit = 32767;
constexpr int kMaxScreenSlot = kPairSlots - 1;  // screen, spin and error arrays hold bodies 0..2 only

bool isOdd(double laps) {
    return toolkit::intPart(laps / 2) != laps / 2;
}
}  // namespace

void FormOrbit::Ti_Timer() {
    if (!OrbitTickStart()) return;
    work_.startTick();
    readTickParameters();
    recordHistory();
    moveBodies();
    gravityLoop();
    // Bodies on one point have no direction between them, and every movement error would divide by 0.
    if (st.Dist == 0)
        return stopRun(88, "Run stopped: bodies 1 and 2 are on the same point (distance 0 km).");
    rememberSpeeds();
    applyAccelerations();
    for (int k = st.NBodies; k >= 1; --k) {
        if (st.BodyOff[k] == 0) lightSpeedLimit(k);
    }
    if (!stateIsFinite())
        return stopRun(98, "Run stopped: a position or velocity is no longer a finite number.");
    TikTok();
    DisCalc();
    if (st.TickStatus.empty()) st.TickStatus = "ok";
    trace_.afterTick(st);
}

void FormOrbit::readTickParameters() {
    const double gravMultiple = TXGspeed.leadingValue();
    work_.GravSpeed = gravMultiple * st.LightC;
    if (gravMultiple == 0 && Cosmos[3].ticked()) {
        Cosmos[3].setValue(0);
        platform_.messageBox("Gravity Delay switched off", "");
    }
    if (Cosmos[4].ticked()) st.DarkFric = TXdark.leadingValue();
    st.GExp = TXg[2].leadingValue();
    work_.OddLap = isOdd(st.Laps);
}

void FormOrbit::recordHistory() {
    if (Cosmos[3].ticked()) {
        for (int b = 1; b <= 2; ++b) {
            if (surface_.point(st.PrevScrX[b], st.PrevScrY[b]) ==
                static_cast<std::int64_t>(toolkit::rgb(255, 255, 255)))
                surface_.setPoint(st.PrevScrX[b], st.PrevScrY[b], toolkit::rgb(0, 0, 0));
        }
    }
    st.BufPos += 1;
    if (!(st.BufPos >= 0 && st.BufPos < kHistoryWrap)) {  // also catches a counter that is not a number
        st.BufPos = 0;
        TXbuf.setText("Gravity Velocity Buffer");
        TXbuf.setVisible(true);
    }
    if (st.BufPos > 120 && TXbuf.visible() && TXbuf.text() == "Gravity Velocity Buffer")
        TXbuf.setVisible(false);
    const int slot = static_cast<int>(st.BufPos);
    const float shade = work_.OddLap ? 3.0f : 2.0f;
    for (int b = 1; b <= 2; ++b) {
        st.BufX(slot, b) = st.PosX[b];
        st.BufY(slot, b) = st.PosY[b];
        st.BufMass(slot, b) = st.Mass[b];
        st.BufShade(slot, b) = shade;
    }
}

void FormOrbit::moveBodies() {
    for (int i = st.NBodies; i >= 1; --i) {  // body 0 never moves
        if (st.BodyOff[i] != 0) continue;
        if (Cosmos[4].ticked()) {
            st.VelX[i] *= 1 - st.DarkFric;
            st.VelY[i] *= 1 - st.DarkFric;
        }
        st.PosX[i] += st.VelX[i];
        st.PosY[i] += st.VelY[i];
        if (i <= 2) showBodyPanel(i);
    }
}

void FormOrbit::showBodyPanel(int i) {
    const double orbV =
        std::sqrt(st.VelX[i] * st.VelX[i] + st.VelY[i] * st.VelY[i]) * (st.ItersPerSec / st.LightC);
    if (panelsShown_) {
        TXvolight[i].setText(asPattern<"0.00000000000000">(orbV));
        TXvolight[i].setToolTip(asNumber(orbV));
        TXmass[i].setText(asPattern<"0.00000000000000">(st.Mass[i]));
        TXmass[i].setToolTip(asNumber<" kg">(1e30 * st.Mass[i] * kSolarMassKg));
        TXspin[i].setText(asPattern<"0.00000000000000">(st.Spin[i]));
    }

    const double radius = TXrad[i].leadingValue();
    const double surfaceSpeed = std::abs(st.TwoPi * st.Spin[i] * radius * st.ItersPerSec / st.LightC);
    const double edgeSpinV = surfaceSpeed * st.TimeFac;
    double spinV = surfaceSpeed;
    if (radius > 0 && Cosmos[2].ticked() && orbV + edgeSpinV >= 1) {
        const double excess = DecayBod(i, orbV, edgeSpinV);
        const double sign = st.Spin[i] < 0 ? -1.0 : 1.0;
        st.Spin[i] -= sign * excess * st.LightC / (st.TwoPi * radius * st.ItersPerSec);
        spinV = std::abs(st.TwoPi * st.Spin[i] * radius * st.ItersPerSec / st.LightC);  // of the spin left
    }
    if (!panelsShown_) return;
    TXspinC[i].setText(asPattern<"0.0000000000000">(spinV));
    TXspinT[i].setText(asPattern<"0.0000000000000">(orbV + spinV));
}

void FormOrbit::gravityLoop() {
    st.ImpactFlag = 0;
    work_.PairTag = 0;
    // A box that holds no number puts no limit on the pulling bodies.
    const double pullLimit = TXw[2].strictValue().value_or(st.NBodies);
    for (int i = st.NBodies; i >= 0; --i) {
        work_.SumAx = 0;
        work_.SumAy = 0;
        for (int j = st.NBodies; j >= 0; --j) {
            if (j == i || st.BodyOff[i] == 1 || st.BodyOff[j] == 1 || j > pullLimit) continue;
            pullOnPair(i, j);
        }
        if (st.BodyOff[i] != 0) {
            work_.AccX[i] = work_.AccY[i] = 0;  // a body taken out keeps no pull of an earlier tick
            continue;
        }
        if (i <= kMaxScreenSlot) plotBody(i);
        if (i >= 1) {
            work_.AccX[i] = work_.SumAx;
            work_.AccY[i] = work_.SumAy;
        }
        if ((i == 1 || i == 2) && st.BodyDraw == 8) RotaP(i);
    }
}

void FormOrbit::pullOnPair(int i, int j) {
    const double dx = st.PosX[j] - st.PosX[i];
    double dy = st.PosY[j] - st.PosY[i];
    const double r = std::sqrt(dx * dx + dy * dy);
    // Body 0 has no radius of its own: it keeps the radius last used in its place of the pair.
    auto radiusOf = [this](int b, double last) {
        if (b == 1 || b == 2) return TXrad[b].leadingValue();
        return b > 2 ? static_cast<double>(st.MinorRad) : last;
    };
    work_.RadJ = radiusOf(j, work_.RadJ);
    work_.RadI = radiusOf(i, work_.RadI);
    const double contactDist = work_.RadI + work_.RadJ;
    if (j == 1 && i == 2) {
        st.Dist = r;
        OrbitPairStep();
    }
    if (r == 0) {
        // Coincident bodies have no direction between them; the previous pull stands.
    } else if (r <= contactDist) {
        contactStep(i, j, r, contactDist, dx);
    } else {
        st.GMstep = st.TimeFac2 * st.GMsun;
        if (Cosmos[3].ticked()) {
            dy = delayedPull(i, j, r, dx, dy);
        } else {
            const double g = work_.Memo.strength(st.GMstep, st.Mass[j], r, st.GExp);
            const PullParts pull = work_.Memo.components(g, dx, r);
            work_.Ax = pull.x;
            work_.Ay = pull.y;
            TXdelay.setText(toolkit::asFixedText<"0.0">());
        }
    }
    if (dy < 0) work_.Ay = -work_.Ay;
    work_.SumAx += work_.Ax;
    work_.SumAy += work_.Ay;
}

void FormOrbit::plotBody(int i) {
    placeOnScreen(st, i);
    if (!(std::abs(st.ScrX[i]) < kPanelScreenLimit && std::abs(st.ScrY[i]) < kPanelScreenLimit)) return;
    const double x = toolkit::intPart(st.ScrX[i]);
    const double y = toolkit::intPart(st.ScrY[i]);
    if (st.TickStatus.empty()) st.OriginScrX[i] = 0;
    const toolkit::Color orbitColour =
        Chalt.ticked() && work_.OddLap ? LaDark[i].foreColor() : LaLim[i].foreColor();
    if (Cosmos[3].ticked()) {
        surface_.setPoint(x, y, TXTOden.foreColor());
        surface_.setPoint(st.OriginScrX[i], st.OriginScrY[i], orbitColour);
    } else {
        surface_.setPoint(x, y, orbitColour);
    }
    st.PrevScrY[i] = y;
    st.PrevScrX[i] = x;
}

void FormOrbit::rememberSpeeds() {
    for (int b = 1; b <= st.NBodies; ++b) work_.OldV[b] = speedAsC(st, st.VelX[b], st.VelY[b]);
}

void FormOrbit::applyAccelerations() {
    const bool endOnError = Chender.ticked();
    const double errorLimit = TXender.leadingValue();
    for (int b = 1; b <= st.NBodies; ++b) {
        if (b <= kMaxScreenSlot) {
            st.StepLen[b] = std::sqrt(work_.AccX[b] * work_.AccX[b] + work_.AccY[b] * work_.AccY[b]);
            st.MoveErr[b] = st.StepLen[b] * kMoveErrFactor / st.Dist;
            if (st.MoveErr[b] > st.MoveErrMax[b]) st.MoveErrMax[b] = st.MoveErr[b];
            if (panelsShown_) {
                TXtimErr[b].setText(asPattern<"000.000000000">(st.MoveErr[b]));
                TXtimErr[b].setToolTip(asPattern<"000.00000000000000">(st.MoveErr[b]));
                TxMerr[b].setText(asPattern<"000.000000000">(st.MoveErrMax[b]));
                TxMerr[b].setToolTip(asPattern<"000.00000000000000">(st.MoveErrMax[b]));
            }
            if (errorLimit < st.MoveErr[b] && endOnError) st.EndCode = 99;
        }
        st.VelX[b] += work_.AccX[b];
        st.VelY[b] += work_.AccY[b];
        if (b <= kMaxScreenSlot) keepOnScreen(b);
    }
}

void FormOrbit::keepOnScreen(int b) {
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
    const bool endAtEdge = Chend.ticked() || st.DistIdx > 15;
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
    const int idx = static_cast<int>(st.DistIdx);
    OpDist[idx].select();
    st.EndCode = 11;
    LaChirp[1].setCaption("Distance scale has changed to \r" + OpDist[idx].caption());
    LaChirp[1].setForeColor(TXerr.foreColor());
    LaChirp[1].setBackColor(TXerr.backColor());
    surface_.clear();
}

void FormOrbit::stopRun(float endCode, const std::string& notice) {
    st.EndCode = endCode;
    Ti.setEnabled(false);
    LaChirp[1].setCaption(notice);
}

bool FormOrbit::stateIsFinite() const {
    // x - x is 0 for every finite x and not a number otherwise, and a NaN survives every sum.
    double probe = 0;
    for (int b = 1; b <= st.NBodies; ++b) {
        probe += (st.PosX[b] - st.PosX[b]) + (st.PosY[b] - st.PosY[b]) + (st.VelX[b] - st.VelX[b]) +
                 (st.VelY[b] - st.VelY[b]);
    }
    return probe == 0;
}

}  // namespace zephra
