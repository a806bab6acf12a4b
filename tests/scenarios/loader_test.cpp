#include "scenario_fixture.h"

namespace zephra {
namespace {

TEST_F(ScenarioWindow, ANewScenarioLeavesNothingOfTheLastRunBehind) {
    load(10);
    SimState& st = form.st;
    st.Iters = 5000;
    st.Laps = 3;
    st.EndCode = 77;
    st.StopLap = 9;
    st.ElapsedSec = 40;
    st.BufPos = 300;
    st.MoveErrMax[2] = 4;
    st.FirstLaps[1][8] = 12345;
    st.LastDaysText = "365";
    st.TickStatus = "ok";
    st.BodyOff[4] = 0;
    for (int slot : {0, 17, 30000}) st.BufX(slot, 1) = st.BufY(slot, 2) = 1.5;
    st.BufX(30001, 1) = 8;
    st.BufY(999999, 2) = 9;
    form.LaDrift[3].setCaption("42");
    form.TXender.setText("1");
    form.Chalt.setValue(CheckBox::kTicked);
    form.ChOrbit.setValue(CheckBox::kTicked);
    form.LaCosmo[2].setVisible(true);
    form.LaChirp[1].setCaption("Impact");

    load(12);
    EXPECT_EQ(st.Iters, 0);
    EXPECT_EQ(st.Laps, 0);
    EXPECT_EQ(st.EndCode, 0);
    EXPECT_EQ(st.StopLap, 1);
    EXPECT_EQ(st.ElapsedSec, 0);
    EXPECT_EQ(st.BufPos, 0);
    EXPECT_EQ(st.MoveErrMax[2], 0);
    EXPECT_EQ(st.FirstLaps[1][8], 0);
    EXPECT_EQ(st.LastDaysText, "");
    EXPECT_EQ(st.TickStatus, "");
    EXPECT_EQ(st.BodyOff[4], 1);
    for (int slot : {0, 17, 30000}) {
        EXPECT_EQ(st.BufX(slot, 1), 0) << slot;
        EXPECT_EQ(st.BufY(slot, 2), 0) << slot;
    }
    // Slots beyond the first 30001 keep what an earlier run wrote.
    EXPECT_EQ(st.BufX(30001, 1), 8);
    EXPECT_EQ(st.BufY(999999, 2), 9);
    EXPECT_EQ(form.LaDrift[3].caption(), "~");
    EXPECT_EQ(form.TXender.text(), "5");
    EXPECT_EQ(form.ChOrbit.value(), CheckBox::kUnticked);
    EXPECT_FALSE(form.LaCosmo[2].visible());
    EXPECT_EQ(form.LaChirp[1].caption(), "Scenario information may appear here.");
    EXPECT_EQ(st.ScenarioNo, 12);
}

TEST_F(ScenarioWindow, PressingAButtonAgainRestartsItsScenario) {
    load(6);
    const double startVel = form.st.VelY[2];
    form.st.PosX[2] = 1;
    form.st.VelY[2] = 5;
    load(6);
    EXPECT_EQ(form.st.PosX[2], 406700);
    EXPECT_EQ(form.st.VelY[2], startVel);
}

TEST_F(ScenarioWindow, ThePairStartsWithItsOriginsAndScreenPlaces) {
    load(3);
    const SimState& st = form.st;
    EXPECT_EQ(st.PosX[0], (st.PosX[1] + st.PosX[2]) / 2);
    EXPECT_EQ(st.PosY[0], -10000000);
    EXPECT_EQ(st.Mass[0], 0);
    EXPECT_EQ(st.BodyOff[0], 1);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(st.OriginX[i], st.PosX[i]);
        EXPECT_EQ(st.OriginY[i], st.PosY[i]);
        EXPECT_EQ(st.ScrX[i], st.PosX[i] / st.KmPerTwip + st.OrgX);
        EXPECT_EQ(st.ScrY[i], st.PosY[i] / st.KmPerTwip + st.OrgY);
    }
    EXPECT_EQ(st.BodyType[1], 1);
    EXPECT_EQ(st.BodyType[2], 2);
    EXPECT_EQ(st.BodyType[9], 3);
}

TEST_F(ScenarioWindow, ALoadEndsRunningWithTheButtonsInTheirColours) {
    form.Command5_Click();
    load(5);
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_FALSE(form.TiF.enabled());
    EXPECT_FALSE(form.Tr.enabled());
    for (int i = 0; i <= 37; ++i) {
        const bool solar = i < 31;
        if (i == 5) continue;
        EXPECT_EQ(form.CDp[i].backColor(), solar ? form.Command5.backColor() : form.TXGspeed.backColor())
            << i;
        EXPECT_EQ(form.CDp[i].toolTip(), solar ? "Solar System Evolution" : "Density Simulation") << i;
    }
    EXPECT_EQ(form.CDp[5].backColor(), form.Label7.foreColor());
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
    EXPECT_TRUE(form.Qui.visible());
    EXPECT_TRUE(form.Shark.visible());
    EXPECT_TRUE(form.Opadd[0].value());
    EXPECT_EQ(form.Hsp[0].max(), 15360);

    form.Command5_Click();
    EXPECT_TRUE(form.Ti.enabled());
    EXPECT_FALSE(form.TiF.enabled());
    for (toolkit::Control* hidden : std::initializer_list<toolkit::Control*>{
             &form.Hsp[0], &form.Hsp[1], &form.Qui, &form.Frame2, &form.TXTp[0], &form.TXTp[4], &form.Shark,
             &form.LabTab, &form.Chon})
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    EXPECT_FALSE(form.Opadd[0].value());
    EXPECT_FALSE(form.Opadd[1].value());
}

TEST_F(ScenarioWindow, StrayButtonIndicesAreIgnored) {
    load(4);
    const double iters = form.st.Iters = 12;
    form.CDp_Click(-1);
    form.CDp_Click(38);
    EXPECT_EQ(form.st.Iters, iters);
}

}  // namespace
}  // namespace zephra
