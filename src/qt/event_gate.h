#pragma once

#include <functional>

namespace zephra::qt {

// Every model event passes through here, one at a time. An event that arrives while another runs (a timer
// firing inside a message box's own event loop, a focus change caused by mirroring) is dropped, so a
// handler never runs inside another. After each event the front end mirrors what the model changed.
class EventGate {
  public:
    explicit EventGate(std::function<void()> afterEvent) : afterEvent_(std::move(afterEvent)) {}

    // Runs the event and the mirroring; false when it was dropped.
    bool deliver(const std::function<void()>& event) {
        if (busy_) return false;
        busy_ = true;
        event();
        afterEvent_();
        busy_ = false;
        return true;
    }
    bool busy() const { return busy_; }

  private:
    std::function<void()> afterEvent_;
    bool busy_ = false;
};

}  // namespace zephra::qt
