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
        if (pending_) {
            text_ = shownText(number_);
            pending_ = false;
        }
        return text_;
    }
    // The lenient number of the text, remembered until the text changes: the tick reads boxes such as the
    // radii every iteration, and they rarely change.
    double leadingValue() const {
        if (!leading_) leading_ = leadingNumber(get());
        return *leading_;
    }
    // The strict number of the text, remembered the same way.
    std::optional<double> strictValue() const {
        if (!strict_) strict_ = strictNumber(get());
        return *strict_;
    }
    // Each returns whether the text may have changed.
    bool set(std::string_view text) {
        if (get() == text) return false;
        text_.assign(text);
        holdsNumber_ = false;
        forgetValues();
        return true;
    }
    bool set(const NumberShown& number) {
        if (holdsNumber_ && sameNumber(number)) return false;
        number_ = number;
        holdsNumber_ = true;
        pending_ = true;
        forgetValues();
        return true;
    }

  private:
    void forgetValues() {
        leading_.reset();
        strict_.reset();
    }
    bool sameNumber(const NumberShown& n) const {
        return std::bit_cast<std::uint64_t>(n.value) == std::bit_cast<std::uint64_t>(number_.value) &&
               n.style == number_.style && sameLiteral(n.pattern, number_.pattern) &&
               sameLiteral(n.suffix, number_.suffix) && n.compose == number_.compose;
    }
    // Patterns and suffixes are literals: the same call passes the very same characters again.
    static bool sameLiteral(std::string_view a, std::string_view b) {
        return (a.data() == b.data() && a.size() == b.size()) || a == b;
    }
    mutable std::string text_;
    mutable bool pending_ = false;
    mutable std::optional<double> leading_;
    mutable std::optional<std::optional<double>> strict_;  // outer: known; inner: the text is a number
    bool holdsNumber_ = false;  // number_ is what text_ shows (or will show once read)
    NumberShown number_{};
};

}  // namespace zephra::toolkit
