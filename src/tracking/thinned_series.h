// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A bounded record of an evenly spaced stream: it keeps every item until it is full, then drops every
// second item it holds and from then on keeps one offer in two (then four, eight ...). However long the
// stream, the items kept stay evenly spaced over all of it, first item included.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zephra::tracking {

template <typename T>
class ThinnedSeries {
  public:
    // capacity is even, so that a full record thins to exactly half with its first item kept.
    explicit ThinnedSeries(std::size_t capacity) : capacity_(capacity + capacity % 2) {
        items_.reserve(capacity_);
    }

    void clear() {
        items_.clear();
        stride_ = 1;
        untilKept_ = 1;
        ++thinnings_;
    }
    // Counts one offer of the stream; true when this offer is to be kept.
    bool due() { return --untilKept_ == 0; }
    void keep(const T& item) {
        items_.push_back(item);
        untilKept_ = stride_;
        if (items_.size() == capacity_) thin();
    }

    const std::vector<T>& items() const { return items_; }
    std::uint64_t stride() const { return stride_; }  // offers per kept item
    // Changes each time kept items are dropped (or all cleared): a viewer of items() starts afresh.
    std::uint64_t thinnings() const { return thinnings_; }

  private:
    void thin() {
        for (std::size_t k = 1; 2 * k < items_.size(); ++k) items_[k] = items_[2 * k];
        items_.resize(items_.size() / 2);
        // The last item just kept was dropped: the next one kept is one old stride away.
        untilKept_ = stride_;
        stride_ *= 2;
        ++thinnings_;
    }

    std::size_t capacity_;
    std::vector<T> items_;
    std::uint64_t stride_ = 1;
    std::uint64_t untilKept_ = 1;
    std::uint64_t thinnings_ = 0;
};

}  // namespace zephra::tracking
