// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The toolkit-neutral window model: plain objects for every kind of control with the event rules of the
// program's original toolkit. Setting a value from code runs the control's handler only when the value
// changes; a user action goes through the same path. Every property change marks the control dirty so that
// a front end can mirror only what changed.

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/number_text.h"
#include "toolkit/twips.h"

namespace zephra::toolkit {

class Form;

enum class ControlKind {
    CommandButton,
    CheckBox,
    OptionButton,
    TextBox,
    Label,
    Frame,
    HScrollBar,
    Image,
    Shape,
    Line
};

// The handful of faces the window uses; the front end maps them to real fonts.
enum class FontKind {
    Caption,   // small serif for most labels and captions
    Scenario,  // bold serif of the scenario buttons
    Numeric,   // fixed-width face of the number boxes
    SansBold,  // bold sans-serif of a few boxes
    Verdana,   // bold sans-serif of the farewell window
};

enum class Alignment { Left, Right, Center };

using Handler = std::function<void()>;

class Control {
  public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // -1 for a control that is not part of an array
    Control* container() const { return container_; }
    Form* form() const { return form_; }
    void setContainer(Control* container);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setBounds(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool v) {
        if (visible_ == v) return;
        visible_ = v;
        touch();
    }
    // Visible and inside containers that are all visible: what the user can actually see.
    bool shown() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    Color foreColor() const { return fore_; }
    Color backColor() const { return back_; }
    // Inline, as the tick sets a few of these every iteration, nearly always to what they already are.
    void setForeColor(Color c) {
        if (fore_ == c) return;
        fore_ = c;
        touch();
    }
    void setBackColor(Color c) {
        if (back_ == c) return;
        back_ = c;
        touch();
    }

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string_view t);

    // Caption of buttons, check boxes, options, labels and frames. Lines are separated by a carriage return.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string_view c);

    FontKind font() const { return font_; }
    void setFont(FontKind f);

    bool dirty() const { return dirty_; }

  protected:
    // Inline, since the tick writes dozens of panels: a control already on the changed list costs one test.
    void touch() {
        if (!dirty_ && form_ != nullptr) enlist();
    }

  private:
    friend class Form;
    void enlist();
    ControlKind kind_;
    Form* form_ = nullptr;
    std::string name_;
    int index_ = -1;
    Control* container_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Color fore_ = kBlack;
    Color back_ = rgb(192, 192, 192);
    std::string toolTip_;
    std::string caption_;
    FontKind font_ = FontKind::Caption;
    bool dirty_ = false;
};

class CommandButton : public Control {
  public:
    CommandButton() : Control(ControlKind::CommandButton) {}
    // Pressing from code (setting its value to true) and a user's press both run Click.
    void press();
    Handler onClick;
};

class CheckBox : public Control {
  public:
    static constexpr int kUnticked = 0, kTicked = 1, kGreyed = 2;
    CheckBox() : Control(ControlKind::CheckBox) {}
    int value() const { return value_; }
    bool ticked() const { return value_ == kTicked; }
    // From code: runs Click only when the value changes.
    void setValue(int v);
    // A user's click ticks an unticked or greyed box and unticks a ticked one, then runs Click.
    void click();
    // Start state, without an event.
    void initValue(int v);
    Handler onClick;

  private:
    int value_ = kUnticked;
};

// Options of the same container form one group: selecting one deselects the others.
class OptionButton : public Control {
  public:
    OptionButton() : Control(ControlKind::OptionButton) {}
    bool value() const { return value_; }
    // From code or by the user: selects this option; Click runs only for a real change.
    void select();
    // Code may also deselect an option; no event.
    void deselect();
    void click() { select(); }
    void initValue(bool v);
    Handler onClick;

  private:
    bool value_ = false;
};

