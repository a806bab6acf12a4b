#include "toolkit/surface.h"

#include <algorithm>

namespace zephra::toolkit {

void Surface::clear() {
    if (touchedFrom_ < touchedTo_)
        std::fill(pixels_.begin() + touchedFrom_, pixels_.begin() + touchedTo_, kBlack);
    touchedFrom_ = kPixelCount;
    touchedTo_ = 0;
    ++generation_;
}

}  // namespace zephra::toolkit
