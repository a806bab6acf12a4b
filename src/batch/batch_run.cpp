// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/batch_run.h"

#include <chrono>

#include "batch/interruptions.h"

namespace zephra::batch {

RunRecord runScenario(FormOrbit& form, const BatchOptions& options, tracking::TraceRecorder* trace) {
    if (options.timeScale) {
        form.Optime[*options.timeScale].select();
        form.Chuser.setValue(1);
    }
    form.CDp[options.scenario].press();

    SimState& st = form.st;
    if (trace != nullptr) form.onTickDone = [trace](const SimState& done) { trace->afterTick(done); };
    RunRecord record;
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
