// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a scenario file or a saved run. The file has been read and checked whole before either runs, so a
// bad file never leaves the window's run half replaced.

#include <utility>

#include "scenarios/loader.h"
#include "ui/form_orbit.h"

namespace zephra {

void FormOrbit::OpenScenario(std::shared_ptr<const scenarios::StoredScenario> scenario) {
    const int Index = scenario->record().number;
    if (!decltype(CDp)::inRange(Index)) return;
    resetControlsForRun(Index);
    scenarios::resetRunState(st, Index);
    applyScenarioValues(Index, &scenario->record());
    startLoadedRun();
    openedScenario_ = std::move(scenario);
}

void FormOrbit::ResumeRun(std::shared_ptr<const scenarios::StoredScenario> scenario, SavedRun& run) {
    // The data file stays where this window keeps it.
    std::string driftFile = std::move(st.DriftFile);
    std::swap(st, run.st);
    st.DriftFile = std::move(driftFile);
    for (const SavedRun::Control& saved : run.controls)
        if (toolkit::Control* control = find(saved.name, saved.index))
            toolkit::restoreState(*control, saved.state);
    CHfile.setToolTip("Data for min/max drift can be found in file: " + st.DriftFile);
    for (auto [timer, saved] : {std::pair{&Ti, run.Ti}, {&TiF, run.TiF}, {&Tr, run.Tr}}) {
        timer->setInterval(saved.interval);
        timer->setEnabled(saved.enabled);
    }
    if (Ti.interval() >= 1) acceptedRate_ = Ti.interval();
    surface_.restore(run.drawing);
    driftWriter_.resume(st.DriftFile, run.drift);
    // Neither keeps anything between ticks but what it can compute again.
    tick_ = engine::Tick{};
    horizonShown_ = {};
    openedScenario_ = std::move(scenario);
    // A run saved while it went on opens paused, as the Pause button leaves it.
    if (Ti.enabled()) Command5_Click();
}

const scenarios::Scenario* FormOrbit::scenarioInForce() const {
    if (openedScenario_) return &openedScenario_->record();
    return scenarios::findScenario(static_cast<int>(st.ScenarioNo));
}

}  // namespace zephra
