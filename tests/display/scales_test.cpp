// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

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

// Every scale k: a step of 15 x 10^k hundred-thousandths of a second, which the velocities of the pair
// follow.
TEST_F(Scales, EveryTimeScaleStepsByItsPowerOfTenAndSaysSo) {
    st.VelY[1] = -3;
    st.VelX[2] = 5;
    st.VelY[3] = 11;
    double factor = 1;
    for (int k = 0; k <= 17; ++k) {
        form.Optime[k].select();
        EXPECT_EQ(st.TimeFac, std::pow(10.0, k)) << k;
        EXPECT_EQ(st.StepUnits, 15 * std::pow(10.0, k)) << k;
        EXPECT_EQ(st.ItersPerSec, 100000 / st.StepUnits) << k;
        EXPECT_EQ(st.TimeScaleIdx, k);
        EXPECT_EQ(form.FraMil.visible(), k >= 11) << k;  // the thousand/million-years counter
        EXPECT_TRUE(form.Optime[k].toolTip().starts_with("1: ")) << k;
        // Only the pair's velocities follow the step: the same physical speed in km per iteration.
        factor *= k == 0 ? 1 : 10;
        EXPECT_EQ(st.VelY[1], -3 * factor) << k;
        EXPECT_EQ(st.VelX[2], 5 * factor) << k;
        EXPECT_EQ(st.VelY[3], 11);
    }
    expectOnlyChosenStandsOut(form.Optime, 18, 17);
    // A few rows in the window's own words: caption, ratio, added time per iteration.
    for (const auto& [k, caption, ratio, added] :
         {std::tuple{0, "1 user sec = 0.01 virtual s", "1: 0.01", "0.00015"},
          {4, "1 user sec = 100 v secs", "1: 100", "1.50000"},
          {5, "1s = 17min", "1: 1000", "15.00000"},
          {7, "1s = 1day", "1: 100 000", "1500.00000"},
          {8, "1 user sec = 12 days", "1: 1 million", "15000.00000"},
          {9, "1s = 4mo", "1: 10 million ", "150000.00000"},
          {14, "1 user sec = 32 kyears", "1: 1trillion", "15000000000.00000"},
          {17, "1s = 32 myrs", "1: 1000 trillion", "15000000000000.00000"}}) {
        form.Optime[k].select();
        EXPECT_EQ(form.Optime[k].caption(), caption) << k;
        EXPECT_EQ(form.Optime[k].toolTip(), ratio) << k;
        EXPECT_EQ(form.Laadd.caption(), added) << k;
    }
    st.TimeRateLog.clear();
    form.Optime[7].select();
    EXPECT_EQ(st.TimeRateLog, "Time Rate: 1s = 1day { 7 };  ");
}

TEST_F(Scales, MidRunScaleChangeKeepsThePhysicalVelocityOfThePair) {
    form.Optime[2].select();
    st.VelY[1] = 0.5;
    st.MoveErrMax[1] = st.MoveErrMax[2] = 4;
    form.ChReset.initValue(CheckBox::kUnticked);
    form.Optime[7].select();
    EXPECT_EQ(st.VelY[1], 50000);
    EXPECT_EQ(st.MoveErrMax[1], 4);  // kept while "Reset max" is unticked
    EXPECT_EQ(st.MoveErrMax[2], 4);
    form.ChReset.initValue(CheckBox::kTicked);
    form.Optime[2].select();
    EXPECT_DOUBLE_EQ(st.VelY[1], 0.5);
    EXPECT_EQ(st.MoveErrMax[1], 0);
    EXPECT_EQ(st.MoveErrMax[2], 0);

    // The same scale again changes no velocity but is still logged and still clears the maxima; the hidden
    // option only clears the visible selection.
    st.MoveErrMax[1] = st.MoveErrMax[2] = 4;
    form.Optime_Click(2);
    EXPECT_DOUBLE_EQ(st.VelY[1], 0.5);
    EXPECT_EQ(st.MoveErrMax[2], 0);
    st.MoveErrMax[1] = 4;
    const std::string log = st.TimeRateLog;
    EXPECT_TRUE(log.ends_with(
        "};  Time Rate: 1 user sec = 1 virtual sec { 2 };  Time Rate: 1 user sec = 1 virtual sec { 2 };  "));
    form.Optime[18].select();
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
    // The timer takes whole milliseconds from 1 to the largest int: a rate beyond them is refused and the
    // last one kept, with the options following it.
    for (const Typed& t :
         {Typed{"75", 2, 75}, Typed{"40", 0, 40}, Typed{"500", 1, 500}, Typed{"41", 0, 41},
          Typed{"15", 3, 15}, Typed{"1", 0, 1}, Typed{"0", 0, 1}, Typed{"2147483647", 0, 2147483647},
          Typed{"2147483648", 0, 2147483647}, Typed{"75", 2, 75}, Typed{"1.5", 2, 75}, Typed{"50", 0, 50}}) {
        form.setFocus(form.TXt);
        form.TXt.setText(t.text);
        form.setFocus(form.Chuser);
        EXPECT_TRUE(form.Optim[t.option].value()) << t.text;
        EXPECT_EQ(form.Ti.interval(), t.interval) << t.text;
        EXPECT_EQ(form.TXt.text(), std::to_string(t.interval)) << t.text;
    }
    EXPECT_EQ(form.LaChirp[1].caption(),
              "PC rate refused: it must be a whole number of milliseconds from 1 to 2147483647.");
}

