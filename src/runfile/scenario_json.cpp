// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/scenario_json.h"

#include <algorithm>
#include <array>
#include <utility>

#include "display/scale_tables.h"
#include "engine/sim_state.h"
#include "toolkit/number_text.h"

namespace zephra::runfile {

namespace {

using scenarios::SettingBox;
using scenarios::Tick;

constexpr std::array<std::pair<SettingBox, const char*>, 10> kBoxNames{{{SettingBox::ChMinMax, "ChMinMax"},
                                                                        {SettingBox::Chalt, "Chalt"},
                                                                        {SettingBox::ChHit, "ChHit"},
                                                                        {SettingBox::Chdetails, "Chdetails"},
                                                                        {SettingBox::CHac, "CHac"},
                                                                        {SettingBox::Chboo, "Chboo"},
                                                                        {SettingBox::ChNum, "ChNum"},
                                                                        {SettingBox::Chender, "Chender"},
                                                                        {SettingBox::Chauto, "Chauto"},
                                                                        {SettingBox::Text3, "Text3"}}};
constexpr int kFewestPatternPoints = 3, kMostPatternPoints = 32;

// The physics ticks by their key, in the order the window sets them.
struct PhysicsKey {
    const char* key;
    Tick scenarios::Physics::*tick;
};
constexpr PhysicsKey kPhysicsKeys[] = {{"special_relativity", &scenarios::Physics::special},
                                       {"vessor_theory", &scenarios::Physics::vessor},
                                       {"general_relativity", &scenarios::Physics::general},
                                       {"dark_cloud", &scenarios::Physics::dark},
                                       {"bounce", &scenarios::Physics::bounce}};

Json tickJson(Tick t) {
    if (t == Tick::Keep) return nullptr;
    return t == Tick::On;
}

Tick readTick(const In& in) {
    if (in.isNull()) return Tick::Keep;
    return in.flag() ? Tick::On : Tick::Off;
}

void addBoxes(Json& boxes, const std::vector<scenarios::Setting>& settings) {
    for (const scenarios::Setting& setting : settings)
        for (const auto& [box, name] : kBoxNames)
            if (box == setting.box) boxes[name] = setting.value;
}

std::vector<scenarios::Setting> readBoxes(const In& in) {
    if (!in.json().is_object()) in.fail("must be an object of box names and values");
    std::vector<scenarios::Setting> settings;
    for (const auto& item : in.json().items()) {
        const std::string& key = item.key();
        const In value = in.at(key);
        const auto* named = std::find_if(kBoxNames.begin(), kBoxNames.end(),
                                         [&](const auto& row) { return key == row.second; });
        if (named == kBoxNames.end())
            in.fail("has a field \"" + key + "\" that names no box a scenario sets");
        const bool points = named->first == SettingBox::Text3;
        const int v = static_cast<int>(points ? value.whole(kFewestPatternPoints, kMostPatternPoints)
                                              : value.whole(0, 1));
        settings.push_back({named->first, v});
    }
    return settings;
}

Json bodyJson(const scenarios::Scenario& s, const scenarios::Body& b, int which, const PresetContext& c) {
    // The same arithmetic, in the same order, as loading the preset: the values land bit for bit.
    double velY = b.velY * s.velocityFactor;
    if (which == 1)
        for (int k = 0; k < s.velocityNudges; ++k) velY += scenarios::kVelocityNudge;
    return {{"mass", b.mass * (s.massPerKgFactor ? c.kgFactor : 1)},
            {"radius", b.radius},
            {"x", b.posX + (s.centredOnScreen ? c.screenWidthTw / 2 : 0)},
            {"y", b.posY},
            {"vx", b.velX * s.velocityFactor},
            {"vy", velY},
            {"spin", b.spin}};
}

scenarios::Body readBody(const In& in) {
    in.expectKeys({"mass", "radius", "x", "y", "vx", "vy", "spin"});
    scenarios::Body b{.mass = in.at("mass").number(),
                      .radius = in.at("radius").number(),
                      .posX = in.at("x").number(),
                      .posY = in.at("y").number(),
                      .velX = in.at("vx").number(),
                      .velY = in.at("vy").number(),
                      .spin = in.at("spin").number()};
    if (b.mass < 0) in.at("mass").fail("must not be negative");
    if (b.radius < 0) in.at("radius").fail("must not be negative");
    return b;
}

Json descriptionLines(const std::string& text) {
    Json lines = Json::array();
    std::size_t start = 0;
    for (std::size_t cr; (cr = text.find('\r', start)) != std::string::npos; start = cr + 1)
        lines.push_back(text.substr(start, cr - start));
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace

Json scenarioJson(const scenarios::Scenario& s, const PresetContext& c) {
    Json physics = Json::object();
    for (const PhysicsKey& k : kPhysicsKeys) physics[k.key] = tickJson(s.physics.*k.tick);
    physics["gravity_delay_details"] = tickJson(s.physics.delayDetails);
    physics["gravity_speed"] =
        s.physics.gravitySpeed.empty() ? Json(nullptr) : Json(toolkit::leadingNumber(s.physics.gravitySpeed));
    Json before = Json::object(), after = Json::object();
    for (scenarios::FirstStep step : s.firstSteps)
        if (step == scenarios::FirstStep::SurfacePoints) before["Text3"] = 7;
    addBoxes(before, s.beforeValues);
    addBoxes(after, s.beforeOptions);
    addBoxes(after, s.afterOptions);
    return {{"number", s.number},
            {"description", descriptionLines(scenarios::storedDescription(s, c.timeScaleTip))},
            {"distance_scale", s.distanceOption},
            {"time_scale", s.timeOption},
            {"gm_sun", s.gmSun.value_or(kGMsunDefault)},
            {"bodies", {bodyJson(s, s.pair.body1, 1, c), bodyJson(s, s.pair.body2, 2, c)}},
            {"physics", physics},
            {"boxes_before_bodies", before},
            {"boxes_after_options", after}};
}

std::shared_ptr<scenarios::StoredScenario> readScenario(const In& in) {
    in.expectKeys({"number", "description", "distance_scale", "time_scale", "gm_sun", "bodies", "physics",
                   "boxes_before_bodies", "boxes_after_options"});
    const In lines = in.at("description");
    std::string description;
    for (std::size_t k = 0; k < lines.size(); ++k) description += (k ? "\r" : "") + lines.at(k).text();
    auto stored = scenarios::StoredScenario::make(std::move(description));
    scenarios::Scenario& s = stored->record();
    s.number = static_cast<int>(in.at("number").whole(0, scenarios::kLastScenario));
    s.distanceOption = static_cast<int>(in.at("distance_scale").whole(0, kDistanceScales - 1));
    s.timeOption = static_cast<int>(in.at("time_scale").whole(0, kTimeScales - 1));
    const In gm = in.at("gm_sun");
    s.gmSun = gm.number();
    if (*s.gmSun <= 0) gm.fail("must be above 0");
    const In bodies = in.at("bodies");
    if (bodies.size() != 2)
        bodies.fail("must hold the 2 bodies of the pair, not " + std::to_string(bodies.size()));
    s.pair = {readBody(bodies.at(0)), readBody(bodies.at(1))};

    const In physics = in.at("physics");
    physics.expectKeys({"special_relativity", "vessor_theory", "general_relativity", "dark_cloud", "bounce",
                        "gravity_delay_details", "gravity_speed"});
    for (const PhysicsKey& k : kPhysicsKeys) s.physics.*k.tick = readTick(physics.at(k.key));
    s.physics.delayDetails = readTick(physics.at("gravity_delay_details"));
    if (const In speed = physics.at("gravity_speed"); !speed.isNull()) {
        if (speed.number() < 0) speed.fail("must not be negative");
        stored->setGravitySpeed(toolkit::numberText(speed.number()));
    }
    s.beforeValues = readBoxes(in.at("boxes_before_bodies"));
    s.afterOptions = readBoxes(in.at("boxes_after_options"));
    return stored;
}

}  // namespace zephra::runfile
