#include "qt/timer_drive.h"

namespace zephra::qt {

TimerDrive::TimerDrive(toolkit::Timer& timer, EventGate& gate, QObject* parent)
    : QObject(parent), timer_(timer), gate_(gate) {
    // The run timer's interval is the computation rate: a coarse timer would slow every run.
    qtimer_.setTimerType(Qt::PreciseTimer);
    connect(&qtimer_, &QTimer::timeout, this, &TimerDrive::period);
    sync();
}

void TimerDrive::sync() {
    if (timer_.generation() == syncedGeneration_) return;
    syncedGeneration_ = timer_.generation();
    if (!timer_.enabled()) {
        qtimer_.stop();
        return;
    }
    qtimer_.start(timer_.interval());
}

void TimerDrive::period() {
    if (!timer_.enabled()) return;
    gate_.deliver([this] { timer_.fire(); });
}

}  // namespace zephra::qt
