// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>

#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"
#include "ui/web_site.h"

namespace zephra {
namespace {

class StatusTimers : public ::testing::Test {
  protected:
    StatusTimers() {
        form.st.MaxScenarioBtn = 37;
        form.st.IntroTicks = 0;
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) form.Tr_Timer();
    }
    toolkit::HeadlessPlatform platform;
    FormOrbit form{platform};
};

TEST_F(StatusTimers, StartUpTimerCountsTheSeedSweepsTheButtonsAndGreysNewton) {
    form.Cosmos[0].initValue(CheckBox::kUnticked);
    ticks(1);
    EXPECT_EQ(form.TXran.text(), "1");
    const toolkit::Color lit = toolkit::rgb(255, 255, 0);
    ticks(9);
    EXPECT_EQ(form.CDp[1].backColor(), lit);
    ticks(10);
    EXPECT_EQ(form.CDp[2].backColor(), lit);
    ticks(370 - 20);
    EXPECT_EQ(form.CDp[37].backColor(), lit);
    ticks(10);  // one step past the last button: it goes dark
    EXPECT_EQ(form.CDp[37].backColor(), toolkit::rgb(128, 64, 32));
    ticks(1999 - 380);
    EXPECT_EQ(form.Cosmos[0].value(), CheckBox::kUnticked);
    ticks(1);
    EXPECT_EQ(form.Cosmos[0].value(), CheckBox::kGreyed);
    // The seed counts to 32000 and goes on from -32000.
    form.st.IntroTicks = 31999;
    ticks(1);
    EXPECT_EQ(form.TXran.text(), "32000");
    ticks(1);
    EXPECT_EQ(form.TXran.text(), "-32000");
}

// The blink colours are those the window's own boxes show, as laid out.
TEST_F(StatusTimers, MarkerBlinksInTheColourOfTheBodyType) {
    const toolkit::Color off = toolkit::rgb(32, 24, 0);
    form.TxTyp.setText("3");
    form.Shark.setBorderColor(off);
    form.TiF_Timer();
    EXPECT_EQ(form.Shark.borderColor(), form.TxTyp.foreColor());
    EXPECT_EQ(form.TxTyp.foreColor(), toolkit::rgb(128, 255, 128));
    EXPECT_EQ(form.La[16].caption(), "Planet Type");
    form.TiF_Timer();
    EXPECT_EQ(form.Shark.borderColor(), off);
    EXPECT_EQ(form.Shark.fillColor(), toolkit::rgb(128, 128, 128));
    for (auto [type, lit] : {std::pair{"0", toolkit::rgb(255, 255, 128)},
                             {"1", toolkit::rgb(255, 191, 0)},
                             {"2", toolkit::rgb(96, 191, 255)}}) {
        form.TxTyp.setText(type);
        form.Shark.setBorderColor(off);
        form.TiF_Timer();
        EXPECT_EQ(form.Shark.borderColor(), lit) << type;
        EXPECT_EQ(form.Shark.fillColor(), toolkit::kBlack);
        EXPECT_EQ(form.La[16].caption(), "Star Type");
    }
}

TEST_F(StatusTimers, SmallHandlers) {
    form.LaChirp[0].setVisible(true);
    form.LaChirp[1].setVisible(true);
    form.LaChirp[0].click();
    form.LaChirp[1].click();
    EXPECT_FALSE(form.LaChirp[0].visible());
    EXPECT_TRUE(form.LaChirp[1].visible());
    // A click on the clock restarts all four of its parts.
    form.st.ElapsedDays = 5;
    form.st.ElapsedSec = 7;
    form.st.ElapsedFrac = 9;
    form.st.ElapsedYears = 0.01;
    form.LaTime.click();
    for (double part : {form.st.ElapsedDays, form.st.ElapsedSec, form.st.ElapsedFrac, form.st.ElapsedYears})
        EXPECT_EQ(part, 0);
    form.CHac.initValue(CheckBox::kTicked);
    form.ChOrbit.setValue(CheckBox::kTicked);
    EXPECT_EQ(form.CHac.value(), CheckBox::kUnticked);
    form.Text1.setText("75");
    form.Text5.setText("5");
    form.La[2].click();
    EXPECT_EQ(form.Text5.text(), "75");
    EXPECT_EQ(form.Text1.text(), "75");
    form.Text5.setText("30");
    form.La[3].click();
    EXPECT_EQ(form.Text1.text(), "30");
}

// A control reported twice would be mirrored twice per event by the front end.
TEST(WindowStart, ReportsEachControlToTheFrontEndOnce) {
    toolkit::HeadlessPlatform platform;
    FormOrbit form{platform};
    const auto changed = form.takeDirty();
    EXPECT_EQ(std::set<toolkit::Control*>(changed.begin(), changed.end()).size(), changed.size());
}

TEST_F(StatusTimers, EveryLinkOpensItsPageOfTheSite) {
    for (int i = 0; i <= 5; ++i) form.CDwww[i].press();
    form.Command3.press();
    form.ImMoon.click();
    form.Farewell.Command1.press();
    form.Farewell.Picture1.click();
    const std::string base(kWebSiteBase);
    const std::vector<std::string> expected = {
        base + "/relativity-revised.htm",
        base + "/relativity/gravitational-waves+general-relativity.htm",
        base + "/quantum-gravity.htm",
        base,
        base + "/simulator/relativity-orbit-solar-system.htm",
        base + "/LIGO/analysis-gw150914.htm",
        base + "/simulator/zephra.htm",
        base + "/simulator/zephra.htm",
        base + "/",
        base + "/orvane/faster-than-light-drive.htm",
    };
    EXPECT_EQ(platform.urls, expected);
    EXPECT_EQ(form.Farewell.Command1.caption(), "visit zephra.example.org");

    form.st.SrDiffReadout = SrReadout::CloseToZero;
    form.st.SrDiff = 0.25;
    form.CDsr.press();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Special Relativity close to zero. Newton vs Einstein velocity difference =0.25");
    EXPECT_EQ(platform.messages[0].title, "Velocity changes as a proportion of the velocity of light:");
}

}  // namespace
}  // namespace zephra
