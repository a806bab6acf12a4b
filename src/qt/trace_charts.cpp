// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/trace_charts.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QVBoxLayout>
#include <QXYSeries>
#include <algorithm>
#include <cmath>

#include "qt/zoom_chart_view.h"

namespace zephra::qt {

using tracking::OrbitSample;
using tracking::TraceSample;

namespace {

// Intervals on an axis at most: a tick label every 40 pixels or more on the smallest charts.
constexpr int kMostIntervals = 5;

NiceAxis* valueAxis(const QString& title, double leastStep = 0) {
    return new NiceAxis(title, kMostIntervals, leastStep);
}

QLineSeries* lineSeries(QChart* chart, const QString& name, bool pointsVisible = false) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(pointsVisible);
    chart->addSeries(series);
    return series;
}

void attach(QChart* chart, QAbstractAxis* axis, Qt::Alignment side,
            std::initializer_list<QLineSeries*> series) {
    chart->addAxis(axis, side);
    for (QLineSeries* s : series) s->attachAxis(axis);
}

void appendFinite(QList<QPointF>& points, double x, double y) {
    if (std::isfinite(x) && std::isfinite(y)) points.append({x, y});
}

void scale(QList<QPointF>& points, double xBy, double yBy) {
    for (QPointF& p : points) p = {p.x() * xBy, p.y() * yBy};
}

QString elapsedTitle(const TimeUnit& unit) {
    return TraceCharts::tr("Elapsed time (%1)").arg(QLatin1String(unit.name));
}

// The extent with a margin, so that a flat line stays inside the frame, out to round ticks; an empty
// extent, no ticks.
void fit(NiceAxis* axis, const TraceCharts::Extent& extent, double by = 1) {
    if (extent.empty) return axis->clearTicks();
    const double lo = extent.lo * by, hi = extent.hi * by;
    double margin = hi * 0.05 - lo * 0.05;
    if (margin == 0) margin = lo == 0 ? 1 : std::abs(lo) * 0.01;
    const auto [from, to] = niceRange(lo - margin, hi + margin, kMostIntervals);
    axis->fit(from, to);
}

// Time runs from the run's start, 0, to the last sample, edge to edge.
void fitTime(NiceAxis* axis, const TraceCharts::Extent& days, const TimeUnit& unit) {
    const double lo = std::min(days.lo, 0.0) * unit.perDay, hi = days.hi * unit.perDay;
    if (days.empty || !(lo < hi)) return fit(axis, days, unit.perDay);
    axis->fit(lo, hi);
}

}  // namespace

void TraceCharts::Extent::take(double v) {
    if (!std::isfinite(v)) return;
    lo = empty ? v : std::min(lo, v);
    hi = empty ? v : std::max(hi, v);
    empty = false;
}

TraceCharts::TraceCharts(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    const auto addChart = [&](int k, const QString& title) {
        auto* chart = new QChart;
        chart->setTitle(title);
        // Height is what three charts on a small screen lack: the legend goes beside the plot, the margins
        // go.
        chart->legend()->setAlignment(Qt::AlignRight);
        chart->layout()->setContentsMargins(0, 0, 0, 0);
        chart->setMargins(QMargins(6, 2, 6, 2));
        chart->setBackgroundRoundness(0);
        views_[k] = new ZoomChartView(chart, this);
        views_[k]->setMinimumSize(480, 180);
        layout->addWidget(views_[k]);
        return chart;
    };
    QChart* distanceChart = addChart(0, tr("Distance of bodies 1 and 2"));
    distance_ = lineSeries(distanceChart, tr("Distance"));
    distanceTime_ = valueAxis(elapsedTitle(timeUnit_));
    distanceKm_ = valueAxis(tr("Distance (km)"));
    attach(distanceChart, distanceTime_, Qt::AlignBottom, {distance_});
    attach(distanceChart, distanceKm_, Qt::AlignLeft, {distance_});
    // A chart of one line needs no legend (its title and axes name it), and without one the two charts of
    // time keep the same width, one time axis above the other.
    distanceChart->legend()->hide();

    QChart* energyChart = addChart(1, tr("Energy of the pair against its start"));
    energyChart->legend()->hide();
    energy_ = lineSeries(energyChart, tr("Relative energy error"));
    energyTime_ = valueAxis(elapsedTitle(timeUnit_));
    energyLinear_ = valueAxis(tr("(E - E\u2080) / |E\u2080|"));
    energyLog_ = new QLogValueAxis(this);  // the widget keeps the axis not in use
    energyLog_->setTitleText(tr("|E - E\u2080| / |E\u2080|"));
    energyLog_->setLabelFormat(QStringLiteral("%.0e"));
    attach(energyChart, energyTime_, Qt::AlignBottom, {energy_});
    attach(energyChart, energyLinear_, Qt::AlignLeft, {energy_});

    QChart* orbitChart = addChart(2, tr("Drift and period per orbit"));
    minDrift_ = lineSeries(orbitChart, tr("LapMin drift"), true);
    maxDrift_ = lineSeries(orbitChart, tr("LapMax drift"), true);
    period_ = lineSeries(orbitChart, tr("Period"), true);
    orbitNo_ = valueAxis(tr("Orbit"), 1);  // whole orbits
    driftKm_ = valueAxis(tr("Drift (km)"));
    periodAxis_ = valueAxis(tr("Period (%1)").arg(QLatin1String(periodUnit_.name)));
    attach(orbitChart, orbitNo_, Qt::AlignBottom, {minDrift_, maxDrift_, period_});
    attach(orbitChart, driftKm_, Qt::AlignLeft, {minDrift_, maxDrift_});
    attach(orbitChart, periodAxis_, Qt::AlignRight, {period_});
    sayWhatIsMissing();
}

