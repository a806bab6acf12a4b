#include "scenarios/catalogue.h"

#include <cmath>

#include "scenario_fixture.h"

namespace zephra {
namespace {

using scenarios::catalogue;
using scenarios::findScenario;

TEST(Catalogue, HoldsEveryButtonInOrderAndNothingElse) {
    ASSERT_EQ(catalogue().size(), 33u);
    for (int n = 1; n <= 33; ++n) EXPECT_EQ(findScenario(n)->number, n);
    for (int n : {-1, 0, 34, 37}) EXPECT_EQ(findScenario(n), nullptr);
}

TEST(Catalogue, DescriptionsSeparateTheirLinesByCarriageReturnsOnly) {
    for (const scenarios::Scenario& s : catalogue()) {
        const std::string text = scenarios::descriptionText(s, "F", "T");
        EXPECT_EQ(text.find('\n'), std::string::npos) << s.number;
    }
    EXPECT_EQ(
        scenarios::descriptionText(*findScenario(33), "", ""),
        "Critical Density test: \r2 stationary gas clouds each 1kg.\rDensity: 2*10^-17 kg/km^3 \rHow long "
        "before contact due to gravity?");
}

TEST_F(ScenarioWindow, SpinsAreTheStoredTurnsPerIteration) {
    load(1);
    EXPECT_EQ(form.st.Spin[1], 0.0001884974441898293);
    EXPECT_EQ(form.st.Spin[2], 0.0001884974441898293);
    load(13);
    EXPECT_EQ(form.st.Spin[1], 0.007075659129706734);
    for (int n : {2, 12, 14, 30}) {
        load(n);
        EXPECT_EQ(form.st.Spin[1], 6.981317007977311e-9) << n;
    }
    for (int n : {31, 32, 33}) {
        load(n);
        EXPECT_EQ(form.st.Spin[1], 0) << n;
        EXPECT_EQ(form.st.Spin[2], 0) << n;
    }
}

TEST_F(ScenarioWindow, DensityCloudsSitAboutTheMiddleOfTheScreen) {
    struct Row {
        int scenario;
        double left, right, mass;
    };
    for (const Row& r : {Row{31, -1354320, 1369680, 5.028789821729401e-28},
                         Row{32, -128520, 143880, 5.028789821729401e-31}, Row{33, -176520, 191880, 5e-31}}) {
        load(r.scenario);
        EXPECT_EQ(form.st.PosX[1], r.left) << r.scenario;
        EXPECT_EQ(form.st.PosX[2], r.right) << r.scenario;
        // The masses come back from their boxes, with the 15 digits the text keeps.
        EXPECT_EQ(form.st.Mass[1], toolkit::leadingNumber(toolkit::numberText(r.mass))) << r.scenario;
        EXPECT_EQ(form.st.VelY[1], 0) << r.scenario;
        EXPECT_EQ(form.st.VelY[2], 0) << r.scenario;
    }
}

TEST_F(ScenarioWindow, VelocityAdjustmentsApplyToTheStatedBodies) {
    struct Row {
        int scenario;
        double vel1, vel2;
    };
    for (const Row& r : {Row{1, 1.105, -1.105}, Row{25, 0.003373846, -0.0041305},
                         Row{26, 0.0047681844, -0.0057827}, Row{27, 4.1592724e-6, -0.0043531447}}) {
        load(r.scenario);
        EXPECT_DOUBLE_EQ(baseVelY(1), r.vel1) << r.scenario;
        EXPECT_DOUBLE_EQ(baseVelY(2), r.vel2) << r.scenario;
        EXPECT_EQ(form.st.VelX[1], 0);
        EXPECT_EQ(form.st.VelX[2], 0);
    }
}

// Every record's masses survive the trip through their text boxes to the digits that text keeps.
class MassRoundTrip : public ScenarioWindow, public ::testing::WithParamInterface<int> {};

TEST_P(MassRoundTrip, MassesReadBackFromTheirBoxes) {
    const scenarios::Scenario& s = *findScenario(GetParam());
    load(s.number);
    const double unit = s.massPerKgFactor ? form.st.KgFactor : 1;
    EXPECT_EQ(form.st.Mass[1], toolkit::leadingNumber(form.TXg[1].text()));
    EXPECT_EQ(form.st.Mass[2], toolkit::leadingNumber(form.TXg[0].text()));
    EXPECT_NEAR(form.st.Mass[1] / (s.pair.mass1 * unit), 1, 1e-14);
    EXPECT_NEAR(form.st.Mass[2] / (s.pair.mass2 * unit), 1, 1e-14);
    EXPECT_EQ(toolkit::leadingNumber(form.TXrad[1].text()), s.pair.radius1);
    EXPECT_EQ(toolkit::leadingNumber(form.TXrad[2].text()), s.pair.radius2);
}

INSTANTIATE_TEST_SUITE_P(AllScenarios, MassRoundTrip, ::testing::Range(1, 34));

TEST_F(ScenarioWindow, PairsStartAtTheirDistances) {
    struct Row {
        int scenario;
        double distance;
    };
    for (const Row& r :
         {Row{6, 406700}, Row{7, 406684}, Row{9, 406684}, Row{2, 5360000000}, Row{24, 5360000000},
          Row{29, 5360000000}, Row{30, 5360000000}, Row{25, 53600000}, Row{26, 53600000}}) {
        load(r.scenario);
        EXPECT_EQ(form.st.StartDist, r.distance) << r.scenario;
        EXPECT_EQ(form.st.AllMax, r.distance) << r.scenario;
        EXPECT_EQ(form.st.PrevLapMin, r.distance) << r.scenario;
    }
    load(6);
    EXPECT_EQ(form.st.StartDistText, " 406700");
    // The satellite starts 1 km off the Sun's axis.
    load(15);
    EXPECT_EQ(form.st.PosY[2] - form.st.PosY[1], -1);
    EXPECT_EQ(form.st.PosX[2] - form.st.PosX[1], 5000000);
}

TEST_F(ScenarioWindow, DescriptionsCarryTheirRunTimePieces) {
    load(8);
    EXPECT_EQ(
        form.LaChirp[0].caption(),
        "Moon and Earth with General Relativity. \rSee the file: " + form.st.DriftFile +
            " for complete data.\rThe moon would drift away at about 400m per orbit if gravity traveled at "
            "the velocity of light.");
    load(23);
    EXPECT_EQ(
        form.LaChirp[0].caption(),
        "Venus orbits the Sun according to General Relativity. \rTime-scale " + form.Optime[7].toolTip());
    load(31);
    EXPECT_EQ(
        form.LaChirp[0].caption(),
        "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 ton. Density = 5*10^-17 "
        "kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' article)");
    EXPECT_EQ(form.LaChirp[0].alignment(), toolkit::Alignment::Left);
    load(30);
    EXPECT_EQ(form.LaChirp[0].caption(), "Alpha Centauri binary with Special Relativity.");
    EXPECT_EQ(form.LaChirp[0].alignment(), toolkit::Alignment::Center);
}

TEST_F(ScenarioWindow, OptionStatesPerScenario) {
    constexpr int T = CheckBox::kTicked, U = CheckBox::kUnticked;
    struct Row {
        int scenario;
        int special, general, delayDetails;
        const char* gravitySpeed;
        int alternate, gas, maxDist;
    };
    for (const Row& r :
         {Row{1, U, T, T, "1", U, U, T}, Row{5, T, U, U, "", T, T, U}, Row{11, T, T, T, "1", T, T, T},
          Row{16, U, U, U, "", U, T, T}, Row{24, U, T, T, "1", T, U, T}, Row{29, U, U, U, "0", T, U, T},
          Row{30, T, U, U, "0", T, U, T}}) {
        form.TXGspeed.setText("");
        load(r.scenario);
        EXPECT_EQ(form.Cosmos[1].value(), r.special) << r.scenario;
        EXPECT_EQ(form.Cosmos[3].value(), r.general) << r.scenario;
        EXPECT_EQ(form.ChDist.value(), r.delayDetails) << r.scenario;
        if (*r.gravitySpeed) {
            EXPECT_EQ(form.TXGspeed.text(), r.gravitySpeed) << r.scenario;
        }
        EXPECT_EQ(form.Chalt.value(), r.alternate) << r.scenario;
        EXPECT_EQ(form.ChHit.value(), r.gas) << r.scenario;
        EXPECT_EQ(form.ChMinMax.value(), r.maxDist) << r.scenario;
    }
    load(13);
    EXPECT_EQ(form.Text3.text(), "12");
    EXPECT_EQ(form.HSgrav.value(), 1);
    load(7);
    EXPECT_EQ(form.Text3.text(), "7");
    EXPECT_EQ(form.Chboo.value(), T);
    load(26);
    EXPECT_EQ(form.Chdetails.value(), T);
    EXPECT_EQ(form.CHac.value(), T);
}

TEST_F(ScenarioWindow, DensityScenariosLeaveTheOtherModelsAlone) {
    form.Cosmos[4].setValue(CheckBox::kTicked);
    form.Cosmos[5].setValue(CheckBox::kTicked);
    load(32);
    EXPECT_EQ(form.Cosmos[4].value(), CheckBox::kTicked);
    EXPECT_EQ(form.Cosmos[5].value(), CheckBox::kTicked);
    for (CheckBox* on : {&form.Chdetails, &form.Chboo, &form.ChHit, &form.ChNum})
        EXPECT_EQ(on->value(), CheckBox::kTicked) << on->name();
    for (CheckBox* off : {&form.Chender, &form.Chauto, &form.Cosmos[1], &form.Cosmos[3]})
        EXPECT_EQ(off->value(), CheckBox::kUnticked) << off->name();
}

}  // namespace
}  // namespace zephra
