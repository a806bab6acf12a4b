#include <cmath>

#include "engine/einstein.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// After the velocity update each body's speed change is recombined by Einstein's addition rule. With Special
// Relativity the velocity is scaled to that result; with Vessor Theory the speed taken away becomes spin.
namespace zephra {

using toolkit::formatNumber;
using toolkit::numberText;

namespace {
constexpr std::string_view kVerifyFormat = "0.000000000000000000";
constexpr char kLineBreak = '\r';

std::string closeToZeroText(double d) {
    return "Special Relativity close to zero. Newton vs Einstein velocity difference =" + numberText(d);
}

std::string differenceText(double d) {
    return formatNumber(d, kVerifyFormat) +
           " difference between Newton and Einstein Velocity; or exactly:" + numberText(d);
}
}  // namespace

void FormOrbit::lightSpeedLimit(int k) {
    const bool verify = k == 2 && LVLV.ticked();
    const double newV = speedAsC(st, st.VelX[k], st.VelY[k]);
    const double oldV = work_.OldV[k];
    const double deltaV = newV - oldV;
    if (verify) {
        st.VerifyText[4] = formatNumber(oldV, kVerifyFormat);
        st.VerifyText[2] = formatNumber(deltaV, kVerifyFormat);
        st.VerifyText[1] = formatNumber(newV, kVerifyFormat);
        st.VerifyText[0] = st.VerifyText[4] + "=old VELOCITY before movement" + kLineBreak +
                           st.VerifyText[2] + "=amount of VELOCITY that has been added" + kLineBreak +
                           st.VerifyText[1] + "=new total VELOCITY added as Newton" + kLineBreak;
    }
    const double factor = einsteinFactor(oldV, deltaV, newV);
    const double newtonX = st.VelX[k], newtonY = st.VelY[k];
    const double einX = factor * newtonX;
    const double einY = factor * newtonY;
    st.EinsteinV = speedAsC(st, einX, einY);
    if (k == 2) {
        const double d = newV - st.EinsteinV;
        if (deltaV < 0) {
            st.SrDiffText.set(toolkit::asFixedText<"Special Relativity effectively zero. ">());
            CDsr.setBackColor(toolkit::rgb(128, 0, 32));
        } else if (differenceShowsAsZero(d)) {
            st.SrDiffText.set(toolkit::asComposed<closeToZeroText>(d));
            CDsr.setBackColor(toolkit::rgb(255, 128, 0));
        } else {
            st.SrDiffText.set(toolkit::asComposed<differenceText>(d));
            CDsr.setBackColor(toolkit::rgb(0, 128, 0));
        }
    }
    CDsr.setVisible(Cosmos[1].ticked());
    if (Cosmos[1].ticked() && oldV <= st.EinsteinV) {
        st.VelX[k] = einX;
        st.VelY[k] = einY;
    }
    if (k < kPairSlots && panelsShown_) {
        using toolkit::asFixedText;
        const toolkit::NumberShown trend = deltaV > 0   ? asFixedText<">0">()
                                           : deltaV < 0 ? asFixedText<"<0">()
                                                        : asFixedText<"~">();
        LaLim[k].setCaption(newV == 0 ? asFixedText<"0">() : trend);
    }
    if (verify) verifyVelocityMessage(deltaV);
    if (k >= kPairSlots) return;  // spin is carried by the main pair only
    const double radius = TXrad[k].leadingValue();
    if (Cosmos[2].ticked() && radius > 0 && st.ImpactFlag == 0) {
        const double removed =
            std::sqrt((newtonX - einX) * (newtonX - einX) + (newtonY - einY) * (newtonY - einY));
        const double sign = st.Spin[k] < 0 ? -1.0 : 1.0;
        st.Spin[k] += sign * std::sqrt(2 * removed * st.ItersPerSec) / (st.TwoPi * radius);
    }
}

void FormOrbit::verifyVelocityMessage(double deltaV) {
    st.VerifyText[3] = formatNumber(st.EinsteinV, kVerifyFormat);
    st.VerifyText[0] += st.VerifyText[3] + "=new VELOCITY for Einstein" + kLineBreak;
    st.VerifyText[0] = std::string("Use these VELOCITIES to verify limit on VELOCITY as body #2 ") +
                       kLineBreak + "approaches the velocity of light. (Expressed as a proportion of C)" +
                       kLineBreak + kLineBreak + st.VerifyText[0];
    if (!Cosmos[1].ticked()) {
        platform_.messageBox("Special Relativity must be selected first", "N/A");
        Cosmos[1].setValue(1);
    }
    if (deltaV < 0) {
        st.VerifyText[0] = std::string("Body 2 is decelerating, therefore no velocity limit adjustment.") +
                           kLineBreak + "(See directly below)";
    } else {
        platform_.messageBox(st.VerifyText[0], "Verify Einstein:");
    }
    LVLV.setValue(0);
}

}  // namespace zephra
