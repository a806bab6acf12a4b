// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scenario part of a run file: what a preset sets, as values a person can read and change.

#include <memory>

#include "runfile/json_in.h"
#include "scenarios/stored_scenario.h"

namespace zephra::runfile {

// The constants of the window a preset's record needs to become plain values.
struct PresetContext {
    double kgFactor = 0;       // one kilogram in 10^-31 solar masses
    double screenWidthTw = 0;  // twips
    std::string timeScaleTip;  // the tooltip some descriptions quote
};

Json scenarioJson(const scenarios::Scenario& s, const PresetContext& context);
// The record, checked field by field (FieldFault otherwise).
std::shared_ptr<scenarios::StoredScenario> readScenario(const In& in);

}  // namespace zephra::runfile
