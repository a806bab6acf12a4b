// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "bare_pair.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra::testing {

// A window with a pair of solar-mass bodies, point-like, on a 1 km per twip scale centred on the screen.
struct Pair {
    toolkit::HeadlessPlatform platform;
    std::unique_ptr<FormOrbit> form = std::make_unique<FormOrbit>(platform);
    SimState& st = form->st;

    Pair() {
        for (int c = 0; c <= 5; ++c) form->Cosmos[c].initValue(0);
        form->Cosmos[0].initValue(1);
        for (CheckBox* box : {&form->CHac, &form->ChOrbit, &form->Chalt, &form->Chender, &form->Chend,
                              &form->ChHit, &form->LVLV, &form->Chswitch})
            box->initValue(0);
        form->TXg[2].initText("2");
        form->TXw[2].initText("9");
        form->TXGspeed.initText("1");
        form->TXrad[1].initText("0");
        form->TXrad[2].initText("0");
        form->TXender.initText("100");
        st = barePair();
        st.StopLap = 1e9;
        form->Ti.setEnabled(true);
    }
    void place(int b, double x, double y, double vx = 0, double vy = 0) {
        st.PosX[b] = x;
        st.PosY[b] = y;
        st.VelX[b] = vx;
        st.VelY[b] = vy;
    }
    double gmStep() const { return st.TimeFac2 * st.GMsun; }
    double speedOf(int b) const { return std::hypot(st.VelX[b], st.VelY[b]) * st.ItersPerSec / kLightC; }
};

}  // namespace zephra::testing
