// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays random user sessions on the main window model, the way a restless user and the window's timers
// would: clicks, typing, focus changes, double clicks, scroll bars, scenario loads and timer periods, on
// shown, enabled controls and on text boxes that are not read-only.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "support/drift_file_check.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

namespace zephra::testing {

class EventDriver {
  public:
    // Gives a whole number in [0, bound): a seeded generator for the torture test, the fuzzer's bytes for
    // the event fuzzer.
    using Choice = std::function<std::uint32_t(std::uint32_t bound)>;

    EventDriver(std::string folder, Choice choose);
    // Plays one action: a timer period, a run of ticks, or a user action on a reachable control.
    void step();
    // Empty when the window is sound and its drift file reads record by record, else what is wrong.
    std::string brokenInvariant() const;
    const std::string& lastAction() const { return lastAction_; }
    std::uint64_t ticks() const { return ticks_; }

  private:
    void restartProgram();
    void runTicks();
    void actOnOneOf(const std::vector<toolkit::Control*>& controls, int tries);
    void actOn(toolkit::Control& control);
    void typeInto(toolkit::TextBox& box);
    std::string randomText();
    bool reachable(const toolkit::Control& control) const;

    std::string folder_;
    Choice choose_;
    toolkit::HeadlessPlatform platform_;
    std::unique_ptr<FormOrbit> form_;
    std::string lastAction_;
    std::uint64_t ticks_ = 0;
    DriftFileCheck driftCheck_;
    std::string driftProblem_;  // found after the last completed orbit
};

EventDriver::Choice seededChoice(std::uint64_t seed);

}  // namespace zephra::testing