class TextBox : public Control {
  public:
    TextBox() : Control(ControlKind::TextBox) {}
    const std::string& text() const { return text_; }
    // leadingNumber(text()), without parsing an unchanged text again: the tick reads boxes such as the radii
    // every iteration, and they rarely change.
    double leadingValue() const {
        if (!leading_) leading_ = leadingNumber(text_);
        return *leading_;
    }
    // strictNumber(text()), remembered the same way.
    std::optional<double> strictValue() const {
        if (!strict_) strict_ = strictNumber(text_);
        return *strict_;
    }
    // From code or typed by the user: Change runs when the text changes.
    void setText(std::string_view t);
    void initText(std::string_view t);
    bool locked() const { return locked_; }
    void setLocked(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool v);
    // Gives this box the input focus; the previously focused box runs its LostFocus.
    void setFocus();
    void doubleClick();
    Handler onChange;
    Handler onLostFocus;
    Handler onDblClick;

  private:
    // Returns whether the text changed.
    bool replaceText(std::string_view t);
    std::string text_;
    mutable std::optional<double> leading_;
    mutable std::optional<std::optional<double>> strict_;
    bool locked_ = false;
    bool multiLine_ = false;
    Alignment alignment_ = Alignment::Left;
};

class Label : public Control {
  public:
    Label() : Control(ControlKind::Label) { setBackColor(kBlack); }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);
    bool transparent() const { return transparent_; }
    void setTransparent(bool v);
    void click();
    Handler onClick;

  private:
    Alignment alignment_ = Alignment::Left;
    bool transparent_ = false;
};

class Frame : public Control {
  public:
    Frame() : Control(ControlKind::Frame) {}
    bool bordered() const { return bordered_; }
    void setBordered(bool v);

  private:
    bool bordered_ = true;
};

// Values outside the range are clamped into it.
class HScrollBar : public Control {
  public:
    HScrollBar() : Control(ControlKind::HScrollBar) {}
    int value() const { return value_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int smallChange() const { return small_; }
    int largeChange() const { return large_; }
    // Change runs when the (clamped) value changes.
    void setValue(int v);
    void setMin(int v);
    void setMax(int v);
    void setSteps(int smallChange, int largeChange);
    void initRange(int min, int max, int value);
    Handler onChange;

  private:
    int clamp(int v) const;
    int value_ = 0, min_ = 0, max_ = 32767, small_ = 1, large_ = 1;
};

class Image : public Control {
  public:
    Image() : Control(ControlKind::Image) {}
    void click();
    Handler onClick;
};

class Shape : public Control {
  public:
    Shape() : Control(ControlKind::Shape) {}
    Color borderColor() const { return border_; }
    Color fillColor() const { return fill_; }
    void setBorderColor(Color c);
    void setFillColor(Color c);

  private:
    Color border_ = kBlack;
    Color fill_ = kBlack;
};

class Line : public Control {
  public:
    Line() : Control(ControlKind::Line) {}
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setEnds(int x1, int y1, int x2, int y2);

  private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

// A window timer: the front end, a test or the batch runner fires it.
class Timer {
  public:
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setInterval(int ms);
    void setEnabled(bool v);
    // Runs the handler once, as one period of the timer would.
    void fire();
    // Bumped on every change of interval or state, so a front end notices a restart.
    std::uint64_t generation() const { return generation_; }
    Handler onTimer;

  private:
    int interval_ = 0;
    bool enabled_ = false;
    std::uint64_t generation_ = 0;
};

// A control array: one name, elements told apart by index. Indices need not be contiguous; the ones that
// exist are registered with the form.
template <typename T, int N>
class ControlArray {
  public:
    static constexpr int kSize = N;
    T& operator[](int i) {
        assert(i >= 0 && i < N);
        return items_[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i < N);
        return items_[static_cast<std::size_t>(i)];
    }
    static constexpr bool inRange(int i) { return i >= 0 && i < N; }

  private:
    std::array<T, N> items_;
};

}  // namespace zephra::toolkit
