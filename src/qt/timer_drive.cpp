// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/timer_drive.h"

#include <algorithm>

namespace zephra::qt {

namespace {
constexpr qint64 kMostPeriodsMadeUp = 8;  // beyond this the backlog is dropped rather than chased
}

TimerDrive::TimerDrive(toolkit::Timer& timer, EventGate& gate, EventGate::Pace pace, QObject* parent)
    : QObject(parent), timer_(timer), gate_(gate), pace_(pace) {
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
    sinceStart_.start();
    periodsServed_ = 0;
}

void TimerDrive::period() {
    const qint64 interval = std::max(1, timer_.interval());
    const qint64 due = sinceStart_.elapsed() / interval;
    const qint64 owed = std::clamp<qint64>(due - periodsServed_, 1, kMostPeriodsMadeUp);
    periodsServed_ = std::max(periodsServed_ + owed, due - kMostPeriodsMadeUp);
    const std::uint64_t generation = syncedGeneration_;
    for (qint64 k = 0; k < owed; ++k) {
        // A tick that stops, restarts or re-times the timer ends the making up.
        if (!timer_.enabled() || syncedGeneration_ != generation) return;
        if (!gate_.deliver([this] { timer_.fire(); }, pace_)) return;
    }
}

}  // namespace zephra::qt
