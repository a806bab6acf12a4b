// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include "toolkit/headless_platform.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {

// A window that has loaded one scenario, as the user's button press does.
class ScenarioWindow : public ::testing::Test {
  protected:
    toolkit::HeadlessPlatform platform{"/tmp/zephra-scenarios"};
    FormOrbit form{platform};

    void load(int scenario) { form.CDp[scenario].press(); }
    // Velocities the pair starts with, per base iteration (the start converts them to the time scale).
    double baseVelY(int body) const { return form.st.VelY[body] / form.st.TimeFac; }
};

}  // namespace zephra
