// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/catalogue.h"

#include <string>

#include "scenario_fixture.h"

namespace zephra {
namespace {

// Every preset typed here by hand, independently of the catalogue, so that a slip in either copy shows as a
// difference. Masses in solar masses as their text boxes give them back, radii and positions in km,
// velocities in km per base iteration (after the adjustments of 1, 25, 26 and 27), spins as one turn per so
// many base iterations (0: no spin). Physics: Special Relativity, Vessor Theory, General Relativity, Dark
// Cloud, Bounce and the gravity-delay details, 1 ticked. Ticked boxes after the load: a "Alternate color each
// orbit", b "Horizon", c " Auto clear screen", d "Details", h "Gaseous interaction", m "Max dist", n "Exact
// or simple".
struct PresetRow {
    int number, distance, time;
    double mass1, mass2, radius1, radius2, posX1, posX2, posY1, posY2, velY1, velY2, turn1, turn2, gmSun;
    const char *physics, *gravitySpeed, *ticked, *surfacePoints;
};

void PrintTo(const PresetRow& row, std::ostream* out) {
    *out << "scenario " << row.number;
}

constexpr double kSun = 900000000;  // the Sun's (and the stars') turn, in base iterations
// 1 ton and 1 kg, to the 15 digits their text keeps.
constexpr double kCloud1 = 5.0287898217294e-28, kCloud2 = 5.0287898217294e-31;

// Before a density experiment Dark Cloud and Bounce are ticked, which it leaves as they are. An empty
// speed of gravity: the preset does not write it.
// clang-format off
constexpr PresetRow kPresets[] = {
    {1, 0, 1, 2, 2, 600, 600, 6451.2, 8908.8, 4608, 4608, 1.105, -1.105, 33333, 33333, 2986.1419014, "001001", "1", "m", "12"},
    {2, 6, 10, 1.14, 0.94, 426600, 298300, -2680000000, 2680000000, 4608, 4608, 0.000340585, -0.00041315, kSun, kSun, 2986.1419014, "001001", "1", "m", "12"},
    {3, 14, 8, 1, 0.0009555, 346850, 71442, 0, 816600000, -10000000, -10000000, 1.7828e-6, -0.0018659, kSun, 2e12, 2986.1419014, "000000", "", "ahm", "12"},
    {4, 14, 8, 1, 0.0009555, 346850, 71442, 0, 816600000, -10000000, -10000000, 1.7828e-6, -0.0018659, kSun, 2e12, 2986.1419014, "001001", "1", "ahm", "12"},
    {5, 13, 6, 1, 1.66e-7, 346850, 2439, 0, 69820000, 4608, 4608, 9e-10, -0.0058281, kSun, 6e9, 2986.1419014, "100000", "", "ah", "12"},
    {6, 2, 6, 3.003344e-6, 3.67511e-8, 6378, 2440, 0, 406700, 0, 0, 1.75422e-6, -0.0001433549, kSun, 2e8, 2986.03452, "000000", "", "ahm", "12"},
    {7, 2, 7, 3.003344e-6, 3.67511e-8, 6378, 2440, 0, 406684, 0, 0, 1.75422e-6, -0.000143357, kSun, 2e8, 2986.03452, "000000", "", "abhm", "7"},
    {8, 2, 5, 3.003344e-6, 3.67511e-8, 6378, 2440, 0, 406700, 0, 0, 1.75422e-6, -0.0001433549, kSun, 2e8, 2986.03452, "001001", "1", "ahm", "12"},
    {9, 2, 7, 3.003344e-6, 3.67511e-8, 6378, 2440, 0, 406684, 0, 0, 1.75422e-6, -0.000143357, kSun, 2e8, 2986.03452, "100000", "", "ahm", "12"},
    {10, 5, 7, 1, 3.0402e-6, 346850, 6378, 0, 152093495, 4608, 4608, 1.3e-8, -0.00439386589, kSun, 7.5e6, 2986.1419014, "000000", "", "ahm", "12"},
    {11, 5, 7, 1, 3.0402e-6, 346850, 6378, 0, 152093495, 4608, 4608, 1.3e-8, -0.00439386589, kSun, 7.5e6, 2986.1419014, "101001", "1", "ahm", "12"},
    {12, 5, 7, 1, 3.0402e-6, 346850, 6378, 0, 152093495, 4608, 4608, 1.3e-8, -0.00439386589, kSun, 7.5e6, 2986.1419014, "100000", "", "ahm", "12"},
    {13, 0, 0, 36, 29, 99, 99, 6451.2, 8908.8, 4377.6, 4377.6, 3.96, -4.91, 888, 888, 2986.1419014, "101001", "1", "hm", "12"},
    {14, 14, 9, 1, 0.0009555, 346850, 71442, 0, 816600000, -10000000, -10000000, 1.7e-6, -0.0018659, kSun, 2e12, 2986.1419014, "100000", "", "ahm", "12"},
    {15, 3, 5, 1, 1e-27, 346850, 0.01, -2000000, 3000000, 0, -1, 0, -0.013, kSun, 6e9, 2986.1419014, "100000", "", "ahm", "12"},
    {16, 5, 8, 1, 3.228483e-7, 346850, 6792, 0, 249230000, 4608, 4608, 1.063e-9, -0.0032955, kSun, 2e12, 2986.1419014, "000000", "", "chm", "12"},
    {17, 5, 8, 1, 3.228483e-7, 346850, 6792, 0, 249230000, 4608, 4608, 1.063e-9, -0.0032955, kSun, 2e12, 2986.1419014, "100000", "", "achm", "12"},
    {18, 13, 6, 1, 1.66e-7, 346850, 2439, 0, 69820000, 4608, 4608, 9e-10, -0.0058281, kSun, 6e9, 2986.1419014, "000000", "", "ah", "12"},
    {19, 13, 6, 1, 1.66e-7, 346850, 2439, 0, 69820000, 4608, 4608, 9e-10, -0.0058281, kSun, 6e9, 2986.1419014, "101001", "1", "ah", "12"},
    {20, 13, 6, 1, 1.66e-7, 346850, 2439, 0, 69820000, 4608, 4608, 9e-10, -0.0058281, kSun, 6e9, 2986.1419014, "001001", "1", "ah", "12"},
    {21, 5, 6, 1, 3.0402e-6, 346850, 6378, 0, 152093951, 4608, 4608, 1.3e-8, -0.004393802668, kSun, 7.5e6, 2986.0703, "000000", "", "ahm", "12"},
    {22, 5, 7, 1, 2.44656776e-6, 346850, 6051, 0, 108940500, 4608, 4608, 1.27674e-8, -0.0052178, kSun, 7e7, 2986.1419014, "000000", "", "ahm", "12"},
    {23, 5, 7, 1, 2.44656776e-6, 346850, 6051, 0, 108940500, 4608, 4608, 1.27674e-8, -0.0052178, kSun, 7e7, 2986.1419014, "001001", "1", "ahm", "12"},
    {24, 6, 9, 1.14, 0.94, 426600, 298300, -2680000000, 2680000000, 4608, 4608, 0.000340585, -0.00041315, kSun, kSun, 2986.1419014, "001001", "1", "am", "12"},
    {25, 4, 8, 1.14, 0.94, 426600, 298300, -26800000, 26800000, 4608, 4608, 0.003373846, -0.0041305, kSun, kSun, 2986.1419014, "101001", "1", "cdm", "12"},
    {26, 4, 9, 1.14, 0.94, 426600, 298300, -26800000, 26800000, 4608, 4608, 0.0047681844, -0.0057827, kSun, kSun, 2986.1419014, "101001", "1", "cdm", "12"},
    {27, 5, 9, 1, 0.0009555, 346850, 71442, 0, 150000000, 4608, 4608, 4.1592724e-6, -0.0043531447, kSun, 2e12, 2986.1419014, "001001", "1", "chm", "12"},
    {28, 5, 5, 1, 3.0402e-6, 346850, 6378, 0, 152093951, 4608, 4608, 1.3e-8, -0.004393802668, kSun, 7.5e6, 2986.0703, "000000", "", "ahm", "12"},
    {29, 6, 9, 1.14, 0.94, 426600, 298300, -2680000000, 2680000000, 4608, 4608, 0.000340585, -0.00041315, kSun, kSun, 2986.1419014, "000000", "0", "am", "12"},
    {30, 6, 9, 1.14, 0.94, 426600, 298300, -2680000000, 2680000000, 4608, 4608, 0.000340585, -0.00041315, kSun, kSun, 2986.1419014, "100000", "0", "am", "12"},
    {31, 3, 17, kCloud1, kCloud1, 50000, 50000, -1354320, 1369680, 4608, 4608, 0, 0, 0, 0, 2986.1419014, "000110", "", "bdhmn", "7"},
    {32, 2, 17, kCloud2, kCloud2, 5000, 5000, -128520, 143880, 4608, 4608, 0, 0, 0, 0, 2986.1419014, "000110", "", "bdhmn", "7"},
    {33, 2, 17, 5e-31, 5e-31, 5000, 5000, -176520, 191880, 4608, 4608, 0, 0, 0, 0, 2986.1419014, "000110", "", "bdhmn", "7"},
};

// The descriptions, lines separated by carriage returns; {file} stands for the drift file's full path.
const char* const kDescriptions[] = {
    "",
    "A binary pair of white dwarfs; each the mass of 2 suns.\rNote how General Relativity causes a gravity delay, which results in a visible difference between the gravity origin (orbit-line) and the center of each star (position). The out-spiral is also clear on this scale.",
    "Alpha Centauri binary with General Relativity.",
    "Jupiter + Newton. ",
    "Jupiter + Einstein's General Relativity. ",
    "Mercury + Special Relativity. ",
    "Moon and Earth according to Newton. \rAt highly exact measurement. ",
    "Moon and Earth according to Newton.",
    "Moon and Earth with General Relativity. \rSee the file: {file} for complete data.\rThe moon would drift away at about 400m per orbit if gravity traveled at the velocity of light.",
    "Moon and Earth with Special Relativity. \rSee the file: {file} for complete data.",
    "Earth: Orbit around Sun of combined Earth-Moon barycenter.\rAccording to Newton in 6 minutes",
    "Earth: Combined Earth-Moon barycenter orbit around Sun according to Einstein's formulae applied from both General and Special Relativity.",
    "Earth: Combined Earth-Moon barycenter orbit around Sun with Special Relativity.",
    "Contrary to LIGO claims, with gravity moving at the velocity of light, binary orbits spiral outwards. This scenario shows what the LIGO gw150914 binary black-hole theoretical data should look like when effected geometrically by gravity traveling at the velocity of light.",
    "Jupiter + Special Relativity. ",
    "Satellite 'Daedalus' approaches the Sun.",
    "Mars with Newton.",
    "Mars with Special Relativity.",
    "Mercury + Newton. ",
    "Mercury, Special Relativity and General Relativity. ",
    "Mercury and General Relativity. ",
    "Earth: Combined Earth-Moon barycenter orbit around Sun.\r1 hour process for 1 orbit; to demonstrate scale accuracy.",
    "Venus orbits the Sun according to Newton. \rTime-scale 1: 100 000",
    "Venus orbits the Sun according to General Relativity. \rTime-scale 1: 100 000",
    "Alpha Centauri binary and General Relativity with increased accuracy.",
    "Pseudo-Alpha Centauri binary with applied equations from Relativity, starting 100x closer than in reality (inside the orbit of Mercury apart).",
    "Pseudo-Alpha Centauri binary with Relativity, starting 100x closer than in reality, but with less eccentricity.",
    "Pseudo-Jupiter + Einstein's General Relativity. \rStarting at Earth's orbit for good measure.",
    "Earth: Combined Earth-Moon barycenter orbit around Sun.\r10 hour process for 1 orbit; to demonstrate scale accuracy.",
    "Alpha Centauri binary with Newton.",
    "Alpha Centauri binary with Special Relativity.",
    "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 ton. Density = 5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' article)",
    "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 kg. Density = 5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' article)",
    "Critical Density test: \r2 stationary gas clouds each 1kg.\rDensity: 2*10^-17 kg/km^3 \rHow long before contact due to gravity?",
};
// clang-format on

class Presets : public ScenarioWindow, public ::testing::WithParamInterface<PresetRow> {};

TEST_P(Presets, LoadEveryFieldOfTheirRecord) {
    const PresetRow& p = GetParam();
    const bool clouds = p.number >= 31;
    if (clouds) {
        form.Cosmos[4].setValue(CheckBox::kTicked);
        form.Cosmos[5].setValue(CheckBox::kTicked);
    }
    form.Chender.setValue(CheckBox::kTicked);
    load(p.number);
    const SimState& st = form.st;

    EXPECT_TRUE(form.OpDist[p.distance].value());
    EXPECT_EQ(st.DistIdx, p.distance);
    EXPECT_TRUE(form.Optime[p.time].value());
    EXPECT_EQ(st.TimeScaleIdx, p.time);

    std::string description = kDescriptions[p.number];
    if (const auto at = description.find("{file}"); at != std::string::npos)
        description.replace(at, 6, st.DriftFile);
    EXPECT_EQ(form.LaChirp[0].caption(), description);

    for (int i : {1, 2}) {
        const bool one = i == 1;
        EXPECT_EQ(st.Mass[i], one ? p.mass1 : p.mass2);
        EXPECT_EQ(toolkit::leadingNumber(form.TXrad[i].text()), one ? p.radius1 : p.radius2);
        EXPECT_EQ(st.PosX[i], one ? p.posX1 : p.posX2);
        EXPECT_EQ(st.PosY[i], one ? p.posY1 : p.posY2);
        EXPECT_DOUBLE_EQ(baseVelY(i), one ? p.velY1 : p.velY2);
        EXPECT_EQ(st.VelX[i], 0);
        const double turn = one ? p.turn1 : p.turn2;
        EXPECT_EQ(st.Spin[i], turn == 0 ? 0 : 6.28318530717958 / turn);
    }
    EXPECT_EQ(st.GMsun, p.gmSun);

    CheckBox* const physics[] = {&form.Cosmos[1], &form.Cosmos[2], &form.Cosmos[3],
                                 &form.Cosmos[4], &form.Cosmos[5], &form.ChDist};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(physics[k]->value(), p.physics[k] - '0') << physics[k]->name();
    if (*p.gravitySpeed) {
        EXPECT_EQ(form.TXGspeed.text(), p.gravitySpeed);
        EXPECT_EQ(form.HSgrav.value(), p.gravitySpeed[0] - '0');  // the speed on its bar
    }
    const std::string ticked = p.ticked;
    const std::pair<char, CheckBox*> boxes[] = {
        {'a', &form.Chalt}, {'b', &form.Chboo},    {'c', &form.CHac}, {'d', &form.Chdetails},
        {'h', &form.ChHit}, {'m', &form.ChMinMax}, {'n', &form.ChNum}};
    for (auto [letter, box] : boxes)
        EXPECT_EQ(box->ticked(), ticked.find(letter) != std::string::npos) << box->name();
    EXPECT_EQ(form.Text3.text(), p.surfacePoints);
    // The density experiments also switch off the end on error and the automatic display.
    EXPECT_EQ(form.Chender.ticked(), !clouds);
    EXPECT_FALSE(clouds && form.Chauto.ticked());
    // Their descriptions stand left, the others centred.
    EXPECT_EQ(form.LaChirp[0].alignment(), clouds ? toolkit::Alignment::Left : toolkit::Alignment::Center);
}

INSTANTIATE_TEST_SUITE_P(AllScenarios, Presets, ::testing::ValuesIn(kPresets),
                         [](const auto& info) { return std::to_string(info.param.number); });

TEST(Catalogue, HoldsEveryButtonInOrderAndNothingElse) {
    ASSERT_EQ(scenarios::catalogue().size(), 33u);
    for (int n = 1; n <= 33; ++n) EXPECT_EQ(scenarios::findScenario(n)->number, n);
    for (int n : {-1, 0, 34, 37}) EXPECT_EQ(scenarios::findScenario(n), nullptr);
}

TEST_F(ScenarioWindow, PairsStartAtTheirDistances) {
    for (auto [scenario, distance] :
         {std::pair{7, 406684.0}, {2, 5360000000.0}, {25, 53600000.0}, {6, 406700.0}}) {
        load(scenario);
        EXPECT_EQ(form.st.StartDist, distance) << scenario;
        EXPECT_EQ(form.st.AllMax, distance) << scenario;
        EXPECT_EQ(form.st.PrevLapMin, distance) << scenario;
    }
    EXPECT_EQ(form.st.StartDistText, " 406700");
}

}  // namespace
}  // namespace zephra
