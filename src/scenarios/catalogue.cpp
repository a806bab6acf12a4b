// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/catalogue.h"

#include <cmath>

#include "engine/sim_state.h"

namespace zephra::scenarios {

namespace {

using enum FirstStep;

// Spins are one turn per so many base iterations.
double turnEvery(double iterations) {
    return kTwoPi / iterations;
}

const double kSunSpin = turnEvery(900000000);

// The pairs several records share.
// clang-format off
const Pair kAlphaCentauri{
    .body1 = {.mass = 1.14, .radius = 426600, .posX = -2680000000, .posY = 4608, .velY = 0.000340585, .spin = kSunSpin},
    .body2 = {.mass = 0.94, .radius = 298300, .posX = 2680000000, .posY = 4608, .velY = -0.00041315, .spin = kSunSpin}};
const Pair kCloseAlphaCentauri{
    .body1 = {.mass = 1.14, .radius = 426600, .posX = -26800000, .posY = 4608, .velY = 0.003485846, .spin = kSunSpin},
    .body2 = {.mass = 0.94, .radius = 298300, .posX = 26800000, .posY = 4608, .velY = -0.0041305, .spin = kSunSpin}};
const Pair kJupiter{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = -10000000, .velY = 1.7828e-6, .spin = kSunSpin},
    .body2 = {.mass = 0.0009555, .radius = 71442, .posX = 816600000, .posY = -10000000, .velY = -0.0018659, .spin = turnEvery(2000000000000)}};
const Pair kMercury{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = 4608, .velY = 9e-10, .spin = kSunSpin},
    .body2 = {.mass = 1.66e-7, .radius = 2439, .posX = 69820000, .posY = 4608, .velY = -0.0058281, .spin = turnEvery(6000000000)}};
const Pair kMoonAt406700{
    .body1 = {.mass = 3.003344e-6, .radius = 6378, .posX = 0, .posY = 0, .velY = 1.75422e-6, .spin = kSunSpin},
    .body2 = {.mass = 3.67511e-8, .radius = 2440, .posX = 406700, .posY = 0, .velY = -0.0001433549, .spin = turnEvery(200000000)}};
const Pair kMoonAt406684{
    .body1 = {.mass = 3.003344e-6, .radius = 6378, .posX = 0, .posY = 0, .velY = 1.75422e-6, .spin = kSunSpin},
    .body2 = {.mass = 3.67511e-8, .radius = 2440, .posX = 406684, .posY = 0, .velY = -0.000143357, .spin = turnEvery(200000000)}};
const Pair kEarth{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = 4608, .velY = 1.3e-8, .spin = kSunSpin},
    .body2 = {.mass = 3.0402e-6, .radius = 6378, .posX = 152093495, .posY = 4608, .velY = -0.00439386589, .spin = turnEvery(7500000)}};
const Pair kEarthFine{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = 4608, .velY = 1.3e-8, .spin = kSunSpin},
    .body2 = {.mass = 3.0402e-6, .radius = 6378, .posX = 152093951, .posY = 4608, .velY = -0.004393802668, .spin = turnEvery(7500000)}};
const Pair kMars{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = 4608, .velY = 1.063e-9, .spin = kSunSpin},
    .body2 = {.mass = 3.228483e-7, .radius = 6792, .posX = 249230000, .posY = 4608, .velY = -0.0032955, .spin = turnEvery(2000000000000)}};
const Pair kVenus{
    .body1 = {.mass = 1, .radius = 346850, .posX = 0, .posY = 4608, .velY = 1.27674e-8, .spin = kSunSpin},
    .body2 = {.mass = 2.44656776e-6, .radius = 6051, .posX = 108940500, .posY = 4608, .velY = -0.0052178, .spin = turnEvery(70000000)}};
// clang-format on

