// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>
#include <QString>

namespace zephra::qt {

// A chart view that zooms with the mouse wheel about the chart's centre. Once zoomed it remembers it, so
// that a chart following a run does not take the user's view away; a reset hands the axes back. It can
// show a line of text over its plot, for a chart that has nothing to draw yet.
class ZoomChartView : public QChartView {
  public:
    explicit ZoomChartView(QChart* chart, QWidget* parent = nullptr);

    bool zoomed() const { return zoomed_; }
    void clearZoom() { zoomed_ = false; }
    // Milliseconds the last paint of the chart took.
    double lastPaintMs() const { return lastPaintMs_; }
    // The text over the plot; none when empty.
    void setPlaceholder(const QString& text);
    const QString& placeholder() const { return placeholder_; }

  protected:
    void wheelEvent(QWheelEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

  private:
    bool zoomed_ = false;
    double lastPaintMs_ = 0;
    QString placeholder_;
};

}  // namespace zephra::qt
