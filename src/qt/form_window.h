// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "qt/event_gate.h"
#include "qt/surface_view.h"
#include "qt/window_mirror.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"

namespace zephra::qt {

// A top-level window showing one model form: a fixed client area of the form's size, the drawing surface
// (when the form has one) under every control, and the form's own visibility.
class FormWindow : public QWidget {
  public:
    FormWindow(toolkit::Form& form, EventGate& gate, WindowLook look, const toolkit::Surface* surface);

    // Mirrors what the model changed, including whether the form is shown.
    void mirrorChanges();
    WindowMirror& mirror() { return *mirror_; }
    // Run when the user closes the window with the window manager's close button.
    std::function<void()> onClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    toolkit::Form& form_;
    SurfaceView* surfaceView_ = nullptr;
    std::unique_ptr<WindowMirror> mirror_;
};

}  // namespace zephra::qt
