// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/control_state.h"

namespace zephra::toolkit {

ControlState stateOf(const Control& c) {
    ControlState s{.left = c.left(),
                   .top = c.top(),
                   .width = c.width(),
                   .height = c.height(),
                   .visible = c.visible(),
                   .enabled = c.enabled(),
                   .fore = c.foreColor(),
                   .back = c.backColor(),
                   .toolTip = c.toolTip(),
                   .caption = c.caption(),
                   .text = {}};
    switch (c.kind()) {
        case ControlKind::CheckBox:
            s.value = static_cast<const CheckBox&>(c).value();
            break;
        case ControlKind::OptionButton:
            s.value = static_cast<const OptionButton&>(c).value() ? 1 : 0;
            break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<const TextBox&>(c);
            s.text = box.text();
            s.locked = box.locked();
            s.alignment = box.alignment();
            break;
        }
        case ControlKind::Label:
            s.alignment = static_cast<const Label&>(c).alignment();
            break;
        case ControlKind::HScrollBar: {
            const auto& bar = static_cast<const HScrollBar&>(c);
            s.value = bar.value();
            s.min = bar.min();
            s.max = bar.max();
            break;
        }
        case ControlKind::Shape: {
            const auto& shape = static_cast<const Shape&>(c);
            s.border = shape.borderColor();
            s.fill = shape.fillColor();
            break;
        }
        default:
            break;
    }
    return s;
}

void restoreState(Control& c, const ControlState& s) {
    c.setBounds(s.left, s.top, s.width, s.height);
    c.setVisible(s.visible);
    c.setEnabled(s.enabled);
    c.setForeColor(s.fore);
    c.setBackColor(s.back);
    c.setToolTip(s.toolTip);
    c.setCaption(s.caption);
    switch (c.kind()) {
        case ControlKind::CheckBox:
            static_cast<CheckBox&>(c).initValue(s.value);
            break;
        case ControlKind::OptionButton:
            static_cast<OptionButton&>(c).initValue(s.value != 0);
            break;
        case ControlKind::TextBox: {
            auto& box = static_cast<TextBox&>(c);
            box.initText(s.text);
            box.setLocked(s.locked);
            box.setAlignment(s.alignment);
            break;
        }
        case ControlKind::Label:
            static_cast<Label&>(c).setAlignment(s.alignment);
            break;
        case ControlKind::HScrollBar:
            static_cast<HScrollBar&>(c).initRange(s.min, s.max, s.value);
            break;
        case ControlKind::Shape: {
            auto& shape = static_cast<Shape&>(c);
            shape.setBorderColor(s.border);
            shape.setFillColor(s.fill);
            break;
        }
        default:
            break;
    }
}

}  // namespace zephra::toolkit
