// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/chart_axes.h"

#include <QCategoryAxis>
#include <algorithm>
#include <array>
#include <cmath>

namespace zephra::qt {

namespace {

constexpr double kDaysPerYear = 365.256;  // the year the main window counts in
// Beyond this an axis could not widen or step without overflowing; such numbers are no orbit's.
constexpr double kLargestShown = 1e300;

int digitOf(double v) {
    return static_cast<int>(std::floor(std::log10(v)));
}

// A range too narrow for its numbers' precision would put ticks closer than a double can tell apart.
std::pair<double, double> wideEnough(double lo, double hi) {
    lo = std::clamp(lo, -kLargestShown, kLargestShown);
    hi = std::clamp(hi, -kLargestShown, kLargestShown);
    const double least = std::max({std::abs(lo), std::abs(hi), 1e-300}) * 1e-9;
    if (hi - lo >= least) return {lo, hi};
    const double middle = lo / 2 + hi / 2;
    return {middle - least / 2, middle + least / 2};
}

struct Ticks {
    double step;
    QList<double> values;  // each a whole number of steps, so that 0 is 0
};

Ticks ticksFor(double lo, double hi, int most, double leastStep) {
    const auto [from, to] = wideEnough(lo, hi);
    Ticks ticks{std::max(leastStep, niceStep(to - from, most)), {}};
    for (double k = std::ceil(from / ticks.step); k * ticks.step <= to; ++k)
        ticks.values.append(k * ticks.step);
    return ticks;
}

void setTicks(QCategoryAxis* axis, const QList<double>& values, const QStringList& labels) {
    if (labels == axis->categoriesLabels()) return;  // a range that grew by less than a step
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    for (qsizetype k = 0; k < labels.size(); ++k) axis->append(labels[k], values[k]);
}

}  // namespace

TimeUnit timeUnitFor(double days) {
    struct Choice {
        TimeUnit unit;
        double upToDays;
    };
    static constexpr std::array<Choice, 4> kChoices{{{{"seconds", 86400}, 3.0 / 24},
                                                     {{"hours", 24}, 3},
                                                     {kDays, 3 * kDaysPerYear},
                                                     {{"years", 1 / kDaysPerYear}, kLargestShown}}};
    for (const Choice& choice : kChoices)
        if (days <= choice.upToDays) return choice.unit;
    return kChoices.back().unit;
}

double niceStep(double span, int most) {
    const double least = span / most;
    const double power = std::pow(10.0, digitOf(least));
    // A hair of tolerance, so that a span of exactly 2 x 10^k steps is not pushed to 5 by rounding.
    for (const double mantissa : {1.0, 2.0, 5.0})
        if (mantissa * power >= least * (1 - 1e-9)) return mantissa * power;
    return 10 * power;
}

std::pair<double, double> niceRange(double lo, double hi, int most, double leastStep) {
    std::tie(lo, hi) = wideEnough(lo, hi);
    const double step = std::max(leastStep, niceStep(hi - lo, most));
    return {std::floor(lo / step) * step, std::ceil(hi / step) * step};
}

QString tickLabel(double value, double step, double largest) {
    if (value == 0) return QStringLiteral("0");
    const int stepDigit = digitOf(step), topDigit = digitOf(largest);
    const int decimals = std::max(0, -stepDigit);
    const int plainLength = std::max(topDigit, 0) + 1 + (decimals > 0 ? decimals + 1 : 0);
    const int mantissaDecimals = std::max(0, topDigit - stepDigit);
    const int exponentLength = 1 + (mantissaDecimals > 0 ? mantissaDecimals + 1 : 0) + 4;  // e+08
    if (exponentLength < plainLength) return QString::number(value, 'e', mantissaDecimals);
    return QString::number(value, 'f', decimals);
}

NiceAxis::NiceAxis(const QString& title, int most, double leastStep) : most_(most), leastStep_(leastStep) {
    setTitleText(title);
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    connect(this, &QCategoryAxis::rangeChanged, this, [this] {
        if (ticking_) placeTicks();
    });
}

void NiceAxis::fit(double lo, double hi) {
    ticking_ = true;
    setRange(lo, hi);
    placeTicks();  // when the range is the one the axis had
}

void NiceAxis::clearTicks() {
    ticking_ = false;
    setTicks(this, {}, {});
}

void NiceAxis::placeTicks() {
    const Ticks ticks = ticksFor(min(), max(), most_, leastStep_);
    const double largest = std::max(std::abs(min()), std::abs(max()));
    QStringList labels;
    for (const double v : ticks.values) labels.append(tickLabel(v, ticks.step, largest));
    setStartValue(min());
    setTicks(this, ticks.values, labels);
}

}  // namespace zephra::qt
