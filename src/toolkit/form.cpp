// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/form.h"

namespace zephra::toolkit {

void Form::add(Control& control, std::string_view name, int index) {
    control.form_ = this;
    control.name_.assign(name);
    control.index_ = index;
    controls_.push_back(&control);
    control.dirty_ = false;
    markDirty(control);
}

Control* Form::find(std::string_view name, int index) const {
    for (Control* c : controls_)
        if (c->index_ == index && c->name_ == name) return c;
    return nullptr;
}

void Form::setVisible(bool v) {
    if (visible_ == v) return;
    visible_ = v;
    ++focusGeneration_;  // the front end re-reads the window state with the focus
}

void Form::setFocus(Control& control) {
    if (focused_ == &control) return;
    Control* previous = focused_;
    focused_ = &control;
    ++focusGeneration_;
    if (previous != nullptr && previous->kind() == ControlKind::TextBox) {
        auto* box = static_cast<TextBox*>(previous);
        if (box->onLostFocus) box->onLostFocus();
    }
}

void Form::markDirty(Control& control) {
    if (control.dirty_) return;
    control.dirty_ = true;
    dirty_.push_back(&control);
}

std::vector<Control*> Form::takeDirty() {
    std::vector<Control*> out;
    out.swap(dirty_);
    for (Control* c : out) c->dirty_ = false;
    return out;
}

void Form::clearDirty() {
    for (Control* c : dirty_) c->dirty_ = false;
    dirty_.clear();
}

}  // namespace zephra::toolkit
