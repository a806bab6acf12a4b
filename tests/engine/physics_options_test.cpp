// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/relativity.h"
#include "pair_window.h"
#include "toolkit/number_text.h"

// The physics options on a pair placed by hand, with values worked from the formulas.
namespace zephra::testing {
namespace {

// A gravity speed of 0.1 c over 449.688687 km takes 100 iterations of 15 x 10^-5 s.
void startDelayedPair(Pair& p, bool temporal = true) {
    p.form->Cosmos[3].initValue(1);
    p.form->TXGspeed.initText("0.1");
    p.form->OpGD[0].initValue(temporal);
    p.form->OpGD[1].initValue(!temporal);
    p.place(1, -224.8443435, 0);
    p.place(2, 224.8443435, 0);
}

TEST(GravityDelay, TemporalBuffersAndAutoSwitchFollowsTheError) {
    Pair p;
    startDelayedPair(p);
    p.form->Chswitch.initValue(1);
    p.form->TXswitch.initText("2");
    p.form->Ti_Timer();
    EXPECT_EQ(p.form->TXbuf.text(), "Buffering");
    EXPECT_EQ(p.form->TXerr.text(), "01.0");
    EXPECT_TRUE(p.form->OpGD[0].value());
    EXPECT_NEAR(p.st.VelX[1], p.gmStep() / (449.688687 * 449.688687), 1e-9);  // instant pull meanwhile
    p.form->TXswitch.initText("0.5");
    p.form->Ti_Timer();
    EXPECT_TRUE(p.form->OpGD[1].value());
}

TEST(GravityDelay, AfterTheHistoryWrapsTheDelayedPullWaitsForTheDelayAgain) {
    struct Row {
        bool delay;
        const char* buffer;
    };
    for (const Row& r : {Row{false, "Gravity Velocity Buffer"}, Row{true, "Buffering"}}) {
        Pair p;
        startDelayedPair(p);
        p.form->Cosmos[3].initValue(r.delay);
        // The end of the last lap holds another position of body 2; it must not be read around the end.
        for (int s = 999800; s <= 999999; ++s) {
            p.st.BufX(s, 2) = 0;
            p.st.BufY(s, 2) = 300;
            p.st.BufMass(s, 2) = 1;
        }
        p.st.BufPos = 999999;
        p.form->TXbuf.setVisible(false);
        for (int t = 0; t < 50; ++t) p.form->Ti_Timer();
        EXPECT_EQ(p.st.BufPos, 49);
        EXPECT_EQ(p.form->TXbuf.text(), r.buffer);
        EXPECT_TRUE(p.form->TXbuf.visible());
        EXPECT_EQ(p.st.BufX(0, 1), -224.8443435);  // written before the first move
        EXPECT_EQ(p.st.BufShade(0, 1), 2);         // in an even orbit
        EXPECT_NEAR(p.st.VelY[1], 0, 1e-12);       // pulled only along the pair
    }
}

TEST(GravityDelay, NegativeGravitySpeedReadsAheadOfThePresentSlot) {
    Pair p;
    startDelayedPair(p);
    p.form->TXGspeed.initText("-0.1");
    p.st.BufX(103, 2) = 500;  // left there by an earlier lap of the history
    p.st.BufY(103, 2) = 600;
    for (int t = 0; t < 3; ++t) p.form->Ti_Timer();
    EXPECT_EQ(p.st.OriginX[2], 500);
    EXPECT_EQ(p.st.OriginY[2], 600);
    EXPECT_EQ(p.form->LaChirp[2].caption(), "Gravity Delay - infinite - div by zero ERROR");
    // A delay longer than the whole history reads its last slot, never past the array.
    p.form->TXGspeed.initText("-1e-9");
    p.st.BufX(1000000, 2) = 7;
    p.form->Ti_Timer();
    EXPECT_EQ(p.st.OriginX[2], 7);
    EXPECT_TRUE(p.form->Ti.enabled());
}

TEST(GravityDelay, SpatialOriginAcrossThePairPullsTowardsTheOrigin) {
    Pair p;
    startDelayedPair(p, false);
    p.st.BufMass(0, 2) = 1;             // the slot the delay reads, written by an earlier lap of the history
    p.place(2, 224.8443435, 10, 0, 1);  // 100 iterations ago it was 90 km above the line
    p.form->Ti_Timer();
    EXPECT_NEAR(p.st.OriginY[2], 11 - 100, 0.1);
    EXPECT_LT(p.st.VelY[1], 0);  // body 1 is pulled up towards the origin, not down towards body 2
}

TEST(GravityDelay, GravitySpeedsBeyondADoubleKeepTheDelayOnAndThePanelsInWords) {
    Pair p;
    startDelayedPair(p);
    p.form->TXGspeed.initText("1e400");
    p.form->Ti_Timer();
    EXPECT_TRUE(p.form->Cosmos[3].ticked());
    EXPECT_TRUE(p.platform.messages.empty());
    // Too slow to reach anything a double holds: no "Infinity" in the panels.
    p.form->TXGspeed.initText("1e-320");
    p.form->Ti_Timer();
    EXPECT_EQ(p.form->TXdelay.text(), "Beyond range");
    EXPECT_EQ(p.form->TXitd.text(), "Beyond range");
}

// The pair's gravity takes 0.0015 s / speed; a delay or an error share the patterns would spell out in
// hundreds of digits, or round to nothing, is written in exponent notation.
TEST(GravityDelay, HugeAndTinyDelaysShowInExponentNotation) {
    struct Row {
        const char* speed;
        const char* delay;  // "E+", "E-", or nothing for the pattern's own text
        const char* error;
    };
    for (const Row& r : {Row{"1e-300", "E+", "E-"}, Row{"1e300", "E-", "E+"}, Row{"1.5e-17", "", "E-"},
                         Row{"1.5e-19", "E+", "E-"}, Row{"0.1", "", ""}}) {
        Pair p;
        startDelayedPair(p);
        p.form->TXGspeed.initText(r.speed);
        p.form->Ti_Timer();
        for (const auto& [panel, notation] :
             {std::pair{&p.form->TXdelay, r.delay}, {&p.form->TXerr, r.error}}) {
            const std::string text = panel->text();
            EXPECT_LE(text.size(), 22u) << r.speed << ": " << text;
            if (*notation != '\0')
                EXPECT_NE(text.find(notation), std::string::npos) << r.speed << ": " << text;
            else
                EXPECT_EQ(text.find('E'), std::string::npos) << r.speed << ": " << text;
        }
    }
}

// Bodies of radius 1200 and 800 km, 1500 km apart along a 3-4-5 triangle, body 2 twice as heavy.
TEST(Contact, PushApartUnlessBounceAndSpinLetThemBounce) {
    struct Row {
        int bounce;
        const char* yield;
        int gaseous;
        bool pushed, ends;
    };
    for (const Row& r : {Row{0, "0", 0, true, true}, Row{0, "0", 1, true, false},
                         Row{1, "0.001", 0, false, false}, Row{1, "1", 1, true, false}}) {
        Pair p;
        p.form->TXrad[1].initText("1200");
        p.form->TXrad[2].initText("800");
        p.form->Cosmos[5].initValue(r.bounce);
        p.form->TXyield.initText(r.yield);
        p.form->ChHit.initValue(r.gaseous);
        p.form->Text6.initText("5");
        p.form->LaChirp[1].setCaption("");
        p.st.Mass[2] = 2;
        p.st.Spin[1] = p.st.Spin[2] = 0.01;
        p.place(1, 0, 0);
        p.place(2, 900, 1200);
        p.form->Ti_Timer();
        // The push is -(r / D) x Mass(j) along the line, away from the other body.
        const double k = r.pushed ? 0.75 : 0;
        EXPECT_NEAR(p.st.VelX[1], -0.6 * k * 2, 1e-12) << r.bounce << r.yield;
        EXPECT_NEAR(p.st.VelY[1], -0.8 * k * 2, 1e-12);
        EXPECT_NEAR(p.st.VelX[2], 0.6 * k, 1e-12);
        EXPECT_NEAR(p.st.VelY[2], 0.8 * k, 1e-12);
        EXPECT_EQ(p.st.Spin[1] + p.st.Spin[2], r.pushed ? 0 : 0.02);
        EXPECT_EQ(p.form->Text6.text(), r.pushed ? "2" : "1");
        EXPECT_EQ(p.st.EndCode, r.ends ? 77 : 0);
        EXPECT_EQ(p.form->Ti.enabled(), !r.ends);
        const char* notice = r.ends     ? "Bodies have impacted.\rScenario Ends."
                             : r.pushed ? "Bodies have impacted."
                                        : "";
        EXPECT_EQ(p.form->LaChirp[1].caption(), notice);
        if (!r.pushed || r.ends) continue;
        p.form->Ti_Timer();  // still overlapping: pushed again, the run goes on
        EXPECT_NEAR(p.st.VelX[2], 1.2 * 0.75, 0.01);
        EXPECT_TRUE(p.form->Ti.enabled());
    }
}

// Vessor Theory on a body at rest with no pull: only its own spin can take its edge past c. A contact in
// the previous tick (ImpactFlag 6) holds the shedding back, not the slowing.
TEST(Decay, EdgePastLightSpeedShedsMassAndSlowsTheSpinToC) {
    struct Row {
        double spin;
        float impact;
        double mass1, mass0;
    };
    const double atC = kLightC / (kTwoPi * 1000 * (100000 / 15.0));  // spin that moves the edge at c
    const double shed = (0.05 / atC - 1) / 30;
    for (const Row& r : {Row{0.05, 0, 1 - shed, shed}, Row{-0.05, 0, 1 - shed, shed}, Row{0.05, 6, 1, 0},
                         Row{1, 0, 0, 1},  // more than the whole mass: slot 0 gives the rest back
                         Row{0.005, 0, 1, 0}}) {
        Pair p;
        p.form->Cosmos[2].initValue(1);
        p.form->TXrad[1].initText("1000");
        p.form->TXw[2].initText("0");
        p.st.Dist = 600;
        p.st.Spin[1] = r.spin;
        p.st.ImpactFlag = r.impact;
        p.form->Ti_Timer();
        EXPECT_NEAR(p.st.Mass[1], r.mass1, 1e-14) << r.spin;
        EXPECT_NEAR(p.st.Mass[0], r.mass0, 1e-14) << r.spin;
        EXPECT_NEAR(p.st.Spin[1], std::abs(r.spin) > atC ? std::copysign(atC, r.spin) : r.spin, 1e-15)
            << r.spin;
        EXPECT_EQ(p.form->TXspinT[1].text(), std::abs(r.spin) > atC ? "1.0000000000000" : "0.6986150073172");
    }
}

TEST(Relativity, IndicatorsTellHowFarEinsteinAndNewtonDiffer) {
    auto run = [](double vx2, double vy2, double mass1, const char* pullLimit = "9") {
        auto p = std::make_unique<Pair>();
        p->form->Cosmos[1].initValue(1);
        p->form->TXw[2].initText(pullLimit);
        p->place(1, -30000, 0);
        p->place(2, 30000, 0, vx2, vy2);
        p->st.Mass[1] = mass1;
        p->st.KmPerTwip = 10;
        p->st.Dist = 60000;  // kept when nothing pulls
        p->form->Ti_Timer();
        return p;
    };
    const double halfC = 0.5 * kLightC / (100000 / 15.0);
    // From rest the Einstein sum is the Newtonian speed itself.
    auto fromRest = run(0, 0, 1);
    EXPECT_EQ(engine::srDifferenceMessage(fromRest->st)
                  .rfind("Special Relativity close to zero. Newton vs Einstein velocity "
                         "difference =",
                         0),
              0u);
    EXPECT_EQ(fromRest->form->CDsr.backColor(), toolkit::rgb(255, 128, 0));
    EXPECT_EQ(fromRest->form->LaLim[2].caption(), ">0");
    // At half the speed of light a strong pull shows a difference in the eighteen decimals.
    auto fast = run(0, halfC, 1e7);
    const std::string text = engine::srDifferenceMessage(fast->st);
    EXPECT_EQ(text.rfind("0.0", 0), 0u) << text;
    EXPECT_NE(text.find(" difference between Newton and Einstein Velocity; or exactly:"), std::string::npos);
    EXPECT_EQ(fast->form->CDsr.backColor(), toolkit::rgb(0, 128, 0));
    // Moving away at half c, it slows down: nothing to limit, the Newtonian velocity stands.
    auto slowing = run(halfC, 0, 1e7);
    EXPECT_EQ(engine::srDifferenceMessage(slowing->st), "Special Relativity effectively zero. ");
    EXPECT_EQ(slowing->form->CDsr.backColor(), toolkit::rgb(128, 0, 32));
    EXPECT_EQ(slowing->form->LaLim[2].caption(), "<0");
    const double gap = 60000 + halfC;
    EXPECT_NEAR(slowing->st.VelX[2], halfC - slowing->gmStep() * 1e7 / (gap * gap), 1e-12);
    // With no pull the speed stays, and a body at rest shows 0.
    EXPECT_EQ(run(halfC, 0, 1, "0")->form->LaLim[2].caption(), "~");
    EXPECT_EQ(run(0, 0, 1, "0")->form->LaLim[2].caption(), "0");
}

TEST(Relativity, VerifyVelocityLimitOnceAndSwitchesSpecialRelativityOn) {
    Pair p;
    p.form->LVLV.initValue(1);
    p.place(1, -300, 0);
    p.place(2, 300, 0);
    p.form->Ti_Timer();
    ASSERT_EQ(p.platform.messages.size(), 2u);
    EXPECT_EQ(p.platform.messages[0].text, "Special Relativity must be selected first");
    EXPECT_EQ(p.platform.messages[0].title, "N/A");
    const std::string v = toolkit::formatNumber(p.speedOf(2), "0.000000000000000000");
    EXPECT_EQ(
        p.platform.messages[1].text,
        "Use these VELOCITIES to verify limit on VELOCITY as body #2 \rapproaches the velocity of light. "
        "(Expressed as a proportion of C)\r\r0.000000000000000000=old VELOCITY before movement\r" +
            v + "=amount of VELOCITY that has been added\r" + v + "=new total VELOCITY added as Newton\r" +
            v + "=new VELOCITY for Einstein\r");
    EXPECT_EQ(p.platform.messages[1].title, "Verify Einstein:");
    EXPECT_TRUE(p.form->Cosmos[1].ticked());
    EXPECT_FALSE(p.form->LVLV.ticked());
    p.form->Ti_Timer();  // served once
    EXPECT_EQ(p.platform.messages.size(), 2u);

    // Moving apart, body 2 slows: no message, only the reason.
    p.form->LVLV.initValue(1);
    p.st.VelX[2] = 100;
    p.form->Ti_Timer();
    EXPECT_EQ(p.platform.messages.size(), 2u);
    EXPECT_EQ(p.st.VerifyText[0],
              "Body 2 is decelerating, therefore no velocity limit adjustment.\r(See directly below)");
    EXPECT_FALSE(p.form->LVLV.ticked());
}

}  // namespace
}  // namespace zephra::testing
