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
const Pair kAlphaCentauri{1.14, 0.94, 426600,      298300,      -2680000000, 2680000000,
                          4608, 4608, 0.000340585, -0.00041315, kSunSpin,    kSunSpin};
const Pair kCloseAlphaCentauri{1.14, 0.94, 426600,      298300,     -26800000, 26800000,
                               4608, 4608, 0.003485846, -0.0041305, kSunSpin,  kSunSpin};
const Pair kJupiter{1,         0.0009555, 346850,    71442,      0,        816600000,
                    -10000000, -10000000, 1.7828e-6, -0.0018659, kSunSpin, turnEvery(2000000000000)};
const Pair kMercury{1,    1.66e-7, 346850, 2439,       0,        69820000,
                    4608, 4608,    9e-10,  -0.0058281, kSunSpin, turnEvery(6000000000)};
const Pair kMoonAt406700{3.003344e-6, 3.67511e-8, 6378,       2440,          0,        406700,
                         0,           0,          1.75422e-6, -0.0001433549, kSunSpin, turnEvery(200000000)};
const Pair kMoonAt406684{3.003344e-6, 3.67511e-8, 6378,       2440,         0,        406684,
                         0,           0,          1.75422e-6, -0.000143357, kSunSpin, turnEvery(200000000)};
const Pair kEarth{1,    3.0402e-6, 346850, 6378,           0,        152093495,
                  4608, 4608,      1.3e-8, -0.00439386589, kSunSpin, turnEvery(7500000)};
const Pair kEarthFine{1,      3.0402e-6,       346850,   6378,
                      0,      152093951,       4608,     4608,
                      1.3e-8, -0.004393802668, kSunSpin, turnEvery(7500000)};
const Pair kMars{1,    3.228483e-7, 346850,   6792,       0,        249230000,
                 4608, 4608,        1.063e-9, -0.0032955, kSunSpin, turnEvery(2000000000000)};
const Pair kVenus{1,    2.44656776e-6, 346850,     6051,       0,        108940500,
                  4608, 4608,          1.27674e-8, -0.0052178, kSunSpin, turnEvery(70000000)};

// Physics option sets.
constexpr Tick On = Tick::On, Off = Tick::Off, Keep = Tick::Keep;
constexpr Physics kNewton{Off, Off, Off, Off, Off, Keep, {}};
constexpr Physics kSpecial{On, Off, Off, Off, Off, Keep, {}};
constexpr Physics kGeneral{Off, Off, On, Off, Off, On, "1"};
constexpr Physics kBothRelativities{On, Off, On, Off, Off, On, "1"};
constexpr Physics kNewtonInstant{Off, Off, Off, Off, Off, Off, "0"};
constexpr Physics kSpecialInstant{On, Off, Off, Off, Off, Off, "0"};
constexpr Physics kClouds{Off, Off, Off, Keep, Keep, Keep, {}};

const Setting kAlternate{Control::Chalt, 1};
const Setting kNoMaxDist{Control::ChMinMax, 0};
const Setting kNoGas{Control::ChHit, 0};
const Setting kAutoClear{Control::CHac, 1};

const std::vector<FirstStep> kTimeFirst{Time, Distance, Description};
const std::vector<FirstStep> kDistanceFirst{Distance, Time, Description};
const std::vector<FirstStep> kDescriptionFirst{Description, Distance, Time};
const std::vector<FirstStep> kCloudSteps{Description, Distance, SurfacePoints, Time};
const std::vector<Setting> kCloudSettings{{Control::Chdetails, 1}, {Control::Chboo, 1},
                                          {Control::ChHit, 1},     {Control::ChNum, 1},
                                          {Control::Chender, 0},   {Control::Chauto, 0}};

constexpr double kMoonGM = 2986.03452;
constexpr double kEarthGM = 2986.0703;

// Two gas clouds at rest, placed symmetrically about the middle of the screen width.
Pair clouds(double mass, double radius, double halfGap) {
    return {mass, mass, radius, radius, -halfGap, halfGap, 4608, 4608, 0, 0, 0, 0};
}

std::vector<Scenario> build() {
    const Pair whiteDwarfs{2,    2,    600,   600,    6451.2,           8908.8,
                           4608, 4608, 1.105, -1.105, turnEvery(33333), turnEvery(33333)};
    const Pair blackHoles{36,     29,     99,   99,    6451.2,         8908.8,
                          4377.6, 4377.6, 3.96, -4.91, turnEvery(888), turnEvery(888)};
    const Pair daedalus{1, 1e-27, 346850, 0.01,   -2000000, 3000000,
                        0, -1,    0,      -0.013, kSunSpin, turnEvery(6000000000)};
    Pair pseudoJupiter = kJupiter;
    pseudoJupiter.posX2 = 150000000;
    pseudoJupiter.posY1 = pseudoJupiter.posY2 = 4608;
    Pair jupiter14 = kJupiter;
    jupiter14.velY1 = 1.7e-6;

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
         .beforeOptions = {{Control::Text3, 7}},
         .physics = kNewton,
         .afterOptions = {{Control::Chboo, 1}, {Control::Text3, 7}, kAlternate}},
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
         .afterOptions = {{Control::Text3, 12}}},
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
         .afterOptions = {kNoGas, {Control::Chdetails, 1}, kAutoClear}},
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
         .afterOptions = {kNoGas, {Control::Chdetails, 1}, kAutoClear}},
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
