// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/relativity.h"

#include <cmath>

#include "engine/einstein.h"
#include "engine/tick_run.h"
#include "toolkit/number_text.h"

// After the velocity update each body's speed change is recombined by Einstein's addition rule. With Special
// Relativity the velocity is scaled to that result; with Vessor Theory the speed taken away becomes spin.
namespace zephra::engine {

using toolkit::formatNumber;
using toolkit::numberText;

namespace {
constexpr std::string_view kVerifyFormat = "0.000000000000000000";
constexpr char kLineBreak = '\r';
}  // namespace

std::string srDifferenceMessage(const SimState& st) {
    if (!st.SrDiffReadout) return "";
    const double d = st.SrDiff;
    switch (*st.SrDiffReadout) {
        case SrReadout::Slowing:
            return "Special Relativity effectively zero. ";
        case SrReadout::CloseToZero:
            return "Special Relativity close to zero. Newton vs Einstein velocity difference =" +
                   numberText(d);
        case SrReadout::Difference:
            break;
    }
    return formatNumber(d, kVerifyFormat) +
           " difference between Newton and Einstein Velocity; or exactly:" + numberText(d);
}

void TickRun::lightSpeedLimit(int k) {
    const bool verify = k == 2 && settings.verifyEinstein;
    const double newV = speedAsC(st, st.VelX[k], st.VelY[k]);
    const double oldV = work.OldV[k];
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
            panels.srReadout = SrReadout::Slowing;
        } else if (differenceShowsAsZero(d)) {
            panels.srReadout = SrReadout::CloseToZero;
        } else {
            panels.srReadout = SrReadout::Difference;
        }
        st.SrDiffReadout = panels.srReadout;
        st.SrDiff = d;
        panels.srReadoutWritten = true;
    }
    panels.srButtonWritten = true;
    panels.srButtonShown = settings.specialRelativity;
    if (settings.specialRelativity && oldV <= st.EinsteinV) {
        st.VelX[k] = einX;
        st.VelY[k] = einY;
    }
    if (k < kPairSlots) {
        const SpeedTrend trend = deltaV > 0   ? SpeedTrend::Faster
                                 : deltaV < 0 ? SpeedTrend::Slower
                                              : SpeedTrend::Same;
        panels.trend[k] = {.written = true, .trend = newV == 0 ? SpeedTrend::AtRest : trend};
    }
    if (verify) verifyVelocityMessage(deltaV);
    if (k >= kPairSlots) return;  // spin is carried by the main pair only
    const double radius = settings.radius[k];
    if (settings.vessor && radius > 0 && st.ImpactFlag == 0) {
        const double removed =
            std::sqrt((newtonX - einX) * (newtonX - einX) + (newtonY - einY) * (newtonY - einY));
        const double sign = st.Spin[k] < 0 ? -1.0 : 1.0;
        st.Spin[k] += sign * std::sqrt(2 * removed * st.ItersPerSec) / (st.TwoPi * radius);
    }
}

void TickRun::verifyVelocityMessage(double deltaV) {
    st.VerifyText[3] = formatNumber(st.EinsteinV, kVerifyFormat);
    st.VerifyText[0] += st.VerifyText[3] + "=new VELOCITY for Einstein" + kLineBreak;
    st.VerifyText[0] = std::string("Use these VELOCITIES to verify limit on VELOCITY as body #2 ") +
                       kLineBreak + "approaches the velocity of light. (Expressed as a proportion of C)" +
                       kLineBreak + kLineBreak + st.VerifyText[0];
    if (!settings.specialRelativity) {
        window.messageBox("Special Relativity must be selected first", "N/A");
        settings.specialRelativity = true;
        window.setOption(TickOption::SpecialRelativity, true);
    }
    if (deltaV < 0) {
        st.VerifyText[0] = std::string("Body 2 is decelerating, therefore no velocity limit adjustment.") +
                           kLineBreak + "(See directly below)";
    } else {
        window.messageBox(st.VerifyText[0], "Verify Einstein:");
    }
    settings.verifyEinstein = false;
    window.setOption(TickOption::VerifyEinstein, false);
}

}  // namespace zephra::engine
