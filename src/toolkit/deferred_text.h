// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control's text that may be held as a number until someone reads it. The tick rewrites its panels many
// thousand times a second while the screen shows them sixty times and a batch run never; converting only on
// reading keeps the tick's cost in its arithmetic, and every reader still sees exactly the same text.

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/number_text.h"

namespace zephra::toolkit {

class DeferredText {
  public:
    const std::string& get() const {
        if (state_ & kPending) render();
        return text_;
    }
    // The lenient number of the text, remembered until the text changes: the tick reads boxes such as the
    // radii every iteration, and they rarely change.
    double leadingValue() const {
        if (!(state_ & kLeadingKnown)) {
            leading_ = leadingNumber(get());
            state_ |= kLeadingKnown;
        }
        return leading_;
    }
    // The strict number of the text, remembered the same way.
    std::optional<double> strictValue() const {
        if (!(state_ & kStrictKnown)) {
            strict_ = strictNumber(get());
            state_ |= kStrictKnown;
        }
        return strict_;
    }
    // Each returns whether the text may have changed.
    bool set(std::string_view text) {
        if (get() == text) return false;
        text_.assign(text);
        number_.format = nullptr;
        state_ = 0;
        return true;
    }
    // The tick's common case, kept to a compare and a few stores: the number and its way of showing are
    // only remembered; the text is written when someone reads it.
    bool set(NumberShown number) {
        if (sameNumber(number)) return false;
        number_ = number;
        state_ = kPending;
        return true;
    }

  private:
    enum : std::uint8_t {
        kPending = 1,       // text_ is behind number_
        kLeadingKnown = 2,  // leading_ is the lenient number of the text
        kStrictKnown = 4,   // strict_ is the strict number of the text
    };
    void render() const {
        text_ = shownText(number_);
        state_ &= static_cast<std::uint8_t>(~kPending);
    }
    // Each literal has one format object, so equal formats are one pointer; a text set as text has no
    // format and equals no number.
    bool sameNumber(NumberShown n) const {
        return std::bit_cast<std::uint64_t>(n.value) == std::bit_cast<std::uint64_t>(number_.value) &&
               n.format == number_.format;
    }
    mutable std::string text_;
    mutable std::uint8_t state_ = 0;
    mutable double leading_ = 0;
    mutable std::optional<double> strict_;
    NumberShown number_{0, nullptr};  // what text_ shows (or will once read), when it was set as a number
};

}  // namespace zephra::toolkit
