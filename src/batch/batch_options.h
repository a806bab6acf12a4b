#pragma once

// The command line of zephra-batch.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zephra::batch {

struct BatchOptions {
    int scenario = 0;                  // scenario button 1..33
    std::optional<double> iterations;  // stop after this many ticks
    std::optional<double> orbits;      // stop once this many orbits are complete
    std::optional<int> timeScale;      // time-scale option 0..17, as if chosen with "User Overide" ticked
    std::string folder = ".";          // where data-drift.txt goes
};

// Ticks a run may take at most when it is left to end by itself.
inline constexpr double kSafetyCapTicks = 50000000;

inline constexpr const char* kUsage =
    "usage: zephra-batch --scenario N [--iterations N | --orbits N | --until-end] [--time-scale K]\n"
    "                    [--out DIR] [--json]\n"
    "  --scenario N    scenario button 1..33 (required)\n"
    "  --iterations N  run N ticks\n"
    "  --orbits N      run until N orbits of the main pair are complete\n"
    "  --until-end     run until the scenario ends by itself (the default), at most 50000000 ticks\n"
    "  --time-scale K  time-scale option 0..17 in place of the scenario's own\n"
    "  --out DIR       folder for data-drift.txt (also --folder; default: the current folder)\n"
    "  --json          print the summary as JSON (the only form there is)\n";

// The options, or the reason they are refused.
std::variant<BatchOptions, std::string> parseOptions(const std::vector<std::string>& args);

}  // namespace zephra::batch
