// SPDX-License-Identifier: GPL-3.0-or-later
// Window start-up: the run's constants, the panels' start positions and where the drift file goes.

#include <filesystem>

#include "ui/form_orbit.h"

namespace zephra {

void FormOrbit::Form_Load() {
    st.TwoPi = kTwoPi;
    st.PiVal = kPi;
    st.LightC = kLightC;
    FraMil.setLeft(105);
    FrameGD.setLeft(0);
    FrameGD.setTop(0);
    st.KgFactor = 10 / kSolarMassKg;
    st.PrevTimeFac = 1.0;
    st.ScreenWidthTw = 15360;
    st.DriftFile = (std::filesystem::path(platform_.dataFolder()) / "data-drift.txt").string();
    CHfile.setToolTip("Data for min/max drift can be found in file: " + st.DriftFile);
    st.MaxScenarioBtn = 37;
}

}  // namespace zephra
