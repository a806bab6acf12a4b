// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/stored_scenario.h"

namespace zephra::scenarios {

std::shared_ptr<StoredScenario> StoredScenario::make(std::string description) {
    std::shared_ptr<StoredScenario> s(new StoredScenario);
    const std::size_t mark = description.find(kDriftFileMark);
    if (mark == std::string::npos) {
        s->before_ = std::move(description);
    } else {
        s->before_ = description.substr(0, mark);
        s->after_ = description.substr(mark + kDriftFileMark.size());
        s->record_.insert = Insert::DriftFile;
    }
    s->record_.description = s->before_;
    s->record_.descriptionEnd = s->after_;
    // A stored record keeps no preset's order: the scales first, then the description.
    s->record_.firstSteps = {FirstStep::Distance, FirstStep::Time, FirstStep::Description};
    return s;
}

void StoredScenario::setGravitySpeed(std::string text) {
    gravitySpeed_ = std::move(text);
    record_.physics.gravitySpeed = gravitySpeed_;
}

std::string storedDescription(const Scenario& s, std::string_view timeScaleTip) {
    return descriptionText(s, kDriftFileMark, timeScaleTip);
}

}  // namespace zephra::scenarios
