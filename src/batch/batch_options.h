// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of zephra-batch.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "batch/overrides.h"

namespace zephra::batch {

struct BatchOptions {
    int scenario = 0;                  // scenario button 1..33, or 0 with a file to load
    std::string loadFile;              // a scenario file or saved run to start from, in place of a button
    std::string saveFile;              // where the run is saved once it stops; empty: not saved
    int exportScenario = 0;            // a preset to write as a scenario file instead of running anything
    std::string exportFile;            // where it goes
    std::optional<double> iterations;  // stop after this many ticks
    std::optional<double> orbits;      // stop once this many orbits are complete
    double maxIterations = 50000000;   // at most this many ticks when orbits or the end of the run decide
    std::optional<int> timeScale;      // time-scale option 0..17, as if chosen with "User Overide" ticked
    std::vector<Override> overrides;   // controls set after the scenario loads, in the order given
    std::string folder = ".";          // where data-drift.txt goes
    std::string traceFile;             // where the trace CSV goes; empty: no trace is kept
    bool jsonLines = false;            // the summary on one line, to be concatenated with others
    bool help = false;                 // print the usage and do nothing else
};

// Exit statuses.
inline constexpr int kExitDone = 0;
inline constexpr int kExitBadInput = 2;     // a refused command line or override, an unusable --out folder,
                                            // or a file to load that is refused
inline constexpr int kExitRecordsLost = 3;  // the run completed, but drift records did not reach the file, or
                                            // the trace or the saved run was not written

// The usage text, option by option.
std::string usageText();

// The options, or the reason they are refused.
std::variant<BatchOptions, std::string> parseOptions(const std::vector<std::string>& args);

}  // namespace zephra::batch
