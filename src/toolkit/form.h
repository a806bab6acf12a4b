// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "toolkit/controls.h"

namespace zephra::toolkit {

// A window of the model: it knows its controls by name and index, which control has the focus, and which
// controls changed since the front end last mirrored them.
class Form {
  public:
    Form(int clientWidthTwips, int clientHeightTwips)
        : clientWidth_(clientWidthTwips), clientHeight_(clientHeightTwips) {}
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }

    // Registration, in creation order (later controls lie above earlier ones).
    void add(Control& control, std::string_view name, int index = -1);
    template <typename T, int N>
    void addArray(ControlArray<T, N>& array, std::string_view name, std::initializer_list<int> indices) {
        for (int i : indices) add(array[i], name, i);
    }
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(std::string_view name, int index = -1) const;

    bool visible() const { return visible_; }
    void setVisible(bool v);

    // Focus: giving another control the focus makes the previous text box run its LostFocus.
    Control* focused() const { return focused_; }
    void setFocus(Control& control);
    std::uint64_t focusGeneration() const { return focusGeneration_; }

    // Controls changed since the last call, each once.
    std::vector<Control*> takeDirty();
    // Forgets the changes so far: the window as it stands is where the front end starts.
    void clearDirty();
    bool anyDirty() const { return !dirty_.empty(); }
    void markDirty(Control& control);

  private:
    int clientWidth_;
    int clientHeight_;
    bool visible_ = true;
    std::vector<Control*> controls_;
    std::vector<Control*> dirty_;
    Control* focused_ = nullptr;
    std::uint64_t focusGeneration_ = 0;
};

}  // namespace zephra::toolkit
