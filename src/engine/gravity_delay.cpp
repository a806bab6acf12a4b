#include <algorithm>
#include <cmath>

#include "display/screen_mapping.h"
#include "engine/pair_pull.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// Gravity at a finite speed: the pulled body feels the other where it was when the arriving gravity left it.
namespace zephra {

using toolkit::asPattern;
using toolkit::intPart;

namespace {
constexpr const char* kDelayBeyondNumbers = "Beyond range";

// A magnitude the plain number text writes in exponent notation would fill a patterned panel with hundreds
// of digits (or round to nothing): such a number is shown as the plain number text writes it.
template <toolkit::Literal Pattern>
toolkit::NumberShown panelNumber(double x) {
    const double magnitude = std::abs(x);
    if (magnitude >= 1e15 || (magnitude > 0 && magnitude < 1e-15)) return toolkit::asNumber(x);
    return asPattern<Pattern>(x);
}
}  // namespace

double FormOrbit::delayedPull(int i, int j, double r, double dx, double dy) {
    st.DelayIters = (st.Dist / work_.GravSpeed) / (st.StepUnits / 100000);
    // A gravity speed near 0 gives a delay no number holds: the panels say so in words.
    const double delaySeconds = st.Dist / work_.GravSpeed;
    if (std::isfinite(delaySeconds))
        TXdelay.setText(panelNumber<"0.000000">(delaySeconds));
    else
        TXdelay.setText(kDelayBeyondNumbers);
    // The slot the arriving gravity left, never before the first. A negative speed of gravity reaches ahead
    // into slots an earlier lap of the history wrote (or none did); only the end of the array bounds it. A
    // delay that is not a number reads slot 0.
    const double wanted = st.BufPos - intPart(st.DelayIters);
    const double delaySlot = wanted > 0 ? std::min(wanted, static_cast<double>(kHistorySlots - 1)) : 0.0;
    if (std::isfinite(st.DelayIters))
        TXitd.setText(toolkit::asWholeNumber(st.DelayIters));
    else
        TXitd.setText(kDelayBeyondNumbers);
    if (st.DelayIters > 0) {
        st.DelayErrPct = (100000 / st.DelayIters) / 1000;
        TXerr.setText(panelNumber<"00.0">(st.DelayErrPct));
        if (Chswitch.ticked()) {
            if (TXswitch.leadingValue() > st.DelayErrPct)
                OpGD[0].select();
            else
                OpGD[1].select();
        }
    } else {
        LaChirp[2].setCaption("Gravity Delay - infinite - div by zero ERROR");
        LaChirp[2].setForeColor(TXGspeed.foreColor());
        LaChirp[2].setBackColor(FraSpin.backColor());
    }
    // The history holds bodies 0..2; a minor body's origin stays its present position.
    const bool inHistory = j < kPairSlots;
    const int slot = static_cast<int>(delaySlot);
    const bool temporal = OpGD[0].value();
    if (!inHistory || (temporal && delaySlot <= 1)) {
        if (temporal && inHistory) {
            TXbuf.setVisible(true);
            TXbuf.setText("Buffering");
        }
        const PullParts pull = pullComponents(gravityStrength(st.GMstep, st.Mass[j], r, st.GExp), dx, r);
        work_.Ax = pull.x;
        work_.Ay = pull.y;
        return dy;
    }
    if (temporal) {
        TXbuf.setVisible(false);
        st.OriginX[j] = st.BufX(slot, j);
        st.OriginY[j] = st.BufY(slot, j);
    } else {
        st.OriginX[j] = st.PosX[j] - st.VelX[j] * st.DelayIters;
        st.OriginY[j] = st.PosY[j] - st.VelY[j] * st.DelayIters;
    }
    st.OriginScrX[j] = intPart(screenX(st, st.OriginX[j]));
    st.OriginScrY[j] = intPart(screenY(st, st.OriginY[j]));
    const double originDx = st.OriginX[j] - st.PosX[i];
    const double originDy = st.OriginY[j] - st.PosY[i];
    const double originR = std::sqrt(originDx * originDx + originDy * originDy);
    if (originR == 0) return 0;  // the origin lies on the pulled body: no direction, the previous pull stands
    const double g = gravityStrength(st.GMstep, st.BufMass(slot, j), originR, st.GExp);
    const PullParts pull = pullComponents(g, originDx, originR);
    work_.Ax = pull.x;
    work_.Ay = pull.y;
    return originDy;
}

}  // namespace zephra