template <typename T>
bool TraceCharts::startAfresh(Feed& feed, const std::vector<T>& items, std::uint64_t generation) {
    std::size_t step = 1;
    while (items.size() / step > kMostPoints) step *= 2;
    if (generation == feed.generation && step == feed.step) return false;
    feed = Feed{generation, 0, step};
    return true;
}

void TraceCharts::showTrace(const std::vector<TraceSample>& samples, std::uint64_t sampleGeneration,
                            const std::vector<OrbitSample>& orbits, std::uint64_t orbitGeneration) {
    addSamples(samples, sampleGeneration);
    addOrbits(orbits, orbitGeneration);
    followTimeUnits();
    distance_->replace(distancePoints_);
    energy_->replace(energyShown_);
    minDrift_->replace(minDriftPoints_);
    maxDrift_->replace(maxDriftPoints_);
    period_->replace(periodPoints_);
    fitAxes();
    sayWhatIsMissing();
}

void TraceCharts::addSamples(const std::vector<TraceSample>& samples, std::uint64_t generation) {
    if (startAfresh(sampleFeed_, samples, generation)) {
        time_ = distanceExtent_ = Extent{};
        distancePoints_.clear();
        energyPoints_.clear();
    }
    const qsizetype energyShownFrom = energyPoints_.size();
    for (; sampleFeed_.next < samples.size(); sampleFeed_.next += sampleFeed_.step) {
        const TraceSample& s = samples[sampleFeed_.next];
        const double t = s.days * timeUnit_.perDay;
        appendFinite(distancePoints_, t, s.distanceKm);
        appendFinite(energyPoints_, t, s.energyError);
        time_.take(s.days);
        distanceExtent_.take(s.distanceKm);
    }
    showEnergy(energyShownFrom);
}

// The energy points from the given one on, as they are or, on the log scale, as sizes (an exact 0 has no
// place there and is left out).
void TraceCharts::showEnergy(qsizetype from) {
    if (from == 0) {
        energyExtent_ = Extent{};
        energyShown_.clear();
    }
    for (qsizetype k = from; k < energyPoints_.size(); ++k) {
        const QPointF& p = energyPoints_[k];
        const double y = logScale_ ? std::abs(p.y()) : p.y();
        if (logScale_ && !(y > 0)) continue;
        energyShown_.append({p.x(), y});
        energyExtent_.take(y);
    }
}

void TraceCharts::addOrbits(const std::vector<OrbitSample>& orbits, std::uint64_t generation) {
    if (startAfresh(orbitFeed_, orbits, generation)) {
        orbitExtent_ = driftExtent_ = periodExtent_ = Extent{};
        minDriftPoints_.clear();
        maxDriftPoints_.clear();
        periodPoints_.clear();
    }
    for (; orbitFeed_.next < orbits.size(); orbitFeed_.next += orbitFeed_.step) {
        const OrbitSample& o = orbits[orbitFeed_.next];
        // The first orbit has no orbit before it: its "drift" is taken from the start distance, as far off
        // as the pair's size, and would flatten every true drift into a line at zero.
        if (o.orbit > 1) {
            appendFinite(minDriftPoints_, o.orbit, o.minDriftKm);
            appendFinite(maxDriftPoints_, o.orbit, o.maxDriftKm);
            driftExtent_.take(o.minDriftKm);
            driftExtent_.take(o.maxDriftKm);
        }
        appendFinite(periodPoints_, o.orbit, o.periodDays * periodUnit_.perDay);
        orbitExtent_.take(o.orbit);
        periodExtent_.take(o.periodDays);
    }
}

