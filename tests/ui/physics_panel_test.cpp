// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra {
namespace {

class PhysicsPanel : public ::testing::Test {
  protected:
    toolkit::HeadlessPlatform platform;
    FormOrbit form{platform};
};

TEST_F(PhysicsPanel, NewtonsGravityCanOnlyBeGreyed) {
    form.Cosmos[0].initValue(CheckBox::kTicked);
    form.LaCosmo[3].setVisible(true);
    form.Cosmos[0].click();
    EXPECT_EQ(form.Cosmos[0].value(), CheckBox::kGreyed);
    EXPECT_FALSE(form.LaCosmo[3].visible());
    EXPECT_TRUE(form.LaCosmo[0].visible());
}

TEST_F(PhysicsPanel, GeneralRelativityStartsAtLightSpeedUnlessASpeedIsSetAndOtherwiseResetsTheDelayPanel) {
    // Any option resets the delay panel while General Relativity is off.
    form.TXGspeed.setText("3");
    form.TXerr.setText("12.0");
    form.Cosmos[1].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.TXerr.text() + form.TXitd.text() + form.TXGspeed.text(), "~~0");
    EXPECT_EQ(form.HSgrav.value(), 0);
    EXPECT_EQ(form.LaChirp[2].caption(),
              "General Relativity is currently not active See 'Physical Cosmology' options.");

    form.HSgrav.initRange(0, 10, 0);
    form.st.BufPos = 500;
    form.Cosmos[3].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.st.BufPos, 1);
    EXPECT_EQ(form.TXGspeed.text(), "1");
    EXPECT_EQ(form.HSgrav.value(), 1);
    EXPECT_EQ(form.LaChirp[2].caption(), "Information regarding gravity delay may appear here.");

    form.Cosmos[3].setValue(CheckBox::kUnticked);
    form.TXGspeed.setText("2.5");
    form.Cosmos[3].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.TXGspeed.text(), "2.5");
}

TEST_F(PhysicsPanel, SpeedOfGravityBoxKeepsTheBarInStep) {
    form.HSgrav.initRange(0, 10, 0);
    form.Cosmos[3].initValue(CheckBox::kTicked);
    struct Row {
        const char *typed, *shown;
        bool barVisible;
        int bar;
    };
    // The bar holds the whole speeds up to 10; 0 is a speed of its own, only a negative one becomes 1.
    for (const Row& row : {Row{"2.50", "2.5", false, 0}, Row{"4", "4", true, 4}, Row{"12", "12", false, 4},
                           Row{"10", "10", true, 10}, Row{"11", "11", false, 10}, Row{"9", "9", true, 9},
                           Row{"-3", "1", true, 1}, Row{"0", "0", true, 0}, Row{"abc", "0", true, 0}}) {
        form.TXGspeed.setText(row.typed);
        form.TXGspeed_LostFocus();
        EXPECT_EQ(form.TXGspeed.text(), row.shown) << row.typed;
        EXPECT_EQ(form.HSgrav.visible(), row.barVisible) << row.typed;
        EXPECT_EQ(form.HSgrav.value(), row.bar) << row.typed;
    }
}

// The bar ticks General Relativity for any speed above 0; moved to 0 it leaves the option as it is.
TEST_F(PhysicsPanel, TheGravityBarTicksGeneralRelativityAboveZeroOnly) {
    form.Cosmos[3].initValue(CheckBox::kUnticked);
    form.HSgrav.initRange(0, 10, 3);
    form.HSgrav.setValue(0);
    EXPECT_EQ(form.Cosmos[3].value(), CheckBox::kUnticked);
    EXPECT_EQ(form.TXGspeed.text(), "0");
    form.HSgrav.setValue(1);
    EXPECT_EQ(form.Cosmos[3].value(), CheckBox::kTicked);
    EXPECT_EQ(form.TXGspeed.text(), "1");
}

TEST_F(PhysicsPanel, GravityBoxesStayInTheirLimits) {
    form.TXg[0].setText("0.5");
    form.TXg[1].setText("3");
    form.TXg_LostFocus(0);
    EXPECT_EQ(form.TXg[0].text(), "1");
    EXPECT_EQ(form.st.Mass[0], 1);
    EXPECT_EQ(form.st.Mass[1], 3);
    for (auto [typed, kept] : {std::pair{"1", "1"}, {"0.99", "1"}}) {
        form.TXg[1].setText(typed);
        form.TXg_LostFocus(1);
        EXPECT_EQ(form.TXg[1].text(), kept) << typed;
    }
    // The exponent 0.4..2.6: a box of its own, no mass.
    for (auto [typed, kept] :
         {std::pair{"2.7", "2.6"}, {"2.6", "2.6"}, {"0.4", "0.4"}, {"0.39", "0.4"}, {"2", "2"}}) {
        form.TXg[2].setText(typed);
        form.TXg_LostFocus(2);
        EXPECT_EQ(form.TXg[2].text(), kept) << typed;
    }
}

TEST_F(PhysicsPanel, BounceAndDarkCloudFillInTheirDefaults) {
    form.Cosmos[5].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.TXyield.text(), "0.001");
    EXPECT_EQ(form.TXSpinTransfer.text(), "0.085");
    form.TXdark.setText("0.5");
    form.Cosmos[4].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.TXdark.text(), "0.5");
    form.Cosmos[4].setValue(CheckBox::kUnticked);
    form.TXdark.setText("");
    form.Cosmos[4].setValue(CheckBox::kTicked);
    EXPECT_EQ(form.TXdark.text(), "0.0004");
}

TEST_F(PhysicsPanel, SpinDataWarnsExceptInTheSpinScenarios) {
    form.st.ScenarioNo = 3;
    form.ChspinD.setValue(CheckBox::kTicked);
    EXPECT_TRUE(form.TXspin[1].visible());
    EXPECT_TRUE(form.Label5[15].visible());
    EXPECT_EQ(form.LaChirp[1].caption(),
              "Rotation data is not relevant nor accurate in most scenarios for Zephra.");
    form.ChspinD.setValue(CheckBox::kUnticked);
    EXPECT_FALSE(form.TXspinC[2].visible());
    for (float scenario : {16.0f, 17.0f}) {
        form.ChspinD.setValue(CheckBox::kUnticked);
        form.st.ScenarioNo = scenario;
        form.ChspinD.setValue(CheckBox::kTicked);
        EXPECT_EQ(form.LaChirp[1].caption(), "Scenario information may appear here.") << scenario;
    }
}

}  // namespace
}  // namespace zephra
