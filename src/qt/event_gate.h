// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace zephra::qt {

// Every model event passes through here, one at a time. An event that arrives while another runs (a timer
// firing inside a message box's own event loop, a focus change caused by mirroring) is dropped, so a
// handler never runs inside another. After each event the front end mirrors what the model changed: at once
// for a user's action, at the screen's pace for the run timer's many ticks.
class EventGate {
  public:
    enum class Pace { Now, Frame };
    explicit EventGate(std::function<void(Pace)> afterEvent) : afterEvent_(std::move(afterEvent)) {}

    // Runs the event and the mirroring; false when it was dropped.
    bool deliver(const std::function<void()>& event, Pace pace = Pace::Now) {
        if (busy_) return false;
        busy_ = true;
        event();
        afterEvent_(pace);
        busy_ = false;
        return true;
    }
    bool busy() const { return busy_; }

  private:
    std::function<void(Pace)> afterEvent_;
    bool busy_ = false;
};

}  // namespace zephra::qt
