#pragma once

// Plays random user sessions on the main window model: clicks, typing, focus changes, double clicks, scroll
// bars, scenario loads and timer periods, the way a restless user and the window's timers would. Only what a
// user can reach is touched: shown, enabled controls, and text boxes that are not read-only. After every
// action the window's invariants are checked.

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
    // Gives a whole number in [0, bound), bound > 0. A seeded generator for the torture test, the fuzzer's
    // bytes for the event fuzzer.
    using Choice = std::function<std::uint32_t(std::uint32_t bound)>;

    EventDriver(std::string folder, Choice choose);
    // Plays one action: a timer period, a run of ticks, or a user action on a reachable control.
    void step();
    // Empty when the window is in a sound state and its drift file reads record by record, else what is
    // wrong.
    std::string brokenInvariant() const;
    // What the last step did, for a failure report.
    const std::string& lastAction() const { return lastAction_; }
    FormOrbit& form() { return *form_; }
    std::uint64_t ticks() const { return ticks_; }

  private:
    void restartProgram();
    void actOnMainWindow();
    void actOnFarewell();
    void runTicks();
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

// A Choice from a seeded generator.
EventDriver::Choice seededChoice(std::uint64_t seed);

}  // namespace zephra::testing
