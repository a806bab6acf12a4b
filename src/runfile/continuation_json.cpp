// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/continuation_json.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <limits>
#include <map>

#include "runfile/state_json.h"
#include "toolkit/headless_platform.h"

namespace zephra::runfile {

namespace {

using toolkit::ControlState;

constexpr std::size_t kPixels =
    static_cast<std::size_t>(toolkit::Surface::kWidthPixels) * toolkit::Surface::kHeightPixels;
constexpr std::int64_t kLargestTwips = 1 << 30;

std::string keyOf(const toolkit::Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

Json colourJson(toolkit::Color c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(c & 0xffffff));
    return text;
}

toolkit::Color readColour(const In& in) {
    const std::string& t = in.text();
    unsigned value = 0;
    int used = 0;
    if (t.size() != 7 || t[0] != '#' || std::sscanf(t.c_str() + 1, "%6x%n", &value, &used) != 1 || used != 6)
        in.fail("must be a colour written #rrggbb, not \"" + t + "\"");
    return value;
}

// The alignments by name, in the order of their values.
const std::string kAlignments[] = {"left", "right", "center"};

// Each property a control's state has, by its name in the file and its kind.
struct Property {
    const char* name;
    int ControlState::*whole = nullptr;  // a whole number from least to greatest
    std::int64_t least = 0, greatest = 0;
    bool ControlState::*flag = nullptr;
    std::string ControlState::*text = nullptr;
    toolkit::Color ControlState::*colour = nullptr;  // else the alignment

