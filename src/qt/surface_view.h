// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "toolkit/surface.h"

namespace zephra::qt {

// The main window's drawing area: the model's pixel buffer shown as one image under every control. It
// repaints when the window mirrors the model, at the window's pace, and only when a pixel changed.
class SurfaceView : public QWidget {
  public:
    explicit SurfaceView(const toolkit::Surface& surface, QWidget* parent = nullptr);
    void refreshIfChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const toolkit::Surface& surface_;
    QImage image_;
    std::uint64_t paintedGeneration_ = 0;
};

}  // namespace zephra::qt
