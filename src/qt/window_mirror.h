// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "qt/artwork.h"
#include "qt/event_gate.h"
#include "qt/widget_style.h"
#include "toolkit/form.h"

namespace zephra::qt {

// What a window shows beyond its model: the pictures of its image controls and the controls that are links
// (they show a pointing hand).
struct WindowLook {
    PictureSource pictures = nullptr;
    std::vector<std::string_view> linkControls;
};

// One widget per control of a model form. User input on a widget becomes the control's user event (through
// the gate); what the model changed comes back to the widgets with their signals blocked, so mirroring
// never looks like a user action.
class WindowMirror : public QObject {
  public:
    // Creates the widgets as children of root, in the model's creation order (later ones on top).
    WindowMirror(toolkit::Form& form, QWidget& root, EventGate& gate, WindowLook look);

    // Brings the controls changed since the last call, and a new focus, to the widgets.
    void mirrorChanges();
    QWidget* widgetFor(const toolkit::Control& control) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createWidget(toolkit::Control& control);
    void connectInput(toolkit::Control& control, QWidget* widget);
    // A user action on a control: the model decides, then the control's widget shows the model's verdict
    // even when nothing changed (a click on a checked option button unchecks the Qt widget, not the model).
    void userEvent(toolkit::Control& control, const std::function<void()>& event);
    void mirror(toolkit::Control& control);
    void mirrorKindState(toolkit::Control& control, QWidget* widget);
    QWidget* parentFor(const toolkit::Control& control) const;

    toolkit::Form& form_;
    QWidget& root_;
    EventGate& gate_;
    WindowLook look_;
    std::unordered_map<const toolkit::Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, toolkit::Control*> controls_;
    std::uint64_t focusGeneration_ = 0;
    CompactIndicatorStyle* indicatorStyle_ = nullptr;  // owned by the window
};

}  // namespace zephra::qt
