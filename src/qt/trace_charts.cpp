#include "qt/trace_charts.h"

#include <QChart>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "qt/zoom_chart_view.h"

namespace zephra::qt {

using tracking::OrbitSample;
using tracking::TraceSample;

namespace {

QValueAxis* valueAxis(const QString& title, const char* format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QString::fromLatin1(format));
    return axis;
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

// The extent with a margin, so that a flat line stays inside the frame, on round ticks.
void fit(QValueAxis* axis, double lo, double hi) {
    double margin = (hi - lo) * 0.05;
    if (margin == 0) margin = lo == 0 ? 1 : std::abs(lo) * 0.01;
    axis->setRange(lo - margin, hi + margin);
    axis->applyNiceNumbers();
}

// Time runs from the first sample to the last, edge to edge.
void fitTime(QValueAxis* axis, double lo, double hi) {
    if (lo < hi) return axis->setRange(lo, hi);
    fit(axis, lo, hi);
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
        chart->legend()->setAlignment(Qt::AlignBottom);
        views_[k] = new ZoomChartView(chart, this);
        views_[k]->setMinimumSize(560, 220);
        layout->addWidget(views_[k]);
        return chart;
    };
    QChart* distanceChart = addChart(0, tr("Distance of bodies 1 and 2"));
    distance_ = lineSeries(distanceChart, tr("Distance"));
    distanceTime_ = valueAxis(tr("Elapsed time (days)"), "%.6g");
    distanceKm_ = valueAxis(tr("Distance (km)"), "%.10g");
    attach(distanceChart, distanceTime_, Qt::AlignBottom, {distance_});
    attach(distanceChart, distanceKm_, Qt::AlignLeft, {distance_});

    QChart* energyChart = addChart(1, tr("Energy of the pair against its start"));
    energy_ = lineSeries(energyChart, tr("Relative energy error"));
    energyTime_ = valueAxis(tr("Elapsed time (days)"), "%.6g");
    energyLinear_ = valueAxis(tr("(E - E\u2080) / |E\u2080|"), "%.3g");
    energyLog_ = new QLogValueAxis(this);  // the widget keeps the axis not in use
    energyLog_->setTitleText(tr("|E - E\u2080| / |E\u2080|"));
    energyLog_->setLabelFormat(QStringLiteral("%.0e"));
    attach(energyChart, energyTime_, Qt::AlignBottom, {energy_});
    attach(energyChart, energyLinear_, Qt::AlignLeft, {energy_});

    QChart* orbitChart = addChart(2, tr("Drift and period per orbit"));
    minDrift_ = lineSeries(orbitChart, tr("LapMin drift"), true);
    maxDrift_ = lineSeries(orbitChart, tr("LapMax drift"), true);
    period_ = lineSeries(orbitChart, tr("Period"), true);
    orbitNo_ = valueAxis(tr("Orbit"), "%g");
    driftKm_ = valueAxis(tr("Drift (km)"), "%.6g");
    periodDays_ = valueAxis(tr("Period (days)"), "%.8g");
    attach(orbitChart, orbitNo_, Qt::AlignBottom, {minDrift_, maxDrift_, period_});
    attach(orbitChart, driftKm_, Qt::AlignLeft, {minDrift_, maxDrift_});
    attach(orbitChart, periodDays_, Qt::AlignRight, {period_});
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
    fitAxes();
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
        distancePoints_.append({s.days, s.distanceKm});
        energyPoints_.append({s.days, s.energyError});
        time_.take(s.days);
        distanceExtent_.take(s.distanceKm);
    }
    distance_->replace(distancePoints_);
    showEnergy(energyShownFrom);
}

// Shows the energy points from the given one on, as they are or, on the log scale, as sizes (an exact 0
// has no place there and is left out).
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
    energy_->replace(energyShown_);
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
        minDriftPoints_.append({o.orbit, o.minDriftKm});
        maxDriftPoints_.append({o.orbit, o.maxDriftKm});
        periodPoints_.append({o.orbit, o.periodDays});
        orbitExtent_.take(o.orbit);
        driftExtent_.take(o.minDriftKm);
        driftExtent_.take(o.maxDriftKm);
        periodExtent_.take(o.periodDays);
    }
    minDrift_->replace(minDriftPoints_);
    maxDrift_->replace(maxDriftPoints_);
    period_->replace(periodPoints_);
}

void TraceCharts::setLogScale(bool on) {
    if (on == logScale_) return;
    logScale_ = on;
    QChart* chart = views_[1]->chart();
    QAbstractAxis* from = on ? static_cast<QAbstractAxis*>(energyLinear_) : energyLog_;
    QAbstractAxis* to = on ? static_cast<QAbstractAxis*>(energyLog_) : energyLinear_;
    energy_->detachAxis(from);
    chart->removeAxis(from);
    from->setParent(this);
    chart->addAxis(to, Qt::AlignLeft);
    energy_->attachAxis(to);
    energy_->setName(on ? tr("|Relative energy error|") : tr("Relative energy error"));
    showEnergy(0);
    views_[1]->clearZoom();
    fitAxes();
}

void TraceCharts::resetZoom() {
    for (ZoomChartView* view : views_) {
        view->chart()->zoomReset();
        view->clearZoom();
    }
    fitAxes();
}

void TraceCharts::fitAxes() {
    if (!time_.empty && !views_[0]->zoomed()) {
        fitTime(distanceTime_, time_.lo, time_.hi);
        if (!distanceExtent_.empty) fit(distanceKm_, distanceExtent_.lo, distanceExtent_.hi);
    }
    if (!time_.empty && !views_[1]->zoomed()) {
        fitTime(energyTime_, time_.lo, time_.hi);
        if (!energyExtent_.empty && logScale_)
            energyLog_->setRange(energyExtent_.lo / 2, energyExtent_.hi * 2);
        if (!energyExtent_.empty && !logScale_) fit(energyLinear_, energyExtent_.lo, energyExtent_.hi);
    }
    if (!orbitExtent_.empty && !views_[2]->zoomed()) {
        // Room for the first and the last orbit's points.
        orbitNo_->setRange(orbitExtent_.lo - 1, orbitExtent_.hi + 1);
        orbitNo_->applyNiceNumbers();  // whole orbit numbers on round ticks
        fit(driftKm_, driftExtent_.lo, driftExtent_.hi);
        fit(periodDays_, periodExtent_.lo, periodExtent_.hi);
    }
}

}  // namespace zephra::qt