// Options 0..8 step tenfold from 1 km per twip, 9..16 double it: 2, 20 ... 2 x 10^7. The caption gives the
// km of one pixel (15 twips) in the largest of km, thousands (kkm) and millions (mkm) that keeps it whole.
std::string pixelCaption(double km) {
    const auto whole = [](double v) { return std::to_string(static_cast<long long>(v)); };
    if (std::fmod(km, 1e6) == 0) return "1 px = " + whole(km / 1e6) + "mkm";
    if (std::fmod(km, 1e3) == 0) return "1 px = " + whole(km / 1e3) + "kkm";
    return "1 px = " + whole(km) + "km";
}

TEST_F(Scales, EveryDistanceScaleMapsKmToTheScreenAndRedrawsFromScratch) {
    st.PosX[1] = -3e6;
    st.PosY[1] = 4608;
    st.PosX[2] = 7.5e6;
    st.PosY[2] = -2e5;
    for (int k = 0; k <= 16; ++k) {
        form.surface().setPoint(9000, 6000, toolkit::kWhite);
        form.OpDist[k].select();
        const double kmPerTwip = k <= 8 ? std::pow(10.0, k) : 2 * std::pow(10.0, k - 9);
        EXPECT_EQ(st.DistIdx, k);
        EXPECT_EQ(st.KmPerTwip, kmPerTwip) << k;
        EXPECT_EQ(form.OpDist[k].caption(), pixelCaption(15 * kmPerTwip)) << k;
        // The km origin inside the 15360 x 11520 twip window, but for scale 0 at its corner.
        if (k > 0) {
            EXPECT_TRUE(st.OrgX > 0 && st.OrgX < 15360 && st.OrgY > 0 && st.OrgY < 11520) << k;
            EXPECT_GT(st.OrgX, st.OrgY) << k;
        }
        for (int b = 1; b <= 2; ++b) {
            EXPECT_EQ(st.ScrX[b], st.PosX[b] / kmPerTwip + st.OrgX) << b;
            EXPECT_EQ(st.ScrY[b], st.PosY[b] / kmPerTwip + st.OrgY) << b;
        }
        EXPECT_EQ(form.surface().point(9000, 6000), toolkit::kBlack);
    }
    expectOnlyChosenStandsOut(form.OpDist, 17, 16);
    for (const auto& [k, orgX, orgY] : {std::tuple{0, 0.0, 0.0},
                                        {3, 15360 / 2.002, 11520 / 2.47},
                                        {9, 15360 / 4.0, 11520 / 5.0},
                                        {16, 15360 / 2.0000003, 11520 / 2.465}}) {
        form.OpDist[k].select();
        EXPECT_EQ(st.OrgX, orgX) << k;
        EXPECT_EQ(st.OrgY, orgY) << k;
    }
    // A change of scale blackens the gravity-origin dots drawn at the old one.
    st.OriginScrX[1] = 13000;  // inside the window's width, beyond its height
    st.OriginScrY[1] = 11000;
    st.OriginScrX[2] = 14000;
    st.OriginScrY[2] = 2300;
    form.surface().setPoint(14000, 2300, toolkit::kWhite);
    form.OpDist[4].select();
    EXPECT_EQ(form.surface().point(14000, 2300), toolkit::kBlack);
}

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
        const std::string notice = r.code == 11
                                       ? "Distance scale has changed to \r" + form.OpDist[r.to].caption()
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
