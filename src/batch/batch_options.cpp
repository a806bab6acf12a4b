// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_options.h"

#include <algorithm>
#include <cmath>

#include "toolkit/number_text.h"
#include "tracking/drift_writer.h"

namespace zephra::batch {

namespace {

// A whole number within [least, greatest], or nothing.
std::optional<double> wholeNumber(const std::string& text, double least, double greatest) {
    const std::optional<double> value = toolkit::strictNumber(text);
    if (!value || *value != std::floor(*value) || *value < least || *value > greatest) return std::nullopt;
    return value;
}

// Applies an option's value; the reason it is refused, if it is.
using Refusal = std::optional<std::string>;
using Apply = Refusal (*)(BatchOptions&, const std::string& name, const std::string& value);

struct OptionRow {
    const char* name;
    const char* alias;  // another spelling, or nullptr
    const char* value;  // what the value is called in the usage, nullptr for an option without one
    bool stopRule;      // one of the mutually exclusive ways a run stops
    const char* help;
    Apply apply;
    bool repeatable = false;   // may be given again (a body option, for another body)
    bool secondValue = false;  // followed by a file name as well
};

Refusal applyCount(std::optional<double>& target, const std::string& name, const std::string& value) {
    const auto n = wholeNumber(value, 1, 1e15);
    if (!n) return name + " must be a positive whole number: " + value;
    target = *n;
    return std::nullopt;
}

// A whole number of least..greatest (a button or option index) into target, or the reason it is refused.
template <typename Target>
Refusal applyIndex(Target& target, const std::string& value, int least, int greatest, const char* what) {
    const auto n = wholeNumber(value, least, greatest);
    if (!n)
        return std::string(what) + " must be " + std::to_string(least) + ".." + std::to_string(greatest) +
               ": " + value;
    target = static_cast<int>(*n);
    return std::nullopt;
}

// A path into its field: any text but an empty one.
template <std::string BatchOptions::*Field, bool Folder = false>
Refusal pathRow(BatchOptions& o, const std::string& name, const std::string& v) {
    if (v.empty()) return name + (Folder ? " needs a folder" : " needs a file name");
    o.*Field = v;
    return std::nullopt;
}

// An override of a control, checked and kept for after the scenario has loaded.
template <OverrideControl control>
Refusal overrideRow(BatchOptions& o, const std::string& name, const std::string& v) {
    return addOverride(o.overrides, control, name, v);
}

using C = OverrideControl;
const OptionRow kOptions[] = {
    {"--scenario", nullptr, "N", false, "scenario button 1..33 (required)",
     [](BatchOptions& o, const std::string&, const std::string& v) {
         return applyIndex(o.scenario, v, 1, 33, "scenario");
     }},
    {"--load", nullptr, "FILE", false, "start from a scenario file or a saved run (.zephra), not a button",
     pathRow<&BatchOptions::loadFile>},
    {"--save", nullptr, "FILE", false, "save the run once it stops, paused, to go on with --load",
     pathRow<&BatchOptions::saveFile>},
    {"--export-scenario", nullptr, "N FILE", false, "write preset N as a scenario file and run nothing",
     [](BatchOptions& o, const std::string&, const std::string& v) {
         return applyIndex(o.exportScenario, v, 1, 33, "scenario");
     },
     false, true},
    {"--iterations", nullptr, "N", true, "run N ticks",
     [](BatchOptions& o, const std::string& name, const std::string& v) {
         return applyCount(o.iterations, name, v);
     }},
    {"--orbits", nullptr, "N", true, "run until N orbits of the main pair are complete",
     [](BatchOptions& o, const std::string& name, const std::string& v) {
         return applyCount(o.orbits, name, v);
     }},
    {"--until-end", nullptr, nullptr, true, "run until the scenario ends by itself (the default)",
     [](BatchOptions&, const std::string&, const std::string&) { return Refusal(); }},
    {"--max-iterations", nullptr, "N", false,
     "at most N ticks for --orbits and --until-end (default 50000000)",
     [](BatchOptions& o, const std::string& name, const std::string& v) {
         std::optional<double> cap;
         Refusal refused = applyCount(cap, name, v);
         if (cap) o.maxIterations = *cap;
         return refused;
     }},
    {"--time-scale", nullptr, "K", false, "time-scale option 0..17 in place of the scenario's own",
     [](BatchOptions& o, const std::string&, const std::string& v) {
         return applyIndex(o.timeScale, v, 0, 17, "time scale");
     }},
    {"--newton", nullptr, "0|1", false, "tick (1) or grey (0) \"Newton's Gravity\"", overrideRow<C::Newton>},
    {"--special-relativity", nullptr, "0|1", false, "untick or tick \"Special Relativity\"",
     overrideRow<C::SpecialRelativity>},
    {"--general-relativity", nullptr, "0|1", false, "untick or tick \"General Relativity\"",
     overrideRow<C::GeneralRelativity>},
    {"--dark-cloud", nullptr, "0|1", false, "untick or tick \"Dark Cloud\"", overrideRow<C::DarkCloud>},
    {"--bounce", nullptr, "0|1", false,
     "untick or tick \"Bounce\" (ticked: bodies in contact as solids, no push apart)",
     overrideRow<C::Bounce>},
    {"--vessor", nullptr, "0|1", false, "untick or tick \"Tor Varn's Vessor Theory\"",
     overrideRow<C::Vessor>},
    {"--gravity-speed", nullptr, "V", false, "speed of gravity, 1 = light speed (a whole 1..10 ticks GR)",
     overrideRow<C::GravitySpeed>},
    {"--gravity-exponent", nullptr, "X", false, "distance exponent of g = m/r^X, 0.4..2.6",
     overrideRow<C::GravityExponent>},
    {"--dark-friction", nullptr, "F", false, "friction of the dark cloud (needs the cloud ticked)",
     overrideRow<C::DarkFriction>},
    {"--body-x", nullptr, "B:TWIPS", false, "body B (0..2): horizontal screen position, as the body editor",
     overrideRow<C::BodyX>, true},
    {"--body-y", nullptr, "B:TWIPS", false, "body B: vertical screen position (down from the top)",
     overrideRow<C::BodyY>, true},
    {"--body-vx", nullptr, "B:V", false, "body B: horizontal velocity, km per iteration",
     overrideRow<C::BodyVx>, true},
    {"--body-vy", nullptr, "B:V", false, "body B: vertical velocity, km per iteration",
     overrideRow<C::BodyVy>, true},
    {"--body-mass", nullptr, "B:M", false, "body B: mass in solar masses", overrideRow<C::BodyMass>, true},
    {"--out", "--folder", "DIR", false, "folder for data-drift.txt (default: the current folder)",
     pathRow<&BatchOptions::folder, true>},
    {"--trace", nullptr, "FILE.csv", false, "write the run's samples and orbits as CSV (see zephra-plot)",
     pathRow<&BatchOptions::traceFile>},
    {"--json", nullptr, nullptr, false, "print the summary as indented JSON (the default)",
     [](BatchOptions&, const std::string&, const std::string&) { return Refusal(); }},
    {"--jsonl", nullptr, nullptr, false, "print the summary as one JSON line",
     [](BatchOptions& o, const std::string&, const std::string&) {
         o.jsonLines = true;
         return Refusal();
     }},
    {"--help", "-h", nullptr, false, "print this text and exit",
     [](BatchOptions& o, const std::string&, const std::string&) {
         o.help = true;
         return Refusal();
     }},
};

const OptionRow* findOption(const std::string& name) {
    for (const OptionRow& row : kOptions)
        if (name == row.name || (row.alias != nullptr && name == row.alias)) return &row;
    return nullptr;
}

}  // namespace

std::string usageText() {
    std::string text =
        "usage: zephra-batch --scenario N | --load FILE [--iterations N | --orbits N | --until-end] "
        "[options]\n"
        "       zephra-batch --export-scenario N FILE\n";
    for (const OptionRow& row : kOptions) {
        std::string left = std::string("  ") + row.name;
        if (row.alias != nullptr) left += std::string(", ") + row.alias;
        if (row.value != nullptr) left += std::string(" ") + row.value;
        left.resize(std::max<std::size_t>(left.size() + 2, 24), ' ');
        text += left + row.help + "\n";
    }
    text +=
        "The overrides set the window's controls once the scenario has loaded, as a user would: the ticks,\n"
        "then the boxes, then the paused body editor. A value the control would not keep, or that the\n"
        "window's first tick undoes, is refused. Vessor Theory, Dark Cloud, Bounce, the dark-cloud friction\n"
        "and the gravity exponent are options the window itself never shows: a run with them has no twin in\n"
        "the window.\n"
        "A file to load is a scenario file, which starts as its preset button would, or a saved run, which\n"
        "goes on where it was saved; the overrides then apply as after a button. A file refused is one line\n"
        "naming the file and the field, with exit status 2. --save and --export-scenario write beside FILE\n"
        "and take its place only when complete.\n"
        "The trace is written beside FILE.csv and takes its place only when complete; a refused or\n"
        "interrupted run leaves an existing one as it was.\n"
        "end_code in the summary: 0, or 11 once the distance scale has widened, while the run goes on; the\n"
        "run ended with 66 a body left the screen, 67 a body left the largest distance scale, 77 the\n"
        "bodies impacted, 99 the movement error passed the limit, 88 bodies 1 and 2 on one point, 98 a\n"
        "position or velocity no longer a finite number.\n";
    return text + "exit status: " + std::to_string(kExitDone) + " done; " + std::to_string(kExitBadInput) +
           " bad command line, unusable --out folder, data-drift.txt or --trace file,\n"
           "             a --load file refused, or override not kept; " +
           std::to_string(kExitRecordsLost) +
           " the run completed but drift records were lost (see\n"
           "             \"drift_file\"; a record waits at most " +
           std::to_string(tracking::kDriftLockWait.count()) +
           " s for another program's lock on the\n"
           "             file), or the --trace or --save file was not written in full\n";
}

std::variant<BatchOptions, std::string> parseOptions(const std::vector<std::string>& args) {
    BatchOptions options;
    std::vector<const OptionRow*> seen;
    const auto given = [&seen](const char* name) {
        return std::find(seen.begin(), seen.end(), findOption(name)) != seen.end();
    };
    int stopRules = 0;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& name = args[k];
        const OptionRow* row = findOption(name);
        if (row == nullptr) return "unknown option " + name;
        if (!row->repeatable && std::find(seen.begin(), seen.end(), row) != seen.end())
            return std::string(row->name) + " given more than once";
        seen.push_back(row);
        if (row->stopRule) ++stopRules;
        std::string value;
        if (row->value != nullptr) {
            if (k + 1 >= args.size()) return "missing value after " + name;
            value = args[++k];
        }
        if (row->secondValue) {
            if (k + 1 >= args.size() || args[k + 1].empty())
                return "missing FILE after " + name + " " + value;
            options.exportFile = args[++k];
        }
        if (Refusal refused = row->apply(options, name, value)) return *refused;
        if (options.help) return options;
    }
    if (options.exportScenario != 0) {
        if (seen.size() > 1) return "--export-scenario runs nothing: give it alone";
        return options;
    }
    if (options.scenario != 0 && !options.loadFile.empty()) return "choose one of --scenario and --load";
    if (options.scenario == 0 && options.loadFile.empty()) return "--scenario or --load is required";
    if (stopRules > 1) return "choose one of --iterations, --orbits and --until-end";
    if (given("--json") && given("--jsonl")) return "choose one of --json and --jsonl";
    if (given("--iterations") && given("--max-iterations"))
        return "--max-iterations caps --orbits and --until-end; --iterations already says how many ticks";
    return options;
}

}  // namespace zephra::batch
