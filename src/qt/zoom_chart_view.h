#pragma once

#include <QChartView>

namespace zephra::qt {

// A chart view that zooms with the mouse wheel about the chart's centre. Once zoomed it remembers it, so
// that a chart following a run does not take the user's view away; a reset hands the axes back.
class ZoomChartView : public QChartView {
  public:
    explicit ZoomChartView(QChart* chart, QWidget* parent = nullptr);

    bool zoomed() const { return zoomed_; }
    void clearZoom() { zoomed_ = false; }
    // Milliseconds the last paint of the chart took.
    double lastPaintMs() const { return lastPaintMs_; }

  protected:
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    bool zoomed_ = false;
    double lastPaintMs_ = 0;
};

}  // namespace zephra::qt
