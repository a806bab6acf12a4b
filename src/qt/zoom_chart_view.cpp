// SPDX-License-Identifier: GPL-3.0-or-later
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

void ZoomChartView::setPlaceholder(const QString& text) {
    if (text == placeholder_) return;
    placeholder_ = text;
    viewport()->update();
}

void ZoomChartView::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) return QChartView::wheelEvent(event);
    chart()->zoom(std::pow(kZoomPerNotch, notches));
    zoomed_ = true;
    event->accept();
}

bool ZoomChartView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::Paint) return QChartView::viewportEvent(event);
    QElapsedTimer timer;
    timer.start();
    const bool handled = QChartView::viewportEvent(event);
    lastPaintMs_ = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return handled;
}

void ZoomChartView::drawForeground(QPainter* painter, const QRectF& rect) {
    QChartView::drawForeground(painter, rect);
    if (placeholder_.isEmpty()) return;
    const QRectF plot = chart()->plotArea().adjusted(12, 0, -12, 0);
    painter->setPen(palette().color(QPalette::WindowText));
    painter->drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, placeholder_);
}

}  // namespace zephra::qt