// Times in the unit that suits the run's span so far, periods in that of the longest period.
void TraceCharts::followTimeUnits() {
    if (!time_.empty) {
        const TimeUnit unit = timeUnitFor(time_.hi - std::min(time_.lo, 0.0));
        const double by = unit.perDay / timeUnit_.perDay;
        if (by != 1) {
            for (QList<QPointF>* points : {&distancePoints_, &energyPoints_, &energyShown_})
                scale(*points, by, 1);
            timeUnit_ = unit;
            distanceTime_->setTitleText(elapsedTitle(unit));
            energyTime_->setTitleText(elapsedTitle(unit));
        }
    }
    if (!periodExtent_.empty) {
        const TimeUnit unit = timeUnitFor(std::max(std::abs(periodExtent_.lo), std::abs(periodExtent_.hi)));
        const double by = unit.perDay / periodUnit_.perDay;
        if (by != 1) {
            scale(periodPoints_, 1, by);
            periodUnit_ = unit;
            periodAxis_->setTitleText(tr("Period (%1)").arg(QLatin1String(unit.name)));
        }
    }
}

void TraceCharts::setLogScale(bool on) {
    if (on == logScale_) return;
    logScale_ = on;
    // The series changes axes empty and takes the points for its new axis after: a log axis warns of
    // every point at or below zero.
    energy_->clear();
    QChart* chart = views_[1]->chart();
    QAbstractAxis* from = on ? static_cast<QAbstractAxis*>(energyLinear_) : energyLog_;
    QAbstractAxis* to = on ? static_cast<QAbstractAxis*>(energyLog_) : energyLinear_;
    energy_->detachAxis(from);
    chart->removeAxis(from);
    from->setParent(this);
    chart->addAxis(to, Qt::AlignLeft);
    energy_->attachAxis(to);
    showEnergy(0);
    energy_->replace(energyShown_);
    views_[1]->clearZoom();
    fitAxes();
    sayWhatIsMissing();
}

void TraceCharts::resetZoom() {
    for (ZoomChartView* view : views_) {
        view->chart()->zoomReset();
        view->clearZoom();
    }
    fitAxes();
}

bool TraceCharts::empty() const {
    return distancePoints_.isEmpty() && energyPoints_.isEmpty() && minDriftPoints_.isEmpty() &&
           maxDriftPoints_.isEmpty() && periodPoints_.isEmpty();
}

void TraceCharts::fitAxes() {
    if (!views_[0]->zoomed()) {
        fitTime(distanceTime_, time_, timeUnit_);
        fit(distanceKm_, distanceExtent_);
    }
    if (!views_[1]->zoomed()) {
        fitTime(energyTime_, time_, timeUnit_);
        if (!energyExtent_.empty && logScale_)
            energyLog_->setRange(energyExtent_.lo / 2, energyExtent_.hi * 2);
        if (!logScale_) fit(energyLinear_, energyExtent_);
    }
    if (!views_[2]->zoomed()) {
        // Room for the first and the last orbit's points.
        if (orbitExtent_.empty)
            orbitNo_->clearTicks();
        else
            orbitNo_->fit(orbitExtent_.lo - 1, orbitExtent_.hi + 1);
        fit(driftKm_, driftExtent_);
        fit(periodAxis_, periodExtent_, periodUnit_.perDay);
    }
}

// A chart with nothing to draw says what it will show and when, with no made-up numbers on its axes.
void TraceCharts::sayWhatIsMissing() {
    const QString fromFirstTick = tr("From the first tick of a run: the %1 of bodies 1 and 2.");
    QString missing[3];
    if (distancePoints_.isEmpty()) missing[0] = fromFirstTick.arg(tr("distance"));
    if (energyShown_.isEmpty())
        missing[1] = logScale_ && !energyPoints_.isEmpty()
                         ? tr("The energy error is still exactly 0, which a log scale cannot show.")
                         : fromFirstTick.arg(tr("energy error"));
    if (minDriftPoints_.isEmpty())
        missing[2] =
            periodPoints_.isEmpty()
                ? tr("At the end of each orbit: its period, and from the second orbit on the drift of "
                     "LapMin and LapMax since the orbit before.")
                : tr("From the second orbit on: the drift of LapMin and LapMax since the orbit before.");
    for (int k = 0; k < 3; ++k) {
        views_[k]->setPlaceholder(missing[k]);
        bool drawn = false;
        for (const QAbstractSeries* series : views_[k]->chart()->series())
            drawn |= static_cast<const QXYSeries*>(series)->count() > 0;
        for (QAbstractAxis* axis : views_[k]->chart()->axes()) axis->setVisible(drawn);
    }
}

}  // namespace zephra::qt
