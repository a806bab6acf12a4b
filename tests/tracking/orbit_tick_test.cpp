// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "toolkit/color.h"
#include "toolkit/number_text.h"
#include "tracking_fixture.h"

namespace zephra::testing {
namespace {

using OrbitTick = TrackingTest;

TEST_F(OrbitTick, CountsAnOrbitOnlyOnThePassageFromFourToOne) {
    for (int q : {2, 3, 4}) tickIn(q);
    EXPECT_EQ(st.Laps, 0);
    tickIn(1);
    EXPECT_EQ(st.Laps, 1);
    tickIn(4);
    tickIn(2);  // a jump over quadrant 1 is no passage
    EXPECT_EQ(st.Laps, 1);
    st.ScrX[2] = st.ScrX[1];  // equal x or y: the quadrant stays 2
    form.OrbitTickStart();
    EXPECT_EQ(st.Quart, 2);
    placeBodyTwo(3);
    st.ScrY[2] = st.ScrY[1];
    form.OrbitTickStart();
    EXPECT_EQ(st.Quart, 2);
    for (int q : {3, 4, 1}) tickIn(q);
    EXPECT_EQ(st.Laps, 2);
    EXPECT_EQ(st.Iters, 11);
    EXPECT_EQ(form.TXlaps.text(), "2");
    EXPECT_EQ(form.TXiterations.text(), "11");
}

TEST_F(OrbitTick, CalculationsPerOrbitAndQuarterBar) {
    tickIn(1);
    EXPECT_EQ(form.TXcalorb.text(), "n/a");
    EXPECT_EQ(form.LaQuart.height(), 50);
    EXPECT_EQ(form.LaQuart.backColor(), toolkit::rgb(115, 115, 0));

    st.Laps = 2;
    st.Iters = 501;
    tickIn(3);  // 502 ticks for 2.5 orbits: 200.8, of which the whole ticks are shown
    EXPECT_EQ(form.TXcalorb.text(), "200");
    EXPECT_EQ(form.LaQuart.height(), 150);
    EXPECT_EQ(form.LaQuart.backColor(), toolkit::rgb(205, 205, 0));
}

TEST_F(OrbitTick, LastAndAveragePeriodsFromTheElapsedTime) {
    form.OpAnnual[1].select();
    tickIn(4);
    st.ElapsedDays = 27.3;
    st.ElapsedYears = 27.3 / 365.256;
    tickIn(1);
    tickIn(4);
    st.ElapsedDays = 55;
    st.ElapsedYears = 55 / 365.256;
    tickIn(1);
    EXPECT_EQ(st.LastDaysText, "27.70000000");
    EXPECT_EQ(st.LastYearsText, "0.07583722");
    EXPECT_EQ(st.AvgDaysText, "27.50000000");
    EXPECT_EQ(st.AvgYearsText, "0.07528966");
    EXPECT_EQ(form.TXdayFreq.text(), "27.50000000");
    EXPECT_EQ(form.TXyearFreq.text(), "0.07528966");
}

TEST_F(OrbitTick, PeriodSelectorShowsItsTexts) {
    st.LastDaysText = "1";
    st.LastYearsText = "2";
    st.AvgDaysText = "3";
    st.AvgYearsText = "4";
    st.HalfDaysText = "5";
    st.HalfYearsText = "6";
    struct Row {
        int option;
        const char *daysCaption, *yearsCaption, *days, *years;
    };
    for (const Row& r : {Row{1, "Orbit days (avg)", "Orbit years (avg)", "3", "4"},
                         Row{2, "1st 1/2 orbit days", "1st 1/2 orbit years", "5", "6"},
                         Row{0, "Orbit days (last)", "Orbit years (last)", "1", "2"}}) {
        form.OpAnnual[r.option].select();
        EXPECT_EQ(form.LaQd.caption(), r.daysCaption);
        EXPECT_EQ(form.LaQy.caption(), r.yearsCaption);
        EXPECT_EQ(form.TXdayFreq.text(), r.days);
        EXPECT_EQ(form.TXyearFreq.text(), r.years);
    }
}

TEST_F(OrbitTick, FirstHalfOrbitTakesTheShownElapsedTimeOnceInTheFirstOrbit) {
    form.OpAnnual[2].select();
    form.Laday.setCaption("13.66000000");
    form.LaYears.setCaption("0.03739897");
    tickIn(2);
    EXPECT_EQ(st.HalfDaysText, "");
    tickIn(3);  // the first passage into quadrant 3
    EXPECT_EQ(st.HalfDaysText, "13.66000000");
    EXPECT_EQ(st.HalfYearsText, "0.03739897");
    EXPECT_EQ(form.TXdayFreq.text(), "13.66000000");
    EXPECT_EQ(form.TXyearFreq.text(), "0.03739897");
    form.Laday.setCaption("20");
    tickIn(3);  // no quarter change
    tickIn(4);
    tickIn(1);
    tickIn(2);
    tickIn(3);  // the second orbit's
    EXPECT_EQ(st.HalfDaysText, "13.66000000");
}

// "Pause after orbit" holds the tick that completes the orbit it waits for, and only that one: ticked once
// five orbits are done, it waits for none.
TEST_F(OrbitTick, PausesInTheTickThatCompletesEachOrbit) {
    for (const auto& [laps, pauses, nextStop] : {std::tuple{0, true, 2}, {5, false, 1}}) {
        st.Laps = laps;
        st.StopLap = 1;
        form.ChOrbit.initValue(1);
        EXPECT_TRUE(tickIn(4));
        EXPECT_EQ(tickIn(1), !pauses) << laps;
        EXPECT_EQ(st.StopLap, nextStop) << laps;
        EXPECT_TRUE(tickIn(2));
    }
}

TEST_F(OrbitTick, PairStepKeepsExtremesAndEccentricity) {
    st.LapMin = st.LapMax = st.AllMin = st.AllMax = 384400;
    form.ChNum.initValue(1);
    for (double d : {363104.0, 405696.0, 384400.0}) {
        st.Dist = d;
        form.OrbitPairStep();
    }
    EXPECT_EQ(st.AllMin, 363104);
    EXPECT_EQ(st.AllMax, 405696);
    EXPECT_EQ(form.TXperdif.text(), "10.499");
    EXPECT_EQ(form.TXapart.text(), " 384 kkm");
    EXPECT_EQ(form.TXapart.toolTip(), " 384400 km");
    EXPECT_EQ(form.TXdif.text(), "42592");
    EXPECT_EQ(form.TXdif.toolTip(), "42592");

    // The next orbit starts from the finished orbit's greatest distance; the whole-run extremes stay.
    st.LapMin = st.LapMax;
    st.LapMax = 0;
    for (double d : {400000.0, 380000.25}) {
        st.Dist = d;
        form.OrbitPairStep();
    }
    EXPECT_EQ(form.TXmin.text(), "380000");
    EXPECT_EQ(form.TXmin.toolTip(), " 380000.25 km");
    EXPECT_EQ(form.TXmax.text(), "400000");
    EXPECT_EQ(form.TXmax.toolTip(), " 400000 km");
    EXPECT_EQ(form.TXperOdif.text(), "05.000");
    EXPECT_EQ(form.TXperdif.text(), "10.499");
    EXPECT_EQ(form.TxTmin.text(), " 363 kkm");
    EXPECT_EQ(form.TxTmin.toolTip(), "363104");
    EXPECT_EQ(form.TxTmax.text(), " 405 kkm");
    EXPECT_EQ(form.TxTmax.toolTip(), "405696");
    form.ChNum.initValue(0);
    form.OrbitPairStep();
    EXPECT_EQ(form.TxTmin.text(), "363104");
    EXPECT_EQ(form.TxTmax.text(), "405696");
}

TEST_F(OrbitTick, AutoClearAtAnOrbitOnlyWhenNotPausingAfterIt) {
    struct Row {
        int autoClear, pauseAfterOrbit;
        bool cleared;
    };
    for (const Row& r : {Row{1, 0, true}, Row{1, 1, false}, Row{0, 0, false}}) {
        st.Laps = 0;
        st.StopLap = 1;
        form.CHac.initValue(r.autoClear);
        form.ChOrbit.initValue(r.pauseAfterOrbit);
        form.surface().setPoint(10, 10, toolkit::kWhite);
        tickIn(4);
        tickIn(1);
        EXPECT_EQ(form.surface().point(10, 10) == toolkit::kWhite, !r.cleared)
            << r.autoClear << r.pauseAfterOrbit;
    }
}

TEST_F(OrbitTick, GravityDelayDistances) {
    for (int k = 0; k <= 4; ++k) form.LaCosmo[k].setVisible(true);
    form.ChDist.initValue(0);
    form.DisCalc();
    EXPECT_FALSE(form.FrameGD.visible());
    EXPECT_TRUE(form.LaCosmo[1].visible());

    form.ChDist.initValue(1);
    form.Cosmos[3].initValue(1);
    st.PosX[1] = 3;
    st.PosY[1] = 4;
    st.OriginX[1] = 6;
    st.OriginY[1] = 8;
    form.DisCalc();
    EXPECT_TRUE(form.FrameGD.visible());
    EXPECT_EQ(form.TXgd[1].text(), "0005.000");
    EXPECT_EQ(form.TXgd[2].text(), "0000.000");
    EXPECT_EQ(form.LaChirp[2].foreColor(), form.TXerr.foreColor());
    EXPECT_EQ(form.LaChirp[2].backColor(), form.TXerr.backColor());
    EXPECT_TRUE(form.LaCosmo[0].visible());
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(form.LaCosmo[k].visible()) << k;

    form.Cosmos[3].initValue(0);
    form.DisCalc();
    EXPECT_EQ(form.TXgd[1].text(), "Zero.");
    EXPECT_EQ(form.TXgd[2].text(), "Zero.");
}

}  // namespace
}  // namespace zephra::testing
