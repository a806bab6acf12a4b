// SPDX-License-Identifier: GPL-3.0-or-later
#include "runfile/run_file.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "runfile/continuation_json.h"
#include "runfile/pending_file.h"
#include "runfile/scenario_json.h"
#include "toolkit/headless_platform.h"

namespace zephra::runfile {

namespace {

PresetContext contextOf(const FormOrbit& form) {
    return {.kgFactor = form.st.KgFactor,
            .screenWidthTw = form.st.ScreenWidthTw,
            .timeScaleTip = form.Optime[7].toolTip()};
}

Json head(const FormOrbit& form, const scenarios::Scenario& s) {
    return {
        {"format", kFormatName}, {"version", kFormatVersion}, {"scenario", scenarioJson(s, contextOf(form))}};
}

std::string text(const Json& document) {
    return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

// A refusal is one line whatever the file holds: control characters of a key, a quoted text or a file
// name are written as \n, \t or \xHH.
std::string oneLine(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7f) {
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

std::string named(const std::filesystem::path& file, const std::string& what) {
    return oneLine(file.string() + ": " + what);
}

std::optional<std::string> writeFile(const std::filesystem::path& file, const std::string& contents) {
    PendingFile pending;
    if (auto problem = pending.open(file)) return named(file, *problem);
    pending.stream() << contents;
    if (auto problem = pending.commit()) return named(file, *problem);
    return std::nullopt;
}

}  // namespace

std::string scenarioText(const FormOrbit& form, const scenarios::Scenario& preset) {
    return text(head(form, preset));
}

std::variant<std::string, std::string> runText(const FormOrbit& form) {
    const scenarios::Scenario* scenario = form.scenarioInForce();
    if (scenario == nullptr)
        return std::variant<std::string, std::string>(std::in_place_index<1>, "no run has started yet");
    Json document = head(form, *scenario);
    try {
        document["continuation"] = continuationJson(form);
    } catch (const FieldFault& fault) {
        return std::variant<std::string, std::string>(
            std::in_place_index<1>, "the run cannot be saved: " + fault.field + " " + fault.what);
    }
    return std::variant<std::string, std::string>(std::in_place_index<0>, text(document));
}

std::variant<Opened, std::string> readRunText(std::string_view contents) {
    std::variant<Json, std::string> parsed = parseJson(contents);
    if (auto* problem = std::get_if<std::string>(&parsed)) return oneLine(*problem);
    const In root(std::get<Json>(parsed), "");
    try {
        if (!root.json().is_object()) root.fail("a run file is a JSON object, not this");
        const In format = root.at("format");
        if (format.text() != kFormatName)
            format.fail("must be \"" + std::string(kFormatName) + "\", not \"" + format.text() + "\"");
        const In version = root.at("version");
        const double v = version.number();
        if (v > kFormatVersion && v == std::floor(v))
            version.fail("is " + std::to_string(static_cast<long long>(v)) +
                         ": the file was written by a newer Zephra, which this one (format " +
                         std::to_string(kFormatVersion) + ") cannot read");
        version.whole(1, kFormatVersion);
        if (root.has("continuation"))
            root.expectKeys({"format", "version", "scenario", "continuation"});
        else
            root.expectKeys({"format", "version", "scenario"});
        Opened opened{.scenario = readScenario(root.at("scenario")), .run = nullptr};
        if (root.has("continuation")) opened.run = readContinuation(root.at("continuation"));
        return opened;
    } catch (const FieldFault& fault) {
        return oneLine((fault.field.empty() ? "" : fault.field + ": ") + fault.what);
    }
}

std::optional<std::string> exportScenario(int number, const std::filesystem::path& file) {
    const scenarios::Scenario* preset = scenarios::findScenario(number);
    if (preset == nullptr) return named(file, "there is no preset " + std::to_string(number));
    toolkit::HeadlessPlatform platform;
    const FormOrbit form(platform);
    return writeFile(file, scenarioText(form, *preset));
}

std::optional<std::string> saveRun(const FormOrbit& form, const std::filesystem::path& file) {
    std::variant<std::string, std::string> contents = runText(form);
    if (contents.index() == 1) return named(file, std::get<1>(contents));
    return writeFile(file, std::get<0>(contents));
}

std::variant<Opened, std::string> readRunFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) return named(file, "cannot be read (" + error.message() + ")");
    if (size > kLargestFile)
        return named(file, "is larger than any run file (" + std::to_string(size) + " bytes)");
    std::ifstream in(file, std::ios::binary);
    std::string contents(size, '\0');
    if (!in.read(contents.data(), static_cast<std::streamsize>(size))) return named(file, "cannot be read");
    std::variant<Opened, std::string> opened = readRunText(contents);
    if (auto* problem = std::get_if<std::string>(&opened)) return named(file, *problem);
    return opened;
}

void openInWindow(FormOrbit& form, Opened& opened) {
    if (opened.run)
        form.ResumeRun(std::move(opened.scenario), *opened.run);
    else
        form.OpenScenario(std::move(opened.scenario));
}

std::optional<std::string> openRunFile(FormOrbit& form, const std::filesystem::path& file) {
    std::variant<Opened, std::string> opened = readRunFile(file);
    if (auto* problem = std::get_if<std::string>(&opened)) return *problem;
    openInWindow(form, std::get<Opened>(opened));
    return std::nullopt;
}

}  // namespace zephra::runfile
