// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Zephra's run files (.zephra): UTF-8 JSON with a format name and version, a scenario part (what a preset
// sets) and, in a saved run, a continuation part (the whole run as the window holds it, so that it goes on
// exactly where it was). A file is read and checked whole before it touches the window; a refusal is one line
// naming the file and the field.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "scenarios/stored_scenario.h"
#include "ui/form_orbit.h"

namespace zephra::runfile {

inline constexpr std::string_view kFormatName = "zephra";
// Files of versions 1 to this one are read; a newer file is refused.
inline constexpr int kFormatVersion = 1;
// Larger files are refused unread: a saved run with a full history is some tens of megabytes.
inline constexpr std::uintmax_t kLargestFile = 512u << 20;

// A file's contents, checked: a scenario, and the run when the file holds one.
struct Opened {
    std::shared_ptr<scenarios::StoredScenario> scenario;
    std::unique_ptr<SavedRun> run;
};

// Preset number as a scenario file's text; form supplies the window's constants.
std::string scenarioText(const FormOrbit& form, const scenarios::Scenario& preset);
// The window's run as a saved run's text, or why it cannot be saved.
std::variant<std::string, std::string> runText(const FormOrbit& form);
// The text of a run file, or why it is refused ("field: what").
std::variant<Opened, std::string> readRunText(std::string_view text);

// Files: each returns why it did not happen, naming the file, or nothing when done. A file is written beside
// its name and takes its place only once complete, so a failed save leaves the earlier file as it was.
std::optional<std::string> exportScenario(int number, const std::filesystem::path& file);
std::optional<std::string> saveRun(const FormOrbit& form, const std::filesystem::path& file);
// The file read and checked, or why it is refused.
std::variant<Opened, std::string> readRunFile(const std::filesystem::path& file);
// A scenario file starts as its preset button would; a saved run takes the window's place, paused.
void openInWindow(FormOrbit& form, Opened& opened);
// Both at once: the window is left as it was when the file is refused.
std::optional<std::string> openRunFile(FormOrbit& form, const std::filesystem::path& file);

}  // namespace zephra::runfile
