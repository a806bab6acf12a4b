// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/catalogue.h"

#include <string>

#include "scenario_fixture.h"

// The presets' bodies, scales and physics reach the summaries and drift files of every scenario, which the
// identity digests hold (tests/batch). What no summary shows is kept here, typed by hand: the window's
// ticks of each preset and the descriptions of the runs that complete no orbit within the digests' runs.
namespace zephra {
namespace {

// Ticked boxes after the load: a "Alternate color each orbit", b "Horizon", c " Auto clear screen",
// d "Details", h "Gaseous interaction", m "Max dist", n "Exact or simple"; then the surface points and the
// radii of the pair, km.
struct PresetRow {
    int number;
    const char *ticked, *surfacePoints, *radius1, *radius2;
};

// clang-format off
constexpr PresetRow kPresets[] = {
    {1, "m", "12", "600", "600"},
    {2, "m", "12", "426600", "298300"},
    {3, "ahm", "12", "346850", "71442"},
    {4, "ahm", "12", "346850", "71442"},
    {5, "ah", "12", "346850", "2439"},
    {6, "ahm", "12", "6378", "2440"},
    {7, "abhm", "7", "6378", "2440"},
    {8, "ahm", "12", "6378", "2440"},
    {9, "ahm", "12", "6378", "2440"},
    {10, "ahm", "12", "346850", "6378"},
    {11, "ahm", "12", "346850", "6378"},
    {12, "ahm", "12", "346850", "6378"},
    {13, "hm", "12", "99", "99"},
    {14, "ahm", "12", "346850", "71442"},
    {15, "ahm", "12", "346850", "0.01"},
    {16, "chm", "12", "346850", "6792"},
    {17, "achm", "12", "346850", "6792"},
    {18, "ah", "12", "346850", "2439"},
    {19, "ah", "12", "346850", "2439"},
    {20, "ah", "12", "346850", "2439"},
    {21, "ahm", "12", "346850", "6378"},
    {22, "ahm", "12", "346850", "6051"},
    {23, "ahm", "12", "346850", "6051"},
    {24, "am", "12", "426600", "298300"},
    {25, "cdm", "12", "426600", "298300"},
    {26, "cdm", "12", "426600", "298300"},
    {27, "chm", "12", "346850", "71442"},
    {28, "ahm", "12", "346850", "6378"},
    {29, "am", "12", "426600", "298300"},
    {30, "am", "12", "426600", "298300"},
    {31, "bdhmn", "7", "50000", "50000"},
    {32, "bdhmn", "7", "5000", "5000"},
    {33, "bdhmn", "7", "5000", "5000"},
};

// "{file}" stands for the drift file's full name.
const std::pair<int, const char*> kDescriptions[] = {
    {8, "Moon and Earth with General Relativity. \rSee the file: {file} for complete data.\rThe moon would drift away at about 400m per orbit if gravity traveled at the velocity of light."},
    {21, "Earth: Combined Earth-Moon barycenter orbit around Sun.\r1 hour process for 1 orbit; to demonstrate scale accuracy."},
    {28, "Earth: Combined Earth-Moon barycenter orbit around Sun.\r10 hour process for 1 orbit; to demonstrate scale accuracy."},
    {31, "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 ton. Density = 5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' article)"},
    {32, "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 kg. Density = 5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' article)"},
    {33, "Critical Density test: \r2 stationary gas clouds each 1kg.\rDensity: 2*10^-17 kg/km^3 \rHow long before contact due to gravity?"},
};
// clang-format on

TEST_F(ScenarioWindow, EveryPresetTicksItsBoxes) {
    for (const PresetRow& p : kPresets) {
        const bool clouds = p.number >= 31;
        form.Chender.setValue(CheckBox::kTicked);
        load(p.number);
        const std::string ticked = p.ticked;
        const std::pair<char, CheckBox*> boxes[] = {
            {'a', &form.Chalt}, {'b', &form.Chboo},    {'c', &form.CHac}, {'d', &form.Chdetails},
            {'h', &form.ChHit}, {'m', &form.ChMinMax}, {'n', &form.ChNum}};
        for (auto [letter, box] : boxes)
            EXPECT_EQ(box->ticked(), ticked.find(letter) != std::string::npos)
                << p.number << " " << box->name();
        EXPECT_EQ(form.Text3.text(), p.surfacePoints) << p.number;
        EXPECT_EQ(form.TXrad[1].text(), p.radius1) << p.number;
        EXPECT_EQ(form.TXrad[2].text(), p.radius2) << p.number;
        // The density experiments also switch off the end on error and the automatic display, and their
        // descriptions stand left, the others centred.
        EXPECT_EQ(form.Chender.ticked(), !clouds) << p.number;
        EXPECT_FALSE(clouds && form.Chauto.ticked()) << p.number;
        EXPECT_EQ(form.LaChirp[0].alignment(), clouds ? toolkit::Alignment::Left : toolkit::Alignment::Center)
            << p.number;
    }
}

TEST_F(ScenarioWindow, PresetsWithoutAnOrbitRecordShowTheirDescriptions) {
    for (const auto& [number, text] : kDescriptions) {
        load(number);
        std::string description = text;
        if (const auto at = description.find("{file}"); at != std::string::npos)
            description.replace(at, 6, form.st.DriftFile);
        EXPECT_EQ(form.LaChirp[0].caption(), description) << number;
    }
}

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
