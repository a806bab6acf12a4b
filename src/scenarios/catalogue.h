// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The preset systems behind the numbered scenario buttons, kept as plain data: the window's loader, the
// tests, the benchmarks and the batch runner all read this one table.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zephra::scenarios {

inline constexpr int kFirstScenario = 1;
inline constexpr int kLastScenario = 33;
inline constexpr int kFirstCloudScenario = 31;  // the density experiments: two gas clouds at rest

// A check box state a scenario writes, or Keep for one it leaves as the reset left it.
enum class Tick { Keep = -1, Off = 0, On = 1 };

// The first steps of a record, in the order the record lists them.
enum class FirstStep {
    Time,           // the time option, unless the user keeps his own time scale
    Distance,       // the distance option
    Description,    // GMsun (where the record sets it), then the description label
    SurfacePoints,  // "7" into the surface-points box
};

// The window's boxes a record may set around its values and options, by the names the window gives them:
// check boxes, and the surface-points box Text3.
enum class SettingBox { ChMinMax, Chalt, ChHit, Chdetails, CHac, Chboo, ChNum, Chender, Chauto, Text3 };

struct Setting {
    SettingBox box;
    int value;  // check-box value, or the number written into Text3
};

// A run-time text placed into a description between its two fixed pieces.
enum class Insert { None, DriftFile, TimeScaleTip };

// One body of the pair as a record starts it, in solar masses, km and km per base iteration of 1.5e-4 s.
// VelX is 0 for both bodies in every preset.
struct Body {
    double mass = 0;
    double radius = 0;
    double posX = 0, posY = 0;
    double velX = 0, velY = 0;
    double spin = 0;  // radians per base iteration
};

struct Pair {
    Body body1, body2;
};

// Special Relativity, Vessor Theory, General Relativity, Dark Cloud, Bounce, the gravity-delay details and
// the speed of gravity in c (empty: not written).
struct Physics {
    Tick special, vessor, general, dark, bounce;
    Tick delayDetails;
    std::string_view gravitySpeed = {};
};

struct Scenario {
    int number = 0;
    std::string_view description = {};  // lines separated by a carriage return
    Insert insert = Insert::None;
    std::string_view descriptionEnd = {};  // after the inserted text
    int distanceOption = 0;
    int timeOption = 0;
    std::vector<FirstStep> firstSteps = {};
    std::optional<double> gmSun = std::nullopt;  // where it differs from the default
    std::vector<Setting> beforeValues = {};
    Pair pair = {};
    // Adjustments after the velocities are set: both scaled, then body 1 nudged by kVelocityNudge.
    double velocityFactor = 1;
    int velocityNudges = 0;
    bool secondBodyFirst = false;  // the masses and radii are written body 2 first
    // Masses count in units of KgFactor (one kilogram is KgFactor x 1e-31 solar masses).
    bool massPerKgFactor = false;
    // Horizontal positions are offsets from the middle of the 15360-twip screen width.
    bool centredOnScreen = false;
    std::vector<Setting> beforeOptions = {};
    Physics physics = {};
    std::vector<Setting> afterOptions = {};
};

inline constexpr double kVelocityNudge = -0.000056;  // km per base iteration

// Records 1..33 in order.
std::span<const Scenario> catalogue();
// The record of a scenario number, or none for a number without a preset.
const Scenario* findScenario(int number);

// The description with its run-time piece in place.
std::string descriptionText(const Scenario& s, std::string_view driftFile, std::string_view timeScaleTip);

}  // namespace zephra::scenarios
