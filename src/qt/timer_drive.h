// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>

#include "qt/event_gate.h"
#include "toolkit/controls.h"

namespace zephra::qt {

// A QTimer that follows one model timer: same interval, running while the model timer is enabled. Each
// period fires the model timer through the gate, so a tick never runs inside another handler (a period that
// falls inside a message box's event loop is simply skipped). Periods the event loop was too busy to serve
// on time (a repaint of the window) are made up, a few at most, so a run keeps its rate of ticks.
class TimerDrive : public QObject {
  public:
    // pace says how soon the windows must show what a period changed.
    TimerDrive(toolkit::Timer& timer, EventGate& gate, EventGate::Pace pace = EventGate::Pace::Now,
               QObject* parent = nullptr);

    // Brings a changed interval or state of the model timer to the QTimer.
    void sync();
    bool running() const { return qtimer_.isActive(); }

  private:
    void period();

    toolkit::Timer& timer_;
    EventGate& gate_;
    EventGate::Pace pace_;
    QTimer qtimer_;
    std::uint64_t syncedGeneration_ = ~std::uint64_t{0};
    QElapsedTimer sinceStart_;
    qint64 periodsServed_ = 0;
};

}  // namespace zephra::qt
