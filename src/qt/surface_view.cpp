// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/surface_view.h"

#include <QPaintEvent>
#include <QPainter>

namespace zephra::qt {

SurfaceView::SurfaceView(const toolkit::Surface& surface, QWidget* parent)
    : QWidget(parent),
      surface_(surface),
      // Wraps the model's buffer without a copy: 0x00RRGGBB is what RGB32 reads (its top byte is ignored).
      image_(reinterpret_cast<const uchar*>(surface.pixels()), toolkit::Surface::kWidthPixels,
             toolkit::Surface::kHeightPixels, toolkit::Surface::kWidthPixels * 4, QImage::Format_RGB32) {
    setFixedSize(toolkit::Surface::kWidthPixels, toolkit::Surface::kHeightPixels);
    setAttribute(Qt::WA_OpaquePaintEvent);
    paintedGeneration_ = surface.generation();
}

void SurfaceView::refreshIfChanged() {
    if (surface_.generation() == paintedGeneration_) return;
    paintedGeneration_ = surface_.generation();
    update();
}

void SurfaceView::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawImage(event->rect(), image_, event->rect());
}

}  // namespace zephra::qt