// Physics option sets.
// clang-format off
constexpr Tick On = Tick::On, Off = Tick::Off, Keep = Tick::Keep;
constexpr Physics kNewton{.special = Off, .vessor = Off, .general = Off, .dark = Off, .bounce = Off, .delayDetails = Keep};
constexpr Physics kSpecial{.special = On, .vessor = Off, .general = Off, .dark = Off, .bounce = Off, .delayDetails = Keep};
constexpr Physics kGeneral{.special = Off, .vessor = Off, .general = On, .dark = Off, .bounce = Off, .delayDetails = On, .gravitySpeed = "1"};
constexpr Physics kBothRelativities{.special = On, .vessor = Off, .general = On, .dark = Off, .bounce = Off, .delayDetails = On, .gravitySpeed = "1"};
constexpr Physics kNewtonInstant{.special = Off, .vessor = Off, .general = Off, .dark = Off, .bounce = Off, .delayDetails = Off, .gravitySpeed = "0"};
constexpr Physics kSpecialInstant{.special = On, .vessor = Off, .general = Off, .dark = Off, .bounce = Off, .delayDetails = Off, .gravitySpeed = "0"};
constexpr Physics kClouds{.special = Off, .vessor = Off, .general = Off, .dark = Keep, .bounce = Keep, .delayDetails = Keep};
// clang-format on

const Setting kAlternate{SettingBox::Chalt, 1};
const Setting kNoMaxDist{SettingBox::ChMinMax, 0};
const Setting kNoGas{SettingBox::ChHit, 0};
const Setting kAutoClear{SettingBox::CHac, 1};

const std::vector<FirstStep> kTimeFirst{Time, Distance, Description};
const std::vector<FirstStep> kDistanceFirst{Distance, Time, Description};
const std::vector<FirstStep> kDescriptionFirst{Description, Distance, Time};
const std::vector<FirstStep> kCloudSteps{Description, Distance, SurfacePoints, Time};
const std::vector<Setting> kCloudSettings{{SettingBox::Chdetails, 1}, {SettingBox::Chboo, 1},
                                          {SettingBox::ChHit, 1},     {SettingBox::ChNum, 1},
                                          {SettingBox::Chender, 0},   {SettingBox::Chauto, 0}};

constexpr double kMoonGM = 2986.03452;
constexpr double kEarthGM = 2986.0703;

// Two gas clouds at rest, placed symmetrically about the middle of the screen width.
Pair clouds(double mass, double radius, double halfGap) {
    return {.body1 = {.mass = mass, .radius = radius, .posX = -halfGap, .posY = 4608},
            .body2 = {.mass = mass, .radius = radius, .posX = halfGap, .posY = 4608}};
}

