#include "toolkit/surface.h"

#include <algorithm>

namespace zephra::toolkit {

void Surface::clear() {
    std::fill(pixels_.begin(), pixels_.end(), kBlack);
    ++generation_;
}

}  // namespace zephra::toolkit
