// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/surface.h"

#include <algorithm>

namespace zephra::toolkit {

void Surface::clear() {
    if (changedTooMany_) {
        std::fill(pixels_.begin(), pixels_.end(), kBlack);
    } else {
        for (std::int32_t index : changed_) pixels_[static_cast<std::size_t>(index)] = kBlack;
    }
    changed_.clear();
    changedTooMany_ = false;
    ++generation_;
}

void Surface::restore(const std::vector<Color>& pixels) {
    if (pixels.size() != pixels_.size()) return;
    pixels_ = pixels;
    changed_.clear();
    changedTooMany_ = true;  // any pixel may be lit
    ++generation_;
}

}  // namespace zephra::toolkit
