// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "bare_pair.h"
#include "engine/tick.h"

// The tick without a window: what it asks of the window, in order, what it changes in its own settings as it
// goes, and which panel numbers it says it wrote.
namespace zephra::testing {
namespace {

// Keeps every request of the tick as one line.
struct RecordingWindow final : engine::TickWindow {
    const SimState* st = nullptr;
    std::vector<std::string> calls;
    void pairDistanceKnown() override { calls.push_back("distance " + std::to_string(st->Dist)); }
    void setOption(engine::TickOption option, bool ticked) override {
        calls.push_back("option " + std::to_string(static_cast<int>(option)) + (ticked ? " on" : " off"));
    }
    void selectDelayKind(bool temporal) override { calls.push_back(temporal ? "temporal" : "spatial"); }
    void widenDistanceScale(int k) override { calls.push_back("widen " + std::to_string(k)); }
    void messageBox(std::string_view text, std::string_view) override {
        calls.push_back("box " + std::string(text));
    }
    void alert(engine::NoticeLine, std::string_view text) override {
        calls.push_back("alert " + std::string(text));
    }
    void historyRestarted() override { calls.push_back("history restarted"); }
    void historyFilled() override {}
    void delayBuffering(bool waiting) override { calls.push_back(waiting ? "buffering" : "buffered"); }
    void setPatternRings(int rings) override { calls.push_back("rings " + std::to_string(rings)); }
    void setPatternPoints(int points) override { calls.push_back("points " + std::to_string(points)); }
};

// Two solar masses 600 km apart at rest, point-like, on a 1 km per twip scale centred on the drawing.
struct EnginePair {
    SimState st = barePair();
    engine::TickSettings settings{.gravitySpeed = 1, .gravityExponent = 2, .errorLimitPct = 100};
    RecordingWindow window;
    toolkit::Surface surface;
    engine::Tick tick;

    EnginePair() {
        window.st = &st;
        st.PosX[1] = -300;
        st.PosX[2] = 300;
    }
    engine::TickEnd advance() { return tick.advance(st, settings, window, surface); }
};

TEST(TickEngine, AGravitySpeedOfZeroSwitchesTheDelayOffBeforeAnyPull) {
    auto p = std::make_unique<EnginePair>();
    p->settings.gravityDelay = true;
    p->settings.gravitySpeed = 0;
    EXPECT_EQ(p->advance(), engine::TickEnd::Completed);
    EXPECT_FALSE(p->settings.gravityDelay);
    const std::vector<std::string> start(p->window.calls.begin(), p->window.calls.begin() + 3);
    EXPECT_EQ(start, (std::vector<std::string>{"option 1 off", "box Gravity Delay switched off",
                                               "distance 600.000000"}));
    EXPECT_EQ(p->tick.panels().delay, engine::DelayShown::Instant);  // every pull of the tick was instant
}

TEST(TickEngine, TheDelayKindTheSwitchChoosesHoldsForTheSamePair) {
    for (bool below : {true, false}) {
        auto p = std::make_unique<EnginePair>();
        p->settings.gravityDelay = true;
        p->settings.delaySwitch = true;
        p->settings.switchErrorPct = below ? 8 : 7;  // the delay of 13.3 iterations errs by 7.5 %
        p->advance();
        EXPECT_EQ(p->settings.temporalDelay, below);
        // Temporal at the history's start waits for it to fill; spatial takes the origin from the velocity.
        const auto& calls = p->window.calls;
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "buffering"), below ? 2 : 0);
        EXPECT_EQ(calls[1], below ? "temporal" : "spatial");
        EXPECT_EQ(p->tick.panels().delay, engine::DelayShown::Seconds);
        EXPECT_NEAR(p->tick.panels().delaySeconds, 600 / kLightC, 1e-15);
    }
}

TEST(TickEngine, PanelsSayWhichNumbersThisTickWrote) {
    auto p = std::make_unique<EnginePair>();
    p->advance();
    p->st.BodyOff[2] = 2;  // not moved, still pulling
    p->advance();
    const engine::TickPanels& panels = p->tick.panels();
    EXPECT_TRUE(panels.body[1].written);
    EXPECT_FALSE(panels.body[2].written);
    EXPECT_FALSE(panels.trend[2].written);
    EXPECT_TRUE(panels.movement[2].written);  // every body's movement error is taken
    EXPECT_EQ(panels.movement[1].error, p->st.MoveErr[1]);

    p->st.PosX[1] = p->st.PosX[2];  // on one point, at rest: no movement error can be taken
    p->st.PosY[1] = p->st.PosY[2];
    p->st.VelX[1] = p->st.VelY[1] = 0;
    EXPECT_EQ(p->advance(), engine::TickEnd::BodiesOnOnePoint);
    EXPECT_TRUE(p->tick.panels().body[1].written);
    EXPECT_FALSE(p->tick.panels().movement[1].written);
}

}  // namespace
}  // namespace zephra::testing
