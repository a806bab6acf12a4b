// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arc-sine the gravity law is written with: arctan(x / sqrt(1 - x^2)), exactly +-pi/2 at +-1. Rounding
// can push dx / r a hair beyond +-1 for a horizontal pair; such an argument counts as +-1 instead of giving
// NaN.

#include <cmath>

#include "engine/sim_state.h"

namespace zephra {

inline double moduleAsin(double x) {
    if (x >= 1.0) return kHalfPi;
    if (x <= -1.0) return -kHalfPi;
    return std::atan(x / std::sqrt(1.0 - x * x));
}

}  // namespace zephra
