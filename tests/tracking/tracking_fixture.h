// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window on the headless platform whose program folder is a fresh temporary folder, so that the drift
// file of each test is its own.

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra::testing {

class TrackingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        st.ScenarioNo = 3;  // a loaded scenario: the tick's first iteration runs nothing extra
        st.StopLap = 1;
        // Focus moves only to a box the window knows; register the error-limit box if the layout has not.
        if (form.TXender.form() == nullptr) form.add(form.TXender, "TXender");
    }

    // Screen positions with body 2 in the given quadrant around body 1 (screen y grows downwards).
    void placeBodyTwo(int quadrant) {
        st.ScrX[1] = 1000;
        st.ScrY[1] = 1000;
        st.ScrX[2] = (quadrant == 1 || quadrant == 4) ? 1500 : 500;
        st.ScrY[2] = (quadrant == 1 || quadrant == 2) ? 500 : 1500;
    }
    bool tickIn(int quadrant) {
        placeBodyTwo(quadrant);
        return form.OrbitTickStart();
    }

    TempFolder folder;
    toolkit::HeadlessPlatform platform{folder.string()};
    FormOrbit form{platform};
    SimState& st = form.st;
};

}  // namespace zephra::testing
