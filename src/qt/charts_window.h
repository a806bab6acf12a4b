// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <functional>

#include "tracking/trace_recorder.h"

class QCheckBox;

namespace zephra::qt {

class TraceCharts;

// The charts window: the run's trace as three live charts, with a log scale for the energy error, a zoom
// reset and saving as PNG, SVG or CSV (the CSV says of each orbit what its drift is taken from). It only
// reads the recorder; the run goes on whether it is open or not.
class ChartsWindow : public QWidget {
  public:
    explicit ChartsWindow(const tracking::TraceRecorder& recorder, QWidget* parent = nullptr);

    // Brings what the recorder kept to the charts, while the window is shown. Called at the screen's pace;
    // charts that take long to paint (many points, a slow display) are brought less often, so that they
    // never take more than a tenth of the time from the run.
    void follow();
    // Shows the window (raised if it is open already) with the trace so far.
    void open();
    TraceCharts& charts() { return *charts_; }

  private:
    // Asks where, then writes there by write (which says why it could not); a failure is shown.
    void save(const QString& title, const QString& filter, const char* suffix,
              const std::function<QString(const QString&)>& write);
    QString saveCsv(const QString& path) const;

    const tracking::TraceRecorder& recorder_;
    TraceCharts* charts_;
    QCheckBox* logScale_;
    QElapsedTimer sinceFollowed_;
    double updateMs_ = 0;  // what the last update of the charts took, without their paint
};

}  // namespace zephra::qt
