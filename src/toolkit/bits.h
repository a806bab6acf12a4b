// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bits of a double, for comparisons that must tell -0 from 0 and one NaN from another. Written with
// memcpy rather than std::bit_cast, which not every standard library this program builds with provides.

#include <cstdint>
#include <cstring>

namespace zephra::toolkit {

inline std::uint64_t bitsOf(double x) {
    std::uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

}  // namespace zephra::toolkit
