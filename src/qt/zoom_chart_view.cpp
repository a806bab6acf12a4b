#include "qt/zoom_chart_view.h"

#include <QElapsedTimer>
#include <QWheelEvent>
#include <cmath>

namespace zephra::qt {

namespace {
constexpr qreal kZoomPerNotch = 1.25;
}

ZoomChartView::ZoomChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRenderHint(QPainter::Antialiasing);
}

void ZoomChartView::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return QChartView::wheelEvent(event);
    chart()->zoom(std::pow(kZoomPerNotch, notches));
    zoomed_ = true;
    event->accept();
}

}  // namespace zephra::qt

namespace zephra::qt {

bool ZoomChartView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::Paint) return QChartView::viewportEvent(event);
    QElapsedTimer timer;
    timer.start();
    const bool handled = QChartView::viewportEvent(event);
    lastPaintMs_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return handled;
}

}  // namespace zephra::qt
