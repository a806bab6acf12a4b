// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "pair_model.h"
#include "pair_window.h"
#include "toolkit/headless_platform.h"

// Real scenarios run for a few hundred ticks in the window and, side by side, in the independent model of
// pair_model.h: every physics option the scenario or the user ticks must give the same bodies.
namespace zephra::testing {
namespace {

struct RunRow {
    const char* name;
    int scenario;
    int ticks;
    std::function<void(FormOrbit&)> userChanges;
};

class ScenarioRun : public ::testing::TestWithParam<RunRow> {};

void expectClose(double engine, double model, const char* what, int body) {
    EXPECT_NEAR(engine, model, 1e-9 * std::max(std::abs(model), 1e-300)) << what << " of body " << body;
}

void runSideBySide(FormOrbit& form, int ticks) {
    PairModel model(form);
    for (int t = 0; t < ticks; ++t) {
        form.Ti_Timer();
        model.tick();
    }
    ASSERT_TRUE(form.Ti.enabled()) << form.LaChirp[1].caption();
    const SimState& st = form.st;
    for (int i = 1; i <= 2; ++i) {
        expectClose(st.PosX[i], model.b[i].x, "PosX", i);
        expectClose(st.PosY[i], model.b[i].y, "PosY", i);
        expectClose(st.VelX[i], model.b[i].vx, "VelX", i);
        expectClose(st.VelY[i], model.b[i].vy, "VelY", i);
        expectClose(st.Mass[i], model.b[i].mass, "Mass", i);
        expectClose(st.Spin[i], model.b[i].spin, "Spin", i);
    }
    expectClose(st.Mass[0], model.mass0, "Mass", 0);
}

TEST_P(ScenarioRun, BodiesMatchTheIndependentModel) {
    const RunRow& row = GetParam();
    toolkit::HeadlessPlatform platform{"/tmp/zephra-model-runs"};
    FormOrbit form{platform};
    form.CDp[row.scenario].press();
    row.userChanges(form);
    runSideBySide(form, row.ticks);
}

// Two bodies rushing through each other near half the speed of light: the push while they overlap, the
// spins it zeroes and the Vessor Theory spin gain it holds back.
TEST(OverlappingPair, MatchesTheIndependentModel) {
    Pair p;
    p.form->Cosmos[1].initValue(1);
    p.form->Cosmos[2].initValue(1);
    p.form->ChHit.initValue(1);
    for (int b = 1; b <= 2; ++b) p.form->TXrad[b].initText("1000");
    p.st.Spin[1] = 0.001;
    p.st.Spin[2] = -0.002;
    p.place(1, -3000, 0, 20, 1);
    p.place(2, 3000, 0, -20, -1);
    runSideBySide(*p.form, 300);
}

void none(FormOrbit&) {}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ScenarioRun,
    ::testing::Values(
        RunRow{"EarthNewton", 10, 200, none},
        RunRow{"EarthInADarkCloud", 10, 200, [](FormOrbit& f) { f.Cosmos[4].setValue(1); }},
        RunRow{"EarthSpecialRelativity", 12, 200, none},
        RunRow{"EarthUnderAnotherLaw", 10, 200, [](FormOrbit& f) { f.TXg[2].setText("1.9"); }},
        // The delay error of 18 % makes the automatic switch choose Spatial; its first five ticks read the
        // mass of a history slot no run has written, so the pair feels no pull yet.
        RunRow{"WhiteDwarfsSpatial", 1, 200, none},
        RunRow{"WhiteDwarfsTemporal", 1, 200, [](FormOrbit& f) { f.Chswitch.setValue(0); }},
        RunRow{"WhiteDwarfsShedding", 1, 50,
               [](FormOrbit& f) {
                   f.Cosmos[2].setValue(1);
                   f.st.Spin[2] = 0.02;
               }},
        // The black holes stay Temporal (1.8 % error), buffer for 55 ticks, then feel the delayed pull.
        RunRow{"BlackHolesTemporal", 13, 300, none},
        RunRow{"BlackHolesVessorTheory", 13, 300, [](FormOrbit& f) { f.Cosmos[2].setValue(1); }},
        // A light-speed spin at the surface: the holes shed mass into slot 0 every tick.
        RunRow{"BlackHolesShedding", 13, 50,
               [](FormOrbit& f) {
                   f.Cosmos[2].setValue(1);
                   f.st.Spin[1] = 0.1;
                   f.st.Spin[2] = -0.08;
               }}),
    [](const ::testing::TestParamInfo<RunRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephra::testing
