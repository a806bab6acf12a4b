// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_run.h"

#include <chrono>

#include "batch/interruptions.h"
#include "runfile/run_file.h"

namespace zephra::batch {

RunRecord runScenario(FormOrbit& form, const BatchOptions& options, tracking::TraceRecorder* trace) {
    RunRecord record;
    std::optional<runfile::Opened> opened;
    if (!options.loadFile.empty()) {
        std::variant<runfile::Opened, std::string> read = runfile::readRunFile(options.loadFile);
        if (auto* problem = std::get_if<std::string>(&read)) {
            record.refused = *problem;
            return record;
        }
        opened = std::move(std::get<runfile::Opened>(read));
        if (opened->run && options.timeScale) {
            record.refused = "--time-scale chooses the scale of a scenario's start; " + options.loadFile +
                             " is a saved run, which keeps its own";
            return record;
        }
    }
    if (options.timeScale) {
        form.Optime[*options.timeScale].select();
        form.Chuser.setValue(1);
    }
    if (opened) {
        runfile::openInWindow(form, *opened);
        // A saved run opens paused; it goes on as Pause would let it.
        if (!form.Ti.enabled() && form.TiF.enabled()) form.Command5.press();
    } else {
        form.CDp[options.scenario].press();
    }

    SimState& st = form.st;
    if (trace != nullptr) form.onTickDone = [trace](const SimState& done) { trace->afterTick(done); };
    record.refused = applyOverrides(form, options.overrides);
    if (record.refused) return record;
    const double tickLimit = options.iterations.value_or(options.maxIterations);
    double lapsSeen = st.Laps;
    double lapStartDays = st.LapStartDays, lapStartYears = st.LapStartYears;
    const auto start = std::chrono::steady_clock::now();
    while (!interruption() && form.Ti.enabled() && record.ticks < tickLimit) {
        form.Ti.fire();
        record.ticks += 1;
        if (record.ticks == 1) {
            record.refused = overridesUndoneByFirstTick(form, options.overrides);
            if (record.refused) return record;
        }
        if (st.Laps != lapsSeen) {
            // The tick moved the orbit's start to the moment the orbit completed.
            record.lastPeriodDays = st.LapStartDays - lapStartDays;
            record.lastPeriodYears = st.LapStartYears - lapStartYears;
            lapStartDays = st.LapStartDays;
            lapStartYears = st.LapStartYears;
            lapsSeen = st.Laps;
        }
        if (options.orbits && st.Laps >= *options.orbits) break;
    }
    record.capReached = !options.iterations && record.ticks >= tickLimit && form.Ti.enabled() &&
                        !(options.orbits && st.Laps >= *options.orbits);
    record.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    record.drift = form.driftWriter().count(st.DriftFile);
    return record;
}

}  // namespace zephra::batch
