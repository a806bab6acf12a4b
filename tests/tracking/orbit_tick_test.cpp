#include <gtest/gtest.h>

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
    st.ScrX[2] = st.ScrX[1];  // equal x: the quadrant stays 2
    form.OrbitTickStart();
    EXPECT_EQ(st.Quart, 2);
    for (int q : {3, 4, 1}) tickIn(q);
    EXPECT_EQ(st.Laps, 2);
    EXPECT_EQ(st.Iters, 10);
    EXPECT_EQ(form.TXlaps.text(), "2");
    EXPECT_EQ(form.TXiterations.text(), "10");
}

TEST_F(OrbitTick, CalculationsPerOrbitAndQuarterBar) {
    tickIn(1);
    EXPECT_EQ(form.TXcalorb.text(), "n/a");
    EXPECT_EQ(form.LaQuart.height(), 50);
    EXPECT_EQ(form.LaQuart.backColor(), toolkit::rgb(115, 115, 0));

    st.Laps = 2;
    st.Iters = 499;
    tickIn(3);  // 500 ticks for 2.5 orbits
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
    EXPECT_EQ(st.AvgDaysText, "27.50000000");
    EXPECT_EQ(st.AvgYearsText, toolkit::formatNumber(27.5 / 365.256, "0.00000000"));
    EXPECT_EQ(form.TXdayFreq.text(), "27.50000000");

    form.OpAnnual[0].select();
    EXPECT_EQ(form.LaQd.caption(), "Orbit days (last)");
    EXPECT_EQ(form.TXdayFreq.text(), "27.70000000");
}

TEST_F(OrbitTick, FirstHalfOrbitTakesTheShownElapsedTime) {
    form.OpAnnual[2].select();
    form.Laday.setCaption("13.66000000");
    form.LaYears.setCaption("0.03739897");
    tickIn(3);  // starting in quadrant 3 counts at once
    EXPECT_EQ(st.HalfDaysText, "13.66000000");
    EXPECT_EQ(form.TXyearFreq.text(), "0.03739897");
    EXPECT_EQ(form.LaQd.caption(), "1st 1/2 orbit days");
}

TEST_F(OrbitTick, PausesInTheTickThatCompletesEachOrbit) {
    form.ChOrbit.initValue(1);
    EXPECT_TRUE(tickIn(4));
    EXPECT_FALSE(tickIn(1));
    EXPECT_EQ(st.StopLap, 2);
    EXPECT_TRUE(tickIn(2));
}

TEST_F(OrbitTick, BoxTickedAfterTheFirstOrbitsNeverPauses) {
    st.Laps = 5;
    form.ChOrbit.initValue(1);
    tickIn(4);
    EXPECT_TRUE(tickIn(1));
    EXPECT_EQ(st.StopLap, 1);
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
    EXPECT_EQ(form.TXperOdif.text(), "10.499");
    EXPECT_EQ(form.TXapart.text(), " 384 kkm");
    EXPECT_EQ(form.TXapart.toolTip(), " 384400 km");
    EXPECT_EQ(form.TXdif.text(), "42592");
    EXPECT_EQ(form.TXmin.text(), "363104");
    EXPECT_EQ(form.TxTmax.toolTip(), "405696");
}

TEST_F(OrbitTick, DrawnLinesClearedAtAnOrbitWithAutoClear) {
    form.CHac.initValue(1);
    form.surface().setPoint(10, 10, toolkit::kWhite);
    tickIn(4);
    tickIn(1);
    EXPECT_NE(form.surface().point(10, 10), static_cast<std::int64_t>(toolkit::kWhite));
}

TEST_F(OrbitTick, GravityDelayDistances) {
    form.ChDist.initValue(1);
    form.Cosmos[3].initValue(1);
    st.PosX[1] = 3;
    st.PosY[1] = 4;
    form.DisCalc();
    EXPECT_TRUE(form.FrameGD.visible());
    EXPECT_EQ(form.TXgd[1].text(), "0005.000");
    form.Cosmos[3].initValue(0);
    form.DisCalc();
    EXPECT_EQ(form.TXgd[1].text(), "Zero.");
    EXPECT_EQ(form.TXgd[2].text(), "Zero.");
    form.ChDist.initValue(0);
    form.DisCalc();
    EXPECT_FALSE(form.FrameGD.visible());
}

}  // namespace
}  // namespace zephra::testing
