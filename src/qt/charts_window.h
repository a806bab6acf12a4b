#pragma once

#include <QWidget>

#include "tracking/trace_recorder.h"

class QCheckBox;

namespace zephra::qt {

class TraceCharts;

// The charts window: the run's trace as three live charts, with a log scale for the energy error, a zoom
// reset and saving as PNG, SVG or CSV. It only reads the recorder; the run goes on whether it is open or not.
class ChartsWindow : public QWidget {
  public:
    explicit ChartsWindow(const tracking::TraceRecorder& recorder, QWidget* parent = nullptr);

    // Brings what the recorder kept since the last call to the charts, while the window is shown.
    void follow();
    // Shows the window (raised if it is open already) with the trace so far.
    void open();
    TraceCharts& charts() { return *charts_; }

  private:
    void saveImage(const QString& title, const QString& filter, const char* suffix);
    void saveCsv();

    const tracking::TraceRecorder& recorder_;
    TraceCharts* charts_;
    QCheckBox* logScale_;
};

}  // namespace zephra::qt
