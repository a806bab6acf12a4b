// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>
#include <utility>

#include "scenario_fixture.h"
#include "scenarios/stored_scenario.h"

namespace zephra {
namespace {

// Every field the load resets, dirtied by a run, comes back to its start: counters, statistics, the clock,
// the texts of the periods, the history and the bodies taking part; and the controls it resets.
TEST_F(ScenarioWindow, ANewScenarioLeavesNothingOfTheLastRunBehind) {
    load(10);
    SimState& st = form.st;
    double* const zeros[] = {
        &st.Iters,           &st.Laps,           &st.ElapsedSec,      &st.ElapsedDays,
        &st.ElapsedYears,    &st.ElapsedFrac,    &st.BufPos,          &st.MoveErrMax[1],
        &st.MoveErrMax[2],   &st.LapStartDays,   &st.LapStartYears,   &st.LapDaysSum,
        &st.LapYearsSum,     &st.Mass[0],        &st.FirstLaps[0][1], &st.FirstLaps[1][1],
        &st.FirstLaps[0][8], &st.FirstLaps[1][8]};
    const std::pair<double*, double> starts[] = {{&st.StopLap, 1},     {&st.GMsun, 2986.1419014},
                                                 {&st.BodyType[1], 1}, {&st.BodyType[2], 2},
                                                 {&st.BodyType[3], 3}, {&st.BodyType[9], 3}};
    for (double* field : zeros) *field = 7;
    for (const auto& [field, start] : starts) *field = 7;
    for (int b = 0; b <= 9; ++b) st.BodyOff[b] = b == 4 ? 0 : 7;
    std::string* const texts[] = {&st.LastDaysText, &st.LastYearsText, &st.AvgDaysText, &st.AvgYearsText,
                                  &st.HalfDaysText, &st.HalfYearsText, &st.TickStatus};
    for (std::string* text : texts) *text = "7";
    st.EndCode = 77;
    st.Quart = st.PrevQuart = 3;
    st.TimeRateLog = "old ";
    for (int slot : {0, 17, 30000}) st.BufX(slot, 1) = st.BufY(slot, 2) = 1.5;
    st.BufX(30001, 1) = 8;
    form.LaDrift[1].setCaption("42");
    form.LaDrift[8].setCaption("42");
    form.TXender.setText("1");
    form.ChOrbit.setValue(CheckBox::kTicked);
    form.CHspinner.setValue(CheckBox::kUnticked);
    form.LaCosmo[2].setVisible(true);
    form.LaChirp[1].setCaption("Impact");

    load(12);
    for (std::size_t k = 0; k < std::size(zeros); ++k) EXPECT_EQ(*zeros[k], 0) << "zero " << k;
    for (const auto& [field, start] : starts) EXPECT_EQ(*field, start) << start;
    for (std::string* text : texts) EXPECT_EQ(*text, "");
    for (int b = 0; b <= 9; ++b) EXPECT_EQ(st.BodyOff[b], b == 1 || b == 2 ? 0 : 1) << b;
    EXPECT_EQ(st.EndCode, 0);
    EXPECT_EQ(st.Quart + st.PrevQuart, 0);
    EXPECT_EQ(st.TimeRateLog, "Time Rate: 1s = 1day { 7 };  ");
    for (int slot : {0, 17, 30000}) EXPECT_EQ(st.BufX(slot, 1) + st.BufY(slot, 2), 0) << slot;
    EXPECT_EQ(st.BufX(30001, 1), 8) << "slots beyond the first 30001 keep what an earlier run wrote";
    // Every extreme starts at the starting distance.
    for (double extreme : {st.LapMin, st.LapMax, st.PrevLapMin, st.PrevLapMax, st.AllMin, st.AllMax})
        EXPECT_EQ(extreme, 152093495);
    EXPECT_EQ(form.LaDrift[1].caption(), "~");
    EXPECT_EQ(form.LaDrift[8].caption(), "~");
    EXPECT_EQ(form.TXender.text(), "5");
    EXPECT_EQ(form.ChOrbit.value(), CheckBox::kUnticked);
    EXPECT_EQ(form.CHspinner.value(), CheckBox::kTicked);
    EXPECT_FALSE(form.LaCosmo[2].visible());
    EXPECT_EQ(form.LaChirp[1].caption(), "Scenario information may appear here.");
    EXPECT_EQ(st.ScenarioNo, 12);

    // Pressing the button again restarts its scenario.
    const double startVel = st.VelY[2];
    st.PosX[2] = 1;
    st.VelY[2] = 5;
    load(12);
    EXPECT_EQ(st.PosX[2], 152093495);
    EXPECT_EQ(st.VelY[2], startVel);
}

// A scenario file's whole speed of gravity sets the bar, up to its last notch, 10; beyond it the bar hides.
TEST_F(ScenarioWindow, AStoredWholeSpeedOfGravitySetsTheBarUpToTen) {
    for (const auto& [speed, shown] : {std::pair{"10", true}, {"11", false}}) {
        auto stored = scenarios::StoredScenario::make("");
        stored->record() = *scenarios::findScenario(8);  // General Relativity
        stored->setGravitySpeed(speed);
        form.OpenScenario(stored);
        EXPECT_EQ(form.TXGspeed.text(), speed);
        EXPECT_EQ(form.HSgrav.visible(), shown) << speed;
        if (shown) EXPECT_EQ(form.HSgrav.value(), 10);
    }
}

TEST_F(ScenarioWindow, ALoadRunsWithTheButtonsInTheirColoursAndTips) {
    form.Command5_Click();
    load(5);
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_FALSE(form.TiF.enabled());
    EXPECT_FALSE(form.Tr.enabled());
    for (int i = 0; i <= 37; ++i) {
        const bool solar = i < 31;
        if (i == 5) continue;
        EXPECT_EQ(form.CDp[i].backColor(), solar ? toolkit::rgb(176, 128, 64) : toolkit::rgb(128, 64, 32))
            << i;
        EXPECT_EQ(form.CDp[i].toolTip(), solar ? "Solar System Evolution" : "Density Simulation") << i;
    }
    EXPECT_EQ(form.CDp[5].backColor(), toolkit::rgb(255, 255, 0));
}

TEST_F(ScenarioWindow, NewtonsGravityReturnsWhenEveryModelIsOff) {
    for (int i = 0; i <= 4; ++i) form.Cosmos[i].setValue(CheckBox::kUnticked);
    load(3);
    EXPECT_EQ(form.Cosmos[0].value(), CheckBox::kTicked);
}

TEST_F(ScenarioWindow, TheUsersTimeScaleStaysWhileHeKeepsIt) {
    // Kept before any scale was chosen, there is none to keep: the scenario's own serves.
    form.Chuser.setValue(CheckBox::kTicked);
    load(1);
    EXPECT_EQ(form.st.TimeFac, 10);
    EXPECT_TRUE(form.Optime[1].value());

    form.Optime[3].select();
    load(1);
    EXPECT_TRUE(form.Optime[3].value());
    EXPECT_FALSE(form.Optime[1].value());
    EXPECT_DOUBLE_EQ(form.st.VelY[1], 1.105 * form.st.TimeFac);

    form.Chuser.setValue(CheckBox::kUnticked);
    load(1);
    EXPECT_TRUE(form.Optime[1].value());
    EXPECT_EQ(form.st.TimeFac, 10);
}

TEST_F(ScenarioWindow, PausingTwiceResumesWithTheEditorHidden) {
    load(6);
    form.Command5_Click();
    EXPECT_FALSE(form.Ti.enabled());
    EXPECT_TRUE(form.TiF.enabled());
    EXPECT_TRUE(form.TXTp[4].visible());
    EXPECT_TRUE(form.Opadd[0].value());
    EXPECT_EQ(form.Hsp[0].max(), 15360);

    form.Command5_Click();
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_FALSE(form.TiF.enabled());
    for (toolkit::Control* hidden : std::initializer_list<toolkit::Control*>{
             &form.Hsp[0], &form.Hsp[1], &form.Qui, &form.Frame2, &form.TXTp[0], &form.TXTp[4], &form.Shark,
             &form.LabTab, &form.Chon})
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    EXPECT_FALSE(form.Opadd[0].value() || form.Opadd[1].value());

    // Stray button indices are ignored.
    form.CDp_Click(-1);
    form.CDp_Click(38);
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_EQ(form.st.ScenarioNo, 6);
}

}  // namespace
}  // namespace zephra
