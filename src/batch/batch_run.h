// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One headless run: load the scenario the way the window's button does, set the overrides, then fire the tick
// as fast as the machine allows until the chosen stop rule, the end of the run, the safety cap or an
// interruption (see interruptions.h), which stops it between two ticks.

#include <optional>
#include <string>

#include "batch/batch_options.h"
#include "tracking/trace_recorder.h"
#include "ui/form_orbit.h"

namespace zephra::batch {

struct RunRecord {
    double ticks = 0;         // ticks fired by this run
    double wallSeconds = 0;   // real time they took
    bool capReached = false;  // the iteration cap, not the stop rule or the end of the run, stopped it
    // Length of the last completed orbit, at full precision (the window shows it rounded).
    std::optional<double> lastPeriodDays, lastPeriodYears;
    std::optional<std::string> refused;  // why the window did not keep an override; then at most one tick ran
    tracking::DriftWriter::Count drift;  // the run's drift records, as the file holds them once it is over
};

// A trace recorder, when given, receives every tick that ran to its end.
RunRecord runScenario(FormOrbit& form, const BatchOptions& options, tracking::TraceRecorder* trace = nullptr);

}  // namespace zephra::batch
