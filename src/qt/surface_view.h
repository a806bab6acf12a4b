#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "toolkit/surface.h"

namespace zephra::qt {

// The main window's drawing area: the model's pixel buffer shown as one image under every control. It
// repaints at most once per screen refresh, and only when a pixel changed, however fast the run ticks.
class SurfaceView : public QWidget {
  public:
    explicit SurfaceView(const toolkit::Surface& surface, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void refreshIfChanged();

    const toolkit::Surface& surface_;
    QImage image_;
    QTimer refresh_;
    std::uint64_t paintedGeneration_ = 0;
};

}  // namespace zephra::qt
