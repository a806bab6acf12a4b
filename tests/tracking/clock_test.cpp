// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tracking_fixture.h"

namespace zephra::testing {
namespace {

using Clock = TrackingTest;

TEST_F(Clock, FinestScaleCarriesIntoWholeSeconds) {
    st.StepUnits = 15;
    for (int tick = 0; tick < 6667; ++tick) form.TikTok();
    EXPECT_EQ(st.ElapsedFrac, 5);
    EXPECT_EQ(st.ElapsedSec, 1);
    EXPECT_EQ(form.LaTime.caption(), "00005");
    EXPECT_EQ(form.LaTT.caption(), " 1.");
}

// The carry comes when the hundred-thousandths reach a whole second, not one unit later.
TEST_F(Clock, HundredThousandthsCarryAtExactlyOneSecond) {
    st.StepUnits = 25000;
    for (int tick = 1; tick <= 3; ++tick) form.TikTok();
    EXPECT_EQ(st.ElapsedFrac, 75000);
    EXPECT_EQ(st.ElapsedSec, 0);
    form.TikTok();
    EXPECT_EQ(st.ElapsedFrac, 0);
    EXPECT_EQ(st.ElapsedSec, 1);
    EXPECT_EQ(st.ElapsedDays, 1 / 86400.0);
}

TEST_F(Clock, CoarseStepsGoToTheSecondsPart) {
    st.StepUnits = 15000000;
    for (int tick = 0; tick < 576; ++tick) form.TikTok();  // 576 x 150 s = one day
    EXPECT_EQ(st.ElapsedFrac, 0);
    EXPECT_EQ(st.ElapsedSec, 86400);
    EXPECT_EQ(form.Laday.caption(), "1.00000000");
    EXPECT_EQ(form.LaTime.caption(), "00000");
}

TEST_F(Clock, OneYearIs365Point256Days) {
    st.StepUnits = 3155811840000;  // one year in one step
    form.TikTok();
    EXPECT_EQ(form.LaYears.caption(), "1.00000000");
    EXPECT_EQ(form.Laday.caption(), "365.25600000");
}

TEST_F(Clock, ThousandsThenMillionsOfYearsAtCoarseScales) {
    // Up to scale 10 the counter is hidden and left alone.
    st.TimeScaleIdx = 10;
    st.ElapsedSec = 5000000 * 31558118.4;
    const std::string hidden = form.Lamil.caption();
    form.TikTok();
    EXPECT_EQ(form.Lamil.caption(), hidden);
    st.TimeScaleIdx = 11;
    st.ElapsedSec = 5000000 * 31558118.4;
    form.TikTok();
    EXPECT_EQ(form.Lamil.caption(), "5000");
    EXPECT_EQ(form.LaYonks.caption(), "Thousand Years:");
    EXPECT_EQ(form.Lamil.toolTip(), "Thousand Years");
    st.ElapsedSec = 12000000 * 31558118.4;
    form.TikTok();
    EXPECT_EQ(form.Lamil.caption(), "12");
    EXPECT_EQ(form.LaYonks.caption(), "Million Years:");
    EXPECT_EQ(form.LaYonks.foreColor(), form.Label7.foreColor());
    // From ten million years on; a step below it the thousands still count.
    for (const auto& [years, caption] : {std::pair{10000000.0, "10"}, {9999999.0, "9999"}}) {
        st.ElapsedSec = years * 31558118.4;
        st.ElapsedFrac = 0;
        form.TikTok();
        ASSERT_EQ(st.ElapsedYears, years);
        EXPECT_EQ(form.Lamil.caption(), caption) << years;
    }
}

struct EndRow {
    float code;
    const char* notice;  // null: the run goes on
};

class EndOfRun : public TrackingTest, public ::testing::WithParamInterface<EndRow> {};

TEST_P(EndOfRun, StopsWithItsNoticeOnlyForEndingCodes) {
    const EndRow& row = GetParam();
    form.LaChirp[1].setCaption("running");
    form.Ti.setEnabled(true);
    st.EndCode = row.code;
    form.TikTok();
    EXPECT_EQ(form.Ti.enabled(), row.notice == nullptr);
    EXPECT_EQ(form.LaChirp[1].caption(), row.notice ? row.notice : "running");
    EXPECT_EQ(form.focused() == &form.TXender, row.code == 99);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EndOfRun,
    ::testing::Values(EndRow{0, nullptr}, EndRow{11, nullptr}, EndRow{55, nullptr},
                      EndRow{66, "Bodies have departed the screen. Scenario Ends."},
                      EndRow{67, "Bodies have departed the simulator range. Scenario Ends."},
                      EndRow{77, "Bodies have impacted.\rScenario Ends."},
                      EndRow{99,
                             "Bodies have generated an error margin higher than limit.\rScenario Ends."}));

TEST_F(Clock, MovementErrorAboveTheLimitEndsTheRunAtTheEndOfItsTick) {
    struct Row {
        int endOnError;
        const char* limit;
        bool ends;
    };
    // Earth round the Sun: every tick bends the path, so the movement error is above zero and far below 5 %.
    for (const Row& r :
         {Row{1, "0", true}, Row{1, "no limit", true}, Row{0, "0", false}, Row{1, "5", false}}) {
        form.CDp[10].press();
        form.Chender.setValue(r.endOnError);
        form.TXender.setText(r.limit);
        form.Ti_Timer();
        EXPECT_EQ(st.EndCode, r.ends ? 99 : 0) << r.limit;
        EXPECT_EQ(form.Ti.enabled(), !r.ends) << r.limit;
        EXPECT_EQ(st.TickStatus, "ok");             // the tick ran to its end
        EXPECT_EQ(st.ElapsedSec, 1500) << r.limit;  // one step of 1500 s
    }
}

TEST_F(Clock, ResetInEitherDirectionClearsBothMaxima) {
    for (int click = 0; click < 2; ++click) {
        st.MoveErrMax[1] = 3;
        st.MoveErrMax[2] = 4;
        form.setFocus(form.ChReset);  // the click itself moves the focus to the box
        form.ChReset.click();
        EXPECT_EQ(st.MoveErrMax[1], 0);
        EXPECT_EQ(st.MoveErrMax[2], 0);
        EXPECT_EQ(form.focused(), &form.TXender);
    }
}

}  // namespace
}  // namespace zephra::testing