std::vector<Scenario> build() {
    // clang-format off
    const Pair whiteDwarfs{
        .body1 = {.mass = 2, .radius = 600, .posX = 6451.2, .posY = 4608, .velY = 1.105, .spin = turnEvery(33333)},
        .body2 = {.mass = 2, .radius = 600, .posX = 8908.8, .posY = 4608, .velY = -1.105, .spin = turnEvery(33333)}};
    const Pair blackHoles{
        .body1 = {.mass = 36, .radius = 99, .posX = 6451.2, .posY = 4377.6, .velY = 3.96, .spin = turnEvery(888)},
        .body2 = {.mass = 29, .radius = 99, .posX = 8908.8, .posY = 4377.6, .velY = -4.91, .spin = turnEvery(888)}};
    const Pair daedalus{
        .body1 = {.mass = 1, .radius = 346850, .posX = -2000000, .posY = 0, .velY = 0, .spin = kSunSpin},
        .body2 = {.mass = 1e-27, .radius = 0.01, .posX = 3000000, .posY = -1, .velY = -0.013, .spin = turnEvery(6000000000)}};
    // clang-format on
    Pair pseudoJupiter = kJupiter;
    pseudoJupiter.body2.posX = 150000000;
    pseudoJupiter.body1.posY = pseudoJupiter.body2.posY = 4608;
    Pair jupiter14 = kJupiter;
    jupiter14.body1.velY = 1.7e-6;

    return {
        {.number = 1,
         .description =
             "A binary pair of white dwarfs; each the mass of 2 suns.\rNote how General Relativity causes "
             "a gravity delay, which results in a visible difference between the gravity origin "
             "(orbit-line) and the center of each star (position). The out-spiral is also clear on "
             "this scale.",
         .distanceOption = 0,
         .timeOption = 1,
         .firstSteps = kTimeFirst,
         .pair = whiteDwarfs,
         .physics = kGeneral,
         .afterOptions = {kNoGas}},
        {.number = 2,
         .description = "Alpha Centauri binary with General Relativity.",
         .distanceOption = 6,
         .timeOption = 10,
         .firstSteps = kTimeFirst,
         .pair = kAlphaCentauri,
         .physics = kGeneral,
         .afterOptions = {kNoGas}},
        {.number = 3,
         .description = "Jupiter + Newton. ",
         .distanceOption = 14,
         .timeOption = 8,
         .firstSteps = kDescriptionFirst,
         .pair = kJupiter,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 4,
         .description = "Jupiter + Einstein's General Relativity. ",
         .distanceOption = 14,
         .timeOption = 8,
         .firstSteps = kDescriptionFirst,
         .pair = kJupiter,
         .physics = kGeneral,
         .afterOptions = {kAlternate}},
        {.number = 5,
         .description = "Mercury + Special Relativity. ",
         .distanceOption = 13,
         .timeOption = 6,
         .firstSteps = kDescriptionFirst,
         .beforeValues = {kNoMaxDist},
         .pair = kMercury,
         .physics = kSpecial,
         .afterOptions = {kAlternate}},
        {.number = 6,
         .description = "Moon and Earth according to Newton. \rAt highly exact measurement. ",
         .distanceOption = 2,
         .timeOption = 6,
         .firstSteps = kDescriptionFirst,
         .gmSun = kMoonGM,
         .pair = kMoonAt406700,
         .secondBodyFirst = true,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 7,
         .description = "Moon and Earth according to Newton.",
         .distanceOption = 2,
         .timeOption = 7,
         .firstSteps = kDescriptionFirst,
         .gmSun = kMoonGM,
         .pair = kMoonAt406684,
         .secondBodyFirst = true,
         .beforeOptions = {{SettingBox::Text3, 7}},
         .physics = kNewton,
         .afterOptions = {{SettingBox::Chboo, 1}, {SettingBox::Text3, 7}, kAlternate}},
        {.number = 8,
         .description = "Moon and Earth with General Relativity. \rSee the file: ",
         .insert = Insert::DriftFile,
         .descriptionEnd =
             " for complete data.\rThe moon would drift away at about 400m per orbit if gravity "
             "traveled at the velocity of light.",
         .distanceOption = 2,
         .timeOption = 5,
         .firstSteps = kDescriptionFirst,
         .gmSun = kMoonGM,
         .pair = kMoonAt406700,
         .secondBodyFirst = true,
         .physics = kGeneral,
         .afterOptions = {kAlternate}},
        {.number = 9,
         .description = "Moon and Earth with Special Relativity. \rSee the file: ",
         .insert = Insert::DriftFile,
         .descriptionEnd = " for complete data.",
         .distanceOption = 2,
         .timeOption = 7,
         .firstSteps = kDescriptionFirst,
         .gmSun = kMoonGM,
         .pair = kMoonAt406684,
         .secondBodyFirst = true,
         .physics = kSpecial,
         .afterOptions = {kAlternate}},
        {.number = 10,
         .description =
             "Earth: Orbit around Sun of combined Earth-Moon barycenter.\rAccording to Newton in 6 minutes",
         .distanceOption = 5,
         .timeOption = 7,
         .firstSteps = kDistanceFirst,
         .pair = kEarth,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 11,
         .description =
             "Earth: Combined Earth-Moon barycenter orbit around Sun according to Einstein's formulae "
             "applied from both General and Special Relativity.",
         .distanceOption = 5,
         .timeOption = 7,
         .firstSteps = kDistanceFirst,
         .pair = kEarth,
         .physics = kBothRelativities,
         .afterOptions = {kAlternate}},
        {.number = 12,
         .description = "Earth: Combined Earth-Moon barycenter orbit around Sun with Special Relativity.",
         .distanceOption = 5,
         .timeOption = 7,
         .firstSteps = kDistanceFirst,
         .pair = kEarth,
         .physics = kSpecial,
         .afterOptions = {kAlternate}},
        {.number = 13,
         .description =
             "Contrary to LIGO claims, with gravity moving at the velocity of light, binary orbits spiral "
             "outwards. This scenario shows what the LIGO gw150914 binary black-hole theoretical data "
             "should look like when effected geometrically by gravity traveling at the velocity of "
             "light.",
         .distanceOption = 0,
         .timeOption = 0,
         .firstSteps = {Description, Time, Distance},
         .pair = blackHoles,
         .physics = kBothRelativities,
         .afterOptions = {{SettingBox::Text3, 12}}},
        {.number = 14,
         .description = "Jupiter + Special Relativity. ",
         .distanceOption = 14,
         .timeOption = 9,
         .firstSteps = kDescriptionFirst,
         .pair = jupiter14,
         .physics = kSpecial,
         .afterOptions = {kAlternate}},
        {.number = 15,
         .description = "Satellite 'Daedalus' approaches the Sun.",
         .distanceOption = 3,
         .timeOption = 5,
         .firstSteps = kDescriptionFirst,
         .pair = daedalus,
         .physics = kSpecial,
         .afterOptions = {kAlternate}},
        {.number = 16,
         .description = "Mars with Newton.",
         .distanceOption = 5,
         .timeOption = 8,
         .firstSteps = kDescriptionFirst,
         .pair = kMars,
         .physics = kNewton,
         .afterOptions = {kAutoClear}},
        {.number = 17,
         .description = "Mars with Special Relativity.",
         .distanceOption = 5,
         .timeOption = 8,
         .firstSteps = kDescriptionFirst,
         .pair = kMars,
         .physics = kSpecial,
         .afterOptions = {kAutoClear, kAlternate}},
        {.number = 18,
         .description = "Mercury + Newton. ",
         .distanceOption = 13,
         .timeOption = 6,
         .firstSteps = kDescriptionFirst,
         .beforeValues = {kNoMaxDist},
         .pair = kMercury,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 19,
         .description = "Mercury, Special Relativity and General Relativity. ",
         .distanceOption = 13,
         .timeOption = 6,
         .firstSteps = kDescriptionFirst,
         .beforeValues = {kNoMaxDist},
         .pair = kMercury,
         .physics = kBothRelativities,
         .afterOptions = {kAlternate}},
        {.number = 20,
         .description = "Mercury and General Relativity. ",
         .distanceOption = 13,
         .timeOption = 6,
         .firstSteps = kDescriptionFirst,
         .beforeValues = {kNoMaxDist},
         .pair = kMercury,
         .physics = kGeneral,
         .afterOptions = {kAlternate}},
        {.number = 21,
         .description =
             "Earth: Combined Earth-Moon barycenter orbit around Sun.\r1 hour process for 1 orbit; to "
             "demonstrate scale accuracy.",
         .distanceOption = 5,
         .timeOption = 6,
         .firstSteps = kDistanceFirst,
         .gmSun = kEarthGM,
         .pair = kEarthFine,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 22,
         .description = "Venus orbits the Sun according to Newton. \rTime-scale ",
         .insert = Insert::TimeScaleTip,
         .distanceOption = 5,
         .timeOption = 7,
         .firstSteps = kDistanceFirst,
         .pair = kVenus,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 23,
         .description = "Venus orbits the Sun according to General Relativity. \rTime-scale ",
         .insert = Insert::TimeScaleTip,
         .distanceOption = 5,
         .timeOption = 7,
         .firstSteps = kDistanceFirst,
         .pair = kVenus,
         .physics = kGeneral,
         .afterOptions = {kAlternate}},
        {.number = 24,
         .description = "Alpha Centauri binary and General Relativity with increased accuracy.",
         .distanceOption = 6,
         .timeOption = 9,
         .firstSteps = kTimeFirst,
         .pair = kAlphaCentauri,
         .physics = kGeneral,
         .afterOptions = {kAlternate, kNoGas}},
        {.number = 25,
         .description =
             "Pseudo-Alpha Centauri binary with applied equations from Relativity, starting 100x closer "
             "than in reality (inside the orbit of Mercury apart).",
         .distanceOption = 4,
         .timeOption = 8,
         .firstSteps = kTimeFirst,
         .pair = kCloseAlphaCentauri,
         .velocityNudges = 2,
         .physics = kBothRelativities,
         .afterOptions = {kNoGas, {SettingBox::Chdetails, 1}, kAutoClear}},
        {.number = 26,
         .description =
             "Pseudo-Alpha Centauri binary with Relativity, starting 100x closer than in reality, but "
             "with less eccentricity.",
         .distanceOption = 4,
         .timeOption = 9,
         .firstSteps = kTimeFirst,
         .pair = kCloseAlphaCentauri,
         .velocityFactor = 1.4,
         .velocityNudges = 2,
         .physics = kBothRelativities,
         .afterOptions = {kNoGas, {SettingBox::Chdetails, 1}, kAutoClear}},
        {.number = 27,
         .description =
             "Pseudo-Jupiter + Einstein's General Relativity. \rStarting at Earth's orbit for good measure.",
         .distanceOption = 5,
         .timeOption = 9,
         .firstSteps = kDescriptionFirst,
         .pair = pseudoJupiter,
         .velocityFactor = 2.333,
         .physics = kGeneral,
         .afterOptions = {kAutoClear}},
        {.number = 28,
         .description =
             "Earth: Combined Earth-Moon barycenter orbit around Sun.\r10 hour process for 1 orbit; to "
             "demonstrate scale accuracy.",
         .distanceOption = 5,
         .timeOption = 5,
         .firstSteps = kDistanceFirst,
         .gmSun = kEarthGM,
         .pair = kEarthFine,
         .physics = kNewton,
         .afterOptions = {kAlternate}},
        {.number = 29,
         .description = "Alpha Centauri binary with Newton.",
         .distanceOption = 6,
         .timeOption = 9,
         .firstSteps = kTimeFirst,
         .pair = kAlphaCentauri,
         .physics = kNewtonInstant,
         .afterOptions = {kAlternate, kNoGas}},
        {.number = 30,
         .description = "Alpha Centauri binary with Special Relativity.",
         .distanceOption = 6,
         .timeOption = 9,
         .firstSteps = kTimeFirst,
         .pair = kAlphaCentauri,
         .physics = kSpecialInstant,
         .afterOptions = {kAlternate, kNoGas}},
        {.number = 31,
         .description =
             "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 ton. Density = "
             "5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' "
             "article)",
         .distanceOption = 3,
         .timeOption = 17,
         .firstSteps = kCloudSteps,
         .pair = clouds(std::pow(10.0, -28), 50000, std::pow(10.0, 6) * 1.362),
         .massPerKgFactor = true,
         .centredOnScreen = true,
         .physics = kClouds,
         .afterOptions = kCloudSettings},
        {.number = 32,
         .description =
             "Vessor Theory's Critical Density - static Universe:\r2 gas clouds each 1 kg. Density = "
             "5*10^-17 kg/km^3. \rHow long before contact due to gravity? \r(Details in 'Vessor Theory' "
             "article)",
         .distanceOption = 2,
         .timeOption = 17,
         .firstSteps = kCloudSteps,
         .pair = clouds(std::pow(10.0, -31), 5000, std::pow(10.0, 5) * 1.362),
         .massPerKgFactor = true,
         .centredOnScreen = true,
         .physics = kClouds,
         .afterOptions = kCloudSettings},
        {.number = 33,
         .description =
             "Critical Density test: \r2 stationary gas clouds each 1kg.\rDensity: 2*10^-17 kg/km^3 "
             "\rHow long before contact due to gravity?",
         .distanceOption = 2,
         .timeOption = 17,
         .firstSteps = kCloudSteps,
         .pair = clouds(std::pow(10.0, -31) * 5, 5000, std::pow(10.0, 5) * 1.842),
         .centredOnScreen = true,
         .physics = kClouds,
         .afterOptions = kCloudSettings},
    };
}

}  // namespace

std::span<const Scenario> catalogue() {
    static const std::vector<Scenario> records = build();
    return records;
}

const Scenario* findScenario(int number) {
    if (number < kFirstScenario || number > kLastScenario) return nullptr;
    return &catalogue()[static_cast<std::size_t>(number - kFirstScenario)];
}

std::string descriptionText(const Scenario& s, std::string_view driftFile, std::string_view timeScaleTip) {
    std::string text(s.description);
    if (s.insert == Insert::DriftFile) text += driftFile;
    if (s.insert == Insert::TimeScaleTip) text += timeScaleTip;
    text += s.descriptionEnd;
    return text;
}

}  // namespace zephra::scenarios
