// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "pair_window.h"
#include "toolkit/number_text.h"

namespace zephra::testing {
namespace {

TEST(Tick, BodiesAtRestFeelInverseSquarePullAndMoveOnlyNextTick) {
    struct Row {
        double x2, y2;  // body 1 at the mirror point
        double ax1, ay1;
    };
    const double a = kGMsunDefault / (800.0 * 800.0);
    // Body 2 to the right, then below (+y): body 1 is pulled towards it, body 2 the opposite way.
    for (const Row& r : {Row{400, 0, a, 0}, Row{0, 400, 0, a}, Row{-240, -320, -0.6 * a, -0.8 * a}}) {
        Pair p;
        p.place(1, -r.x2, -r.y2);
        p.place(2, r.x2, r.y2);
        p.form->Ti_Timer();
        EXPECT_NEAR(p.st.VelX[1], r.ax1, 1e-12) << r.x2;
        EXPECT_NEAR(p.st.VelY[1], r.ay1, 1e-12) << r.x2;
        EXPECT_NEAR(p.st.VelX[2], -r.ax1, 1e-12) << r.x2;
        EXPECT_NEAR(p.st.VelY[2], -r.ay1, 1e-12) << r.x2;
        EXPECT_EQ(p.st.PosX[1], -r.x2);
        p.form->Ti_Timer();
        EXPECT_NEAR(p.st.PosX[1], -r.x2 + r.ax1, 1e-12);
    }
}

// The body panels in their units: speeds as fractions of c from km per iteration and iterations per second,
// the mass in suns with its kilograms in the tooltip, each body its own numbers. A body moving 44.9688687 km
// per step of 0.00015 s moves at a thousandth of c.
TEST(Tick, BodyPanelsShowEachBodysNumbersInTheirUnits) {
    Pair p;
    p.place(1, -5e5, 0, 0, 0.0449688687);
    p.place(2, 5e5, 0, 0, -0.0899377374);
    p.st.Mass[2] = 0.5;
    p.st.Spin[1] = 1e-6;
    p.st.Spin[2] = 3e-6;
    p.form->TXrad[1].initText("1000");
    p.form->TXrad[2].initText("2000");
    p.form->Ti_Timer();
    const auto shown = [](const TextBox& box) { return toolkit::leadingNumber(box.text()); };
    for (int b = 1; b <= 2; ++b) {
        const double speed = b * 0.001, radius = b * 1000.0;
        const double surface = 2 * 3.14159265358979 * p.st.Spin[b] * radius / 0.00015 / kLightC;
        EXPECT_NEAR(shown(p.form->TXvolight[b]), speed, 1e-14) << b;
        EXPECT_EQ(p.form->TXvolight[b].text().size(), 16u) << p.form->TXvolight[b].text();
        EXPECT_NEAR(shown(p.form->TXspinC[b]), surface, 1e-13) << b;
        EXPECT_NEAR(shown(p.form->TXspinT[b]), speed + surface, 1e-13) << b;
        EXPECT_NEAR(shown(p.form->TXspin[b]), p.st.Spin[b], 1e-14) << b;
        EXPECT_NEAR(shown(p.form->TXtimErr[b]), p.st.MoveErr[b], 1e-9) << b;
        EXPECT_EQ(p.form->TXtimErr[b].text().find('.'), 3u) << p.form->TXtimErr[b].text();
    }
    EXPECT_EQ(p.form->TXmass[1].text(), "1.00000000000000");
    EXPECT_EQ(p.form->TXmass[2].text(), "0.50000000000000");
    EXPECT_EQ(p.form->TXmass[1].toolTip(), "1.98855E+30 kg");
    EXPECT_EQ(p.form->TXmass[2].toolTip(), "9.94275E+29 kg");
}

TEST(Tick, PullingBodiesAboveTheLimitAreIgnored) {
    Pair p;
    p.place(1, -300, 0);
    p.place(2, 300, 0);
    p.form->TXw[2].initText("1");  // only body 1 (and 0) pull
    p.form->Ti_Timer();
    EXPECT_EQ(p.st.VelX[1], 0);
    EXPECT_LT(p.st.VelX[2], 0);
}

TEST(Tick, MinorBodyOnBody2AddsThePreviousPairsPullAgain) {
    Pair p;
    p.st.NBodies = 3;
    p.st.BodyOff[3] = 0;
    p.st.Mass[3] = 5;
    p.place(1, -300, 0);
    p.place(2, 300, 0);
    p.place(3, 300, 0);
    p.form->Ti_Timer();
    // r = 0 computes nothing: body 3 adds the 0 it starts with for body 2, and body 2 adds body 1's pull on
    // body 3 (the pair before it) for body 3.
    const double a = kGMsunDefault / (600.0 * 600.0);
    EXPECT_NEAR(p.st.VelX[3], -a, 1e-12);
    EXPECT_NEAR(p.st.VelX[2], -2 * a, 1e-12);
    EXPECT_NEAR(p.st.VelX[1], 6 * a, 1e-12);
    EXPECT_TRUE(p.form->Ti.enabled());
}

TEST(Tick, ScenarioZeroMarksBody2sStartOnItsFirstIteration) {
    for (float scenario : {0.0f, 3.0f}) {
        Pair p;
        p.st.ScenarioNo = scenario;
        p.form->TXTOden.setForeColor(toolkit::rgb(1, 2, 3));
        p.place(1, -300, 0);
        p.place(2, 300, 0, 45, 0);  // moves three pixels before it is drawn
        p.form->Ti_Timer();
        EXPECT_EQ(p.form->surface().point(7980, 4800) == toolkit::rgb(1, 2, 3), scenario == 0);
    }
}

// Each guard stop has an end code of its own, which replaces a passing one (11, the scale widened).
TEST(Tick, NonFiniteStateStopsTheRunWithANotice) {
    Pair p;
    p.place(1, -300, 0, std::numeric_limits<double>::infinity(), 0);
    p.place(2, 300, 0);
    p.st.EndCode = 11;
    p.form->Ti_Timer();
    EXPECT_FALSE(p.form->Ti.enabled());
    EXPECT_EQ(p.st.EndCode, 98);
    EXPECT_NE(p.form->LaChirp[1].caption().find("finite"), std::string::npos);
}

TEST(Tick, BodiesOnOnePointStopTheRunWithANotice) {
    Pair p;
    p.place(1, 5, 5, 1, 0);
    p.place(2, 6, 5);
    p.st.EndCode = 11;
    p.form->Ti_Timer();
    EXPECT_FALSE(p.form->Ti.enabled());
    EXPECT_EQ(p.st.EndCode, 88);
    EXPECT_EQ(p.st.Dist, 0);
    EXPECT_NE(p.form->LaChirp[1].caption().find("same point"), std::string::npos);
    EXPECT_EQ(p.form->TXtimErr[1].text().find("NaN"), std::string::npos);
    EXPECT_EQ(p.form->TxMerr[2].text().find("NaN"), std::string::npos);
}

TEST(Tick, AnErrorLimitTooLargeForADoubleIsTheLargestLimit) {
    for (const std::string& limit : {std::string("1e400"), std::string(10000, '9')}) {
        Pair p;
        p.form->Chender.initValue(1);
        p.form->TXender.initText(limit);
        p.place(1, -300, 0);
        p.place(2, 300, 0);
        p.form->Ti_Timer();
        EXPECT_TRUE(p.form->Ti.enabled()) << p.form->LaChirp[1].caption();
        EXPECT_NE(p.st.EndCode, 99);
    }
}

TEST(Tick, BodyTakenOutKeepsItsVelocity) {
    Pair p;
    p.place(1, -300, 0);
    p.place(2, 300, 0, 0, 2);
    p.form->Ti_Timer();
    const double vx2 = p.st.VelX[2], vy2 = p.st.VelY[2], vx1 = p.st.VelX[1];
    p.st.BodyOff[2] = 1;
    p.form->Ti_Timer();
    EXPECT_EQ(p.st.VelX[2], vx2);
    EXPECT_EQ(p.st.VelY[2], vy2);
    EXPECT_EQ(p.st.PosY[2], 2);    // moved in the first tick only
    EXPECT_EQ(p.st.VelX[1], vx1);  // and no longer pulls body 1
}

TEST(RotaP, DrawsRingsThatTurnByTheSpin) {
    for (const char* radius : {"1000", "59"}) {  // with "Auto" a disc under 60 twips shows no pattern
        Pair p;
        p.form->TXrad[1].initText(radius);
        p.form->Text3.initText("40");
        p.form->Text6.initText("2");
        p.form->TXvolight[1].setForeColor(toolkit::rgb(1, 2, 3));
        p.form->Chauto.initValue(1);
        p.st.Spin[1] = kTwoPi / 100;
        p.st.ScrX[1] = 7680;
        p.st.ScrY[1] = 4800;
        p.form->RotaP(1);
        if (radius[1] == '9') {
            EXPECT_EQ(p.st.RotAngle[1], 0);
            continue;
        }
        EXPECT_EQ(p.form->Text3.text(), "32");
        EXPECT_EQ(p.st.SurfPoints, 32);
        EXPECT_NEAR(p.st.RotAngle[1], kTwoPi / 100, 1e-15);
        // Point 8 of the inner ring (0.9 of the radius) a quarter turn plus the spin round the centre.
        const double angle = kTwoPi / 4 + kTwoPi / 100;
        const double x = 900 * std::sin(angle) + 7680, y = 900 * std::cos(angle) + 4800;
        EXPECT_EQ(p.st.SurfPixel[1][8][1], toolkit::Surface::pixelIndex(x, y));
        EXPECT_EQ(p.form->surface().point(x, y), toolkit::rgb(1, 2, 3));
        for (int i = 1; i < 150; ++i) p.form->RotaP(1);
        EXPECT_NEAR(p.st.RotAngle[1], kTwoPi / 2, 1e-9);  // one and a half turns, kept within one
    }
}

}  // namespace
}  // namespace zephra::testing