    Json write(const ControlState& s) const {
        if (whole) return s.*whole;
        if (flag) return s.*flag;
        if (text) return s.*text;
        if (colour) return colourJson(s.*colour);
        return kAlignments[static_cast<int>(s.alignment)];
    }
    void read(const In& in, ControlState& s) const {
        if (whole) {
            s.*whole = static_cast<int>(in.whole(least, greatest));
        } else if (flag) {
            s.*flag = in.flag();
        } else if (text) {
            s.*text = in.text();
        } else if (colour) {
            s.*colour = readColour(in);
        } else {
            const auto* a = std::find(std::begin(kAlignments), std::end(kAlignments), in.text());
            if (a == std::end(kAlignments)) in.fail("must be \"left\", \"right\" or \"center\"");
            s.alignment = static_cast<toolkit::Alignment>(a - std::begin(kAlignments));
        }
    }
};

const Property kProperties[] = {
    {.name = "left", .whole = &ControlState::left, .least = -kLargestTwips, .greatest = kLargestTwips},
    {.name = "top", .whole = &ControlState::top, .least = -kLargestTwips, .greatest = kLargestTwips},
    {.name = "width", .whole = &ControlState::width, .least = 0, .greatest = kLargestTwips},
    {.name = "height", .whole = &ControlState::height, .least = 0, .greatest = kLargestTwips},
    {.name = "visible", .flag = &ControlState::visible},
    {.name = "enabled", .flag = &ControlState::enabled},
    {.name = "fore", .colour = &ControlState::fore},
    {.name = "back", .colour = &ControlState::back},
    {.name = "tooltip", .text = &ControlState::toolTip},
    {.name = "caption", .text = &ControlState::caption},
    {.name = "value", .whole = &ControlState::value, .least = -32768, .greatest = 32767},
    {.name = "text", .text = &ControlState::text},
    {.name = "locked", .flag = &ControlState::locked},
    {.name = "alignment"},
    {.name = "min", .whole = &ControlState::min, .least = -32768, .greatest = 32767},
    {.name = "max", .whole = &ControlState::max, .least = -32768, .greatest = 32767},
    {.name = "border", .colour = &ControlState::border},
    {.name = "fill", .colour = &ControlState::fill},
};

// The window as it opens, which the saved controls are told apart from.
struct StartWindow {
    toolkit::HeadlessPlatform platform;
    FormOrbit form{platform};
};

Json controlsJson(const FormOrbit& form) {
    StartWindow start;
    Json out = Json::object();
    for (const toolkit::Control* c : form.controls()) {
        const toolkit::Control* fresh = start.form.find(c->name(), c->index());
        const ControlState now = toolkit::stateOf(*c);
        const ControlState then = fresh ? toolkit::stateOf(*fresh) : ControlState{};
        Json changed = Json::object();
        for (const Property& p : kProperties)
            if (Json value = p.write(now); value != p.write(then)) changed[p.name] = std::move(value);
        if (!changed.empty()) out[keyOf(*c)] = std::move(changed);
    }
    return out;
}

std::vector<SavedRun::Control> readControls(const In& in) {
    if (!in.json().is_object()) in.fail("must be an object of control names");
    StartWindow start;
    std::map<std::string, const toolkit::Control*> byKey;
    for (const toolkit::Control* c : start.form.controls()) byKey[keyOf(*c)] = c;
    for (const auto& [key, _] : in.json().items())
        if (!byKey.contains(key)) in.fail("has a field \"" + key + "\" that names no control of the window");
    std::vector<SavedRun::Control> controls;
    for (const toolkit::Control* c : start.form.controls()) {
        SavedRun::Control saved{.name = c->name(), .index = c->index(), .state = toolkit::stateOf(*c)};
        if (in.has(keyOf(*c))) {
            const In changed = in.at(keyOf(*c));
            if (!changed.json().is_object()) changed.fail("must be an object of the control's properties");
            for (const auto& item : changed.json().items()) {
                const std::string& name = item.key();
                const Property* p = std::find_if(std::begin(kProperties), std::end(kProperties),
                                                 [&](const Property& q) { return name == q.name; });
                if (p == std::end(kProperties))
                    changed.fail("has a field \"" + name + "\" that no control has");
                p->read(changed.at(name), saved.state);
            }
        }
        controls.push_back(std::move(saved));
    }
    return controls;
}

Json timerJson(const toolkit::Timer& t) {
    return {{"interval", t.interval()}, {"enabled", t.enabled()}};
}

SavedRun::TimerState readTimer(const In& in) {
    in.expectKeys({"interval", "enabled"});
    return {.interval = static_cast<int>(in.at("interval").whole(0, std::numeric_limits<int>::max())),
            .enabled = in.at("enabled").flag()};
}

Json driftJson(const tracking::DriftWriter::Resume& d) {
    return {{"records_in_file", d.inFile},
            {"records_written", d.written},
            {"records_lost", d.lost},
            {"last_failure", d.failure},
            {"last_record", d.lastRecord}};
}

tracking::DriftWriter::Resume readDrift(const In& in) {
    in.expectKeys({"records_in_file", "records_written", "records_lost", "last_failure", "last_record"});
    constexpr std::int64_t most = std::int64_t{1} << 53;
    return {.inFile = static_cast<double>(in.at("records_in_file").whole(0, most)),
            .written = static_cast<double>(in.at("records_written").whole(0, most)),
            .lost = static_cast<double>(in.at("records_lost").whole(0, most)),
            .failure = in.at("last_failure").text(),
            .lastRecord = in.at("last_record").text()};
}

}  // namespace

Json continuationJson(const FormOrbit& form) {
    return {
        {"state", stateJson(form.st)},
        {"controls", controlsJson(form)},
        {"timers", {{"Ti", timerJson(form.Ti)}, {"TiF", timerJson(form.TiF)}, {"Tr", timerJson(form.Tr)}}},
        {"drawing", packedJson(form.surface().pixels(), kPixels, sizeof(toolkit::Color))},
        {"drift_file", driftJson(form.driftWriter().resumeInfo())}};
}

std::unique_ptr<SavedRun> readContinuation(const In& in) {
    in.expectKeys({"state", "controls", "timers", "drawing", "drift_file"});
    auto run = std::make_unique<SavedRun>();
    readState(in.at("state"), run->st);
    run->controls = readControls(in.at("controls"));
    const In timers = in.at("timers");
    timers.expectKeys({"Ti", "TiF", "Tr"});
    run->Ti = readTimer(timers.at("Ti"));
    run->TiF = readTimer(timers.at("TiF"));
    run->Tr = readTimer(timers.at("Tr"));
    const In drawing = in.at("drawing");
    run->drawing.resize(kPixels);
    readPacked(drawing, run->drawing.data(), kPixels, sizeof(toolkit::Color));
    for (toolkit::Color c : run->drawing)
        if (c > 0xffffff) drawing.fail("holds a colour beyond #ffffff");
    run->drift = readDrift(in.at("drift_file"));
    return run;
}

}  // namespace zephra::runfile
