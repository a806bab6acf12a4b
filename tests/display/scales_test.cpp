// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "toolkit/color.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

// The time scale, the computation rate and the distance scale, checked against the window's tables as the
// user reads them: captions, factors, what a change does to a running pair, and the widening at the edge.
namespace zephra {
namespace {

using toolkit::rgb;

class Scales : public ::testing::Test {
  protected:
    toolkit::HeadlessPlatform platform{"/tmp/zephra-scales"};
    FormOrbit form{platform};
    SimState& st = form.st;
};

// Only the chosen option of a scale frame stands out (yellow on dark brown); the rest are grey on black.
template <typename Options>
void expectOnlyChosenStandsOut(const Options& options, int count, int chosen) {
    for (int k = 0; k < count; ++k) {
        EXPECT_EQ(options[k].foreColor(), k == chosen ? rgb(255, 255, 0) : rgb(96, 96, 96)) << k;
        EXPECT_EQ(options[k].backColor(), k == chosen ? rgb(64, 16, 0) : rgb(16, 8, 0)) << k;
    }
}

struct TimeRow {
    int k;
    const char* caption;
    const char* toolTip;
    double timeFac;
    const char* added;  // virtual seconds per iteration, as the window shows them
};

class TimeScale : public Scales, public ::testing::WithParamInterface<TimeRow> {};

TEST_P(TimeScale, SetsTheStepAndRescalesOnlyThePair) {
    const TimeRow& r = GetParam();
    st.VelY[1] = -3;
    st.VelX[2] = 5;
    st.VelY[3] = 11;
    form.FraMil.setVisible(r.k <= 10);
    form.Optime[r.k].select();

    EXPECT_EQ(form.Optime[r.k].caption(), r.caption);
    EXPECT_EQ(form.Optime[r.k].toolTip(), r.toolTip);
    EXPECT_EQ(st.TimeFac, r.timeFac);
    EXPECT_EQ(st.ItersPerSec, 100000 / (15 * r.timeFac));
    EXPECT_EQ(st.TimeScaleIdx, r.k);
    EXPECT_EQ(form.Laadd.caption(), r.added);
    EXPECT_EQ(form.FraMil.visible(), r.k >= 11);  // the thousand/million-years counter
    // The window opens at one base iteration per step, so the pair's velocities grow by the new factor.
    EXPECT_EQ(st.VelY[1], -3 * r.timeFac);
    EXPECT_EQ(st.VelX[2], 5 * r.timeFac);
    EXPECT_EQ(st.VelY[3], 11);
    EXPECT_EQ(st.TimeRateLog, "Time Rate: " + std::string(r.caption) + " { " + std::to_string(r.k) + " };  ");
    expectOnlyChosenStandsOut(form.Optime, 18, r.k);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TimeScale,
    ::testing::Values(TimeRow{0, "1 user sec = 0.01 virtual s", "1: 0.01", 1e0, "0.00015"},
                      TimeRow{1, "1s = 0.1s", "1: 0.1", 1e1, "0.00150"},
                      TimeRow{2, "1 user sec = 1 virtual sec", "1: 1", 1e2, "0.01500"},
                      TimeRow{3, "1s = 10s", "1: 10", 1e3, "0.15000"},
                      TimeRow{4, "1 user sec = 100 v secs", "1: 100", 1e4, "1.50000"},
                      TimeRow{5, "1s = 17min", "1: 1000", 1e5, "15.00000"},
                      TimeRow{6, "1 user sec = 167 mins", "1: 10 000", 1e6, "150.00000"},
                      TimeRow{7, "1s = 1day", "1: 100 000", 1e7, "1500.00000"},
                      TimeRow{8, "1 user sec = 12 days", "1: 1 million", 1e8, "15000.00000"},
                      TimeRow{9, "1s = 4mo", "1: 10 million ", 1e9, "150000.00000"},
                      TimeRow{10, "1 user sec = 3 years", "1: 100 million", 1e10, "1500000.00000"},
                      TimeRow{11, "1s = 32 yrs", "1: 1000 million", 1e11, "15000000.00000"},
                      TimeRow{12, "1 user sec = 317 years", "1: 10 000 million", 1e12, "150000000.00000"},
                      TimeRow{13, "1s = 3174 yrs", "1: 100 billion", 1e13, "1500000000.00000"},
                      TimeRow{14, "1 user sec = 32 kyears", "1: 1trillion", 1e14, "15000000000.00000"},
                      TimeRow{15, "1s = 317 kyrs", "1: 10 trillion", 1e15, "150000000000.00000"},
                      TimeRow{16, "1 user sec = 3 million yrs", "1: 100 trillion", 1e16,
                              "1500000000000.00000"},
                      TimeRow{17, "1s = 32 myrs", "1: 1000 trillion", 1e17, "15000000000000.00000"}));

TEST_F(Scales, MidRunScaleChangeKeepsThePhysicalVelocityOfThePair) {
    form.Optime[2].select();
    st.VelY[1] = 0.5;
    st.VelX[2] = -0.25;
    st.VelY[4] = 3;
    st.MoveErrMax[1] = st.MoveErrMax[2] = 4;
    form.ChReset.initValue(CheckBox::kUnticked);
    form.Optime[7].select();
    EXPECT_EQ(st.VelY[1], 50000);
    EXPECT_EQ(st.VelX[2], -25000);
    EXPECT_EQ(st.VelY[4], 3);
    EXPECT_EQ(form.Laadd.caption(), "1500.00000");
    EXPECT_EQ(st.MoveErrMax[2], 4);  // kept while "Reset max" is unticked

    form.ChReset.initValue(CheckBox::kTicked);
    form.Optime[2].select();
    EXPECT_DOUBLE_EQ(st.VelY[1], 0.5);
    EXPECT_DOUBLE_EQ(st.VelX[2], -0.25);
    EXPECT_EQ(st.MoveErrMax[1], 0);
    EXPECT_EQ(st.MoveErrMax[2], 0);

    // The same scale again changes no velocity but is still logged and still clears the maxima.
    st.MoveErrMax[1] = 4;
    const double v = st.VelY[1];
    form.Optime_Click(2);
    EXPECT_EQ(st.VelY[1], v);
    EXPECT_EQ(st.MoveErrMax[1], 0);
    EXPECT_EQ(st.TimeRateLog,
              "Time Rate: 1 user sec = 1 virtual sec { 2 };  Time Rate: 1s = 1day { 7 };  Time Rate: 1 user "
              "sec = 1 virtual sec { 2 };  Time Rate: 1 user sec = 1 virtual sec { 2 };  ");

    // The hidden option only clears the visible selection.
    st.MoveErrMax[1] = 4;
    const std::string log = st.TimeRateLog;
    form.Optime[18].select();
    EXPECT_EQ(st.VelY[1], v);
    EXPECT_EQ(st.TimeFac, 100);
    EXPECT_EQ(st.MoveErrMax[1], 4);
    EXPECT_EQ(form.Optime[2].backColor(), rgb(64, 16, 0));
    EXPECT_EQ(st.TimeRateLog, log);
}

TEST_F(Scales, RateOptionsAndTheRateBoxFollowEachOther) {
    struct Option {
        const char* toolTip;
        toolkit::Color shade;
        const char* interval;  // written into the box; null: the user types it
    };
    const Option options[] = {{"PC rate - Free to edit", rgb(64, 64, 64), nullptr},
                              {"Slowest computation speed", rgb(128, 128, 128), "500"},
                              {"Medium computation speed", rgb(176, 176, 176), "75"},
                              {"Fastest computation speed", rgb(224, 224, 224), "15"}};
    EXPECT_TRUE(form.Optim[3].value());
    EXPECT_EQ(form.TXt.text(), "15");
    for (int i : {1, 2, 3, 0}) {
        EXPECT_EQ(form.Optim[i].toolTip(), options[i].toolTip);
        EXPECT_EQ(form.Optim[i].backColor(), options[i].shade);
        form.TXt.setText("40");
        form.Optim_Click(i);
        EXPECT_EQ(form.TXt.text(), options[i].interval ? options[i].interval : "40") << i;
        EXPECT_EQ(form.Ti.interval(), options[i].interval ? std::stoi(options[i].interval) : 40) << i;
        EXPECT_EQ(form.focused() == &form.TXt, i == 0) << i;
    }

    // Leaving the box (the Tab key) selects the option of the rate typed; a free rate keeps the focus there.
    struct Typed {
        const char* text;
        int option, interval;
    };
    for (const Typed& t : {Typed{"75", 2, 75}, Typed{"40", 0, 40}, Typed{"500", 1, 500}, Typed{"41", 0, 41},
                           Typed{"15", 3, 15}, Typed{"75 ms", 2, 75}}) {
        form.setFocus(form.TXt);
        form.TXt.setText(t.text);
        form.setFocus(form.Chuser);
        EXPECT_TRUE(form.Optim[t.option].value()) << t.text;
        EXPECT_EQ(form.Ti.interval(), t.interval) << t.text;
        EXPECT_EQ(form.focused() == &form.TXt, t.option == 0) << t.text;
    }
    EXPECT_EQ(form.TXt.text(), "75");
}

struct DistanceRow {
    int k;
    const char* caption;
    double kmPerTwip;
    double a, b;  // the km origin sits at (15360 / a, 11520 / b) twips; 0 puts it at the top left corner
};

// Typed from the window's distance-scale table.
constexpr DistanceRow kDistanceRows[] = {
    {0, "1 px = 15km", 1, 0, 0},
    {1, "1 px = 150km", 10, 2.22, 2.75},
    {2, "1 px = 1500km", 100, 2.02, 2.5},
    {3, "1 px = 15kkm", 1000, 2.002, 2.47},
    {4, "1 px = 150kkm", 10000, 2.0002, 2.467},
    {5, "1 px = 1500kkm", 100000, 2.00002, 2.465},
    {6, "1 px = 15mkm", 1000000, 2.000002, 2.465},
    {7, "1 px = 150mkm", 10000000, 2.0000002, 2.465},
    {8, "1 px = 1500mkm", 100000000, 2.00000002, 2.465},
    {9, "1 px = 30km", 2, 4.0, 5.0},
    {10, "1 px = 300km", 20, 2.1, 2.6},
    {11, "1 px = 3kkm", 200, 2.01, 2.55},
    {12, "1 px = 30kkm", 2000, 2.001, 2.5},
    {13, "1 px = 300kkm", 20000, 2.00002, 2.465},
    {14, "1 px = 3mkm", 200000, 2.00003, 2.465},
    {15, "1 px = 30mkm", 2000000, 2.000003, 2.465},
    {16, "1 px = 300mkm", 20000000, 2.0000003, 2.465},
};

double originX(const DistanceRow& r) {
    return r.a == 0 ? 0 : 15360 / r.a;
}
double originY(const DistanceRow& r) {
    return r.b == 0 ? 0 : 11520 / r.b;
}

class DistanceScale : public Scales, public ::testing::WithParamInterface<DistanceRow> {};

TEST_P(DistanceScale, MapsKmToTheScreenAndRedrawsFromScratch) {
    const DistanceRow& r = GetParam();
    st.PosX[1] = -3e6;
    st.PosY[1] = 4608;
    st.PosX[2] = 7.5e6;
    st.PosY[2] = -2e5;
    st.OriginScrX[1] = 3000;
    st.OriginScrY[1] = 2000;
    st.OriginScrX[2] = 3300;
    st.OriginScrY[2] = 2300;
    form.surface().setPoint(3300, 2300, toolkit::kWhite);  // body 2's gravity-origin dot
    form.surface().setPoint(9000, 6000, toolkit::kWhite);
    form.OpDist[r.k].select();

    EXPECT_EQ(form.OpDist[r.k].caption(), r.caption);
    EXPECT_EQ(st.DistIdx, r.k);
    EXPECT_EQ(st.KmPerTwip, r.kmPerTwip);
    EXPECT_EQ(st.OrgX, originX(r));
    EXPECT_EQ(st.OrgY, originY(r));
    for (int b = 1; b <= 2; ++b) {
        EXPECT_EQ(st.ScrX[b], st.PosX[b] / r.kmPerTwip + originX(r)) << b;
        EXPECT_EQ(st.ScrY[b], st.PosY[b] / r.kmPerTwip + originY(r)) << b;
    }
    EXPECT_EQ(form.surface().point(3300, 2300), toolkit::kBlack);
    EXPECT_EQ(form.surface().point(9000, 6000), toolkit::kBlack);
    expectOnlyChosenStandsOut(form.OpDist, 17, r.k);
}

INSTANTIATE_TEST_SUITE_P(Rows, DistanceScale, ::testing::ValuesIn(kDistanceRows));

// Two clouds at rest on the finest time scale, point-like, so that a tick moves nothing by itself.
class ScreenEdge : public Scales {
  protected:
    ScreenEdge() {
        form.CDp[33].press();
        form.Optime[0].select();
        form.TXrad[1].setText("0");
        form.TXrad[2].setText("0");
    }
    // Puts body 1 mid-screen and body 2 at the given screen point of the scale in force, then runs a tick.
    void tickWithBodyTwoAt(int scale, double x, double y) {
        form.OpDist[scale].select();
        st.PosX[1] = (7000 - st.OrgX) * st.KmPerTwip;
        st.PosY[1] = (4000 - st.OrgY) * st.KmPerTwip;
        st.PosX[2] = (x - st.OrgX) * st.KmPerTwip;
        st.PosY[2] = (y - st.OrgY) * st.KmPerTwip;
        form.Ti_Timer();
    }
};

TEST_F(ScreenEdge, LeavingTheScreenWidensTheScaleOrEndsTheRun) {
    struct Row {
        int from, to;
        float code;
    };
    // The tenfold series steps outwards and a doubling scale falls back to the tenfold scale of its next
    // decade (11); the largest tenfold scale ends the run (67), the coarsest doubling one even with "Expand
    // screen" chosen, and takes the body out (66).
    for (const Row& r :
         {Row{0, 1, 11}, Row{1, 2, 11}, Row{2, 3, 11}, Row{3, 4, 11}, Row{4, 5, 11}, Row{5, 6, 11},
          Row{6, 7, 11}, Row{7, 8, 11}, Row{9, 1, 11}, Row{10, 2, 11}, Row{11, 3, 11}, Row{12, 4, 11},
          Row{13, 5, 11}, Row{14, 6, 11}, Row{15, 7, 11}, Row{8, 8, 67}, Row{16, 16, 66}}) {
        form.LaChirp[1].setForeColor(toolkit::kWhite);
        tickWithBodyTwoAt(r.from, 12700, 4000);
        EXPECT_EQ(st.DistIdx, r.to) << r.from;
        EXPECT_TRUE(form.OpDist[r.to].value()) << r.from;
        EXPECT_EQ(st.EndCode, r.code) << r.from;
        EXPECT_EQ(st.BodyOff[2], r.code == 66 ? 1 : 0) << r.from;
        EXPECT_EQ(form.Ti.enabled(), r.code == 11) << r.from;
        const std::string notice =
            r.code == 11   ? std::string("Distance scale has changed to \r") + kDistanceRows[r.to].caption
            : r.code == 67 ? "Bodies have departed the simulator range. Scenario Ends."
                           : "Bodies have departed the screen. Scenario Ends.";
        EXPECT_EQ(form.LaChirp[1].caption(), notice) << r.from;
        if (r.code == 11) {
            EXPECT_EQ(form.LaChirp[1].foreColor(), form.TXerr.foreColor());
        }
    }
}

TEST_F(ScreenEdge, EndIfObjectExitsPutsTheBodyBackInsideAndTakesItOut) {
    struct Row {
        double x, y, clampedX, clampedY;
    };
    for (const Row& r : {Row{2000, 4000, 2650, 4000}, Row{12700, 4000, 12570, 4000}, Row{7000, -5, 7000, 530},
                         Row{7000, 9100, 7000, 8970}}) {
        form.CDp[33].press();
        form.Chend.setValue(CheckBox::kTicked);
        tickWithBodyTwoAt(3, r.x, r.y);
        EXPECT_EQ(st.EndCode, 66) << r.x << "," << r.y;
        EXPECT_EQ(st.BodyOff[2], 1);
        EXPECT_EQ(st.DistIdx, 3);
        EXPECT_NEAR(st.ScrX[2], r.clampedX, 1e-6);
        EXPECT_NEAR(st.ScrY[2], r.clampedY, 1e-6);
        EXPECT_FALSE(form.Ti.enabled());
    }
}

}  // namespace
}  // namespace zephra
