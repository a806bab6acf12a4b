// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCategoryAxis>
#include <utility>

namespace zephra::qt {

// A unit for an axis of time, chosen so that its numbers stay between about 1 and a few thousand.
struct TimeUnit {
    const char* name;  // plural, for the axis title: "seconds"
    double perDay;
};

inline constexpr TimeUnit kDays{"days", 1};

// Seconds up to three hours, hours up to three days, days up to three years, years beyond.
TimeUnit timeUnitFor(double days);

// The tick interval for a span: the smallest 1, 2 or 5 x 10^k that cuts it into at most `most` intervals.
double niceStep(double span, int most);

// lo and hi moved out to the nearest multiples of the nice step for their span (or leastStep, if larger).
std::pair<double, double> niceRange(double lo, double hi, int most, double leastStep = 0);

// The label of the tick at value, on an axis stepping by step whose largest number is about `largest`:
// down to the step's digit, in plain decimals or in exponent notation, whichever is shorter; 0 is "0".
QString tickLabel(double value, double step, double largest);

// An axis of numbers that ticks at the multiples of a nice step (at least leastStep) for the range it is
// fitted to or zoomed to. The ticks are placed and labelled here rather than by the chart, which adds its
// steps up and would label a tick at zero 1.7e-21. Until its first fit, and after a clear, it has no ticks:
// an axis with nothing on it shows no made-up numbers.
class NiceAxis : public QCategoryAxis {
  public:
    NiceAxis(const QString& title, int most, double leastStep = 0);

    void fit(double lo, double hi);
    void clearTicks();

  private:
    void placeTicks();

    int most_;
    double leastStep_;
    bool ticking_ = false;
};

}  // namespace zephra::qt
