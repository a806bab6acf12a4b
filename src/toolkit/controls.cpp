// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/controls.h"

#include <algorithm>

#include "toolkit/form.h"

namespace zephra::toolkit {

namespace {
void run(const Handler& h) {
    if (h) h();
}
}  // namespace

void Control::enlist() {
    form_->markDirty(*this);
}

void Control::setContainer(Control* container) {
    if (container_ == container) return;
    container_ = container;
    touch();
}

void Control::setLeft(int v) {
    if (left_ == v) return;
    left_ = v;
    touch();
}
void Control::setTop(int v) {
    if (top_ == v) return;
    top_ = v;
    touch();
}
void Control::setWidth(int v) {
    if (width_ == v) return;
    width_ = v;
    touch();
}
void Control::setHeight(int v) {
    if (height_ == v) return;
    height_ = v;
    touch();
}
void Control::setBounds(int left, int top, int width, int height) {
    setLeft(left);
    setTop(top);
    setWidth(width);
    setHeight(height);
}

bool Control::shown() const {
    for (const Control* c = this; c != nullptr; c = c->container_)
        if (!c->visible_) return false;
    return form_ == nullptr || form_->visible();
}

void Control::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    touch();
}
void Control::setToolTip(std::string_view t) {
    if (toolTip_ == t) return;
    toolTip_.assign(t);
    touch();
}
void Control::setCaption(std::string_view c) {
    if (caption_ == c) return;
    caption_.assign(c);
    touch();
}
void Control::setFont(FontKind f) {
    if (font_ == f) return;
    font_ = f;
    touch();
}

void CommandButton::press() {
    run(onClick);
}

void CheckBox::setValue(int v) {
    if (value_ == v) return;
    value_ = v;
    touch();
    run(onClick);
}

void CheckBox::click() {
    value_ = value_ == kTicked ? kUnticked : kTicked;
    touch();
    run(onClick);
}

void CheckBox::initValue(int v) {
    value_ = v;
    touch();
}

void OptionButton::select() {
    if (value_) return;
    if (Form* f = form()) {
        for (Control* c : f->controls()) {
            if (c != this && c->kind() == ControlKind::OptionButton && c->container() == container())
                static_cast<OptionButton*>(c)->deselect();
        }
    }
    value_ = true;
    touch();
    run(onClick);
}

void OptionButton::deselect() {
    if (!value_) return;
    value_ = false;
    touch();
}

void OptionButton::initValue(bool v) {
    value_ = v;
    touch();
}

bool TextBox::replaceText(std::string_view t) {
    if (text_ == t) return false;
    text_.assign(t);
    leading_.reset();
    strict_.reset();
    return true;
}

void TextBox::setText(std::string_view t) {
    if (!replaceText(t)) return;
    touch();
    run(onChange);
}

void TextBox::initText(std::string_view t) {
    replaceText(t);
    touch();
}

void TextBox::setLocked(bool v) {
    if (locked_ == v) return;
    locked_ = v;
    touch();
}

void TextBox::setAlignment(Alignment a) {
    if (alignment_ == a) return;
    alignment_ = a;
    touch();
}

void TextBox::setMultiLine(bool v) {
    if (multiLine_ == v) return;
    multiLine_ = v;
    touch();
}

void TextBox::setFocus() {
    if (Form* f = form()) f->setFocus(*this);
}

void TextBox::doubleClick() {
    run(onDblClick);
}

void Label::setAlignment(Alignment a) {
    if (alignment_ == a) return;
    alignment_ = a;
    touch();
}

void Label::setTransparent(bool v) {
    if (transparent_ == v) return;
    transparent_ = v;
    touch();
}

void Label::click() {
    run(onClick);
}

void Frame::setBordered(bool v) {
    if (bordered_ == v) return;
    bordered_ = v;
    touch();
}

int HScrollBar::clamp(int v) const {
    return std::clamp(v, std::min(min_, max_), std::max(min_, max_));
}

void HScrollBar::setValue(int v) {
    v = clamp(v);
    if (value_ == v) return;
    value_ = v;
    touch();
    run(onChange);
}

void HScrollBar::setMin(int v) {
    if (min_ == v) return;
    min_ = v;
    touch();
    setValue(value_);
}

void HScrollBar::setMax(int v) {
    if (max_ == v) return;
    max_ = v;
    touch();
    setValue(value_);
}

void HScrollBar::setSteps(int smallChange, int largeChange) {
    small_ = smallChange;
    large_ = largeChange;
    touch();
}

void HScrollBar::initRange(int min, int max, int value) {
    min_ = min;
    max_ = max;
    value_ = clamp(value);
    touch();
}

void Image::click() {
    run(onClick);
}

void Shape::setBorderColor(Color c) {
    if (border_ == c) return;
    border_ = c;
    touch();
}

void Shape::setFillColor(Color c) {
    if (fill_ == c) return;
    fill_ = c;
    touch();
}

void Line::setEnds(int x1, int y1, int x2, int y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    touch();
}

void Timer::setInterval(int ms) {
    if (interval_ == ms) return;
    interval_ = ms;
    ++generation_;
}

void Timer::setEnabled(bool v) {
    if (enabled_ == v) return;
    enabled_ = v;
    ++generation_;
}

void Timer::fire() {
    run(onTimer);
}

}  // namespace zephra::toolkit
