// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scenario that is not one of the presets: read from a file, it owns the texts its record shows. It starts
// exactly as a preset button does, with its own values.

#include <memory>
#include <string>
#include <string_view>

#include "scenarios/catalogue.h"

namespace zephra::scenarios {

// The mark in a stored description where the full path of data-drift.txt goes.
inline constexpr std::string_view kDriftFileMark = "{drift_file}";

class StoredScenario {
  public:
    // The record's description and first steps are set here from the text; the caller fills in the rest
    // of record() before sharing it. Held by pointer, so that the record's views stay on its own texts.
    static std::shared_ptr<StoredScenario> make(std::string description);
    Scenario& record() { return record_; }
    // The speed of gravity the record writes, as text.
    void setGravitySpeed(std::string text);
    const Scenario& record() const { return record_; }

  private:
    StoredScenario() = default;
    std::string before_, after_, gravitySpeed_;
    Scenario record_;
};

// The description of a record with the drift file's place marked instead of filled in, for storing.
std::string storedDescription(const Scenario& s, std::string_view timeScaleTip);

}  // namespace zephra::scenarios
