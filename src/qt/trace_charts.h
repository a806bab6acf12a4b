// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

#include "qt/chart_axes.h"
#include "tracking/trace_recorder.h"

class QChart;
class QLineSeries;
class QLogValueAxis;

namespace zephra::qt {

class ZoomChartView;

// The three charts of a run's trace, one above the other: the pair's distance over time, the relative
// energy error over time (signed on a linear axis or its size on a logarithmic one) and, per orbit, the
// drift of LapMin and LapMax with the orbit's period. The charts window shows them live, zephra-plot
// renders them to a file. A chart shows a few thousand evenly spaced points at most: more would not show
// on the screen and would slow the window. Numbers that are not finite have no place on a chart and are
// left out; a chart with nothing to show says what it will show and when.
class TraceCharts : public QWidget {
  public:
    static constexpr std::size_t kMostPoints = 4000;

    // The least and the greatest finite value taken.
    struct Extent {
        double lo = 0, hi = 0;
        bool empty = true;
        void take(double v);
    };

    explicit TraceCharts(QWidget* parent = nullptr);

    // Shows the trace. A changed generation (the recorder dropped or replaced items) starts the charts
    // afresh; otherwise only the items beyond those already shown are added.
    void showTrace(const std::vector<tracking::TraceSample>& samples, std::uint64_t sampleGeneration,
                   const std::vector<tracking::OrbitSample>& orbits, std::uint64_t orbitGeneration);
    void setLogScale(bool on);
    bool logScale() const { return logScale_; }
    // Ends any zoom: the axes follow the data again.
    void resetZoom();
    // No chart has a point to draw.
    bool empty() const;

    const std::array<ZoomChartView*, 3>& views() const { return views_; }

  private:
    // Which items of a kept series are shown: every step-th, up to next.
    struct Feed {
        std::uint64_t generation = ~std::uint64_t{0};
        std::size_t next = 0;
        std::size_t step = 1;
    };
    template <typename T>
    static bool startAfresh(Feed& feed, const std::vector<T>& items, std::uint64_t generation);

    void addSamples(const std::vector<tracking::TraceSample>& samples, std::uint64_t generation);
    void addOrbits(const std::vector<tracking::OrbitSample>& orbits, std::uint64_t generation);
    void showEnergy(qsizetype from);
    void followTimeUnits();
    void fitAxes();
    void sayWhatIsMissing();

    std::array<ZoomChartView*, 3> views_{};
    QLineSeries *distance_, *energy_, *minDrift_, *maxDrift_, *period_;
    NiceAxis *distanceTime_, *distanceKm_, *energyTime_, *energyLinear_, *orbitNo_, *driftKm_, *periodAxis_;
    QLogValueAxis* energyLog_;
    bool logScale_ = false;
    Feed sampleFeed_, orbitFeed_;
    // The points shown; a series is handed its whole list at once (point by point, a chart redoes its
    // geometry for every point). Times and periods are in the units below, extents in days.
    QList<QPointF> distancePoints_, energyPoints_, energyShown_, minDriftPoints_, maxDriftPoints_,
        periodPoints_;
    Extent time_, distanceExtent_, energyExtent_, orbitExtent_, driftExtent_, periodExtent_;
    TimeUnit timeUnit_ = kDays, periodUnit_ = kDays;
};

}  // namespace zephra::qt
