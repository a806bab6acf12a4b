// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/form_window.h"

#include <QCloseEvent>
#include <QPalette>

#include "toolkit/twips.h"

namespace zephra::qt {

FormWindow::FormWindow(toolkit::Form& form, EventGate& gate, WindowLook look, const toolkit::Surface* surface)
    : form_(form) {
    setFixedSize(form.clientWidth() / toolkit::kTwipsPerPixel, form.clientHeight() / toolkit::kTwipsPerPixel);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    // Created before the controls' widgets, so it lies under all of them.
    if (surface) surfaceView_ = new SurfaceView(*surface, this);
    mirror_ = std::make_unique<WindowMirror>(form, *this, gate, std::move(look));
}

void FormWindow::mirrorChanges() {
    mirror_->mirrorChanges();
    if (surfaceView_) surfaceView_->refreshIfChanged();
    if (form_.visible() != isVisible()) setVisible(form_.visible());
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose) onClose();
}

}  // namespace zephra::qt
