// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pull of one body on another, split into screen components. Both gravity and the contact push are a
// magnitude g along the line dx, dy; the y component comes out unsigned and takes the sign of dy afterwards.

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/mod_asin.h"
#include "toolkit/bits.h"

namespace zephra {

struct PullParts {
    double x = 0;
    double y = 0;
};

inline PullParts pullComponents(double g, double dx, double r) {
    const double a = moduleAsin(dx / r);
    return {std::sin(a) * g, std::cos(a) * g};
}

// Newton's pull magnitude in km per iteration^2 with a free distance exponent.
inline double gravityStrength(double gmStep, double mass, double r, double exponent) {
    return gmStep * mass / std::pow(r, exponent);
}

// The same pull as gravityStrength and pullComponents give, remembering the last distance law and direction:
// the next pair is mostly the same two bodies the other way round, at the same distance, with dx the same
// difference taken the other way and so exactly negated. An equal distance reuses the power as it is; a
// negated direction reuses the sine negated and the cosine as they are, since the maths library's
// arc-tangent and sine are odd and its cosine even, bit for bit. A tick starts with a fresh memo.
class PullMemo {
  public:
    double strength(double gmStep, double mass, double r, double exponent) {
        if (toolkit::bitsOf(r) != powerBase_ || toolkit::bitsOf(exponent) != powerExp_) {
            powerBase_ = toolkit::bitsOf(r);
            powerExp_ = toolkit::bitsOf(exponent);
            power_ = std::pow(r, exponent);
        }
        return gmStep * mass / power_;
    }
    PullParts components(double g, double dx, double r) {
        const double ratio = dx / r;
        const std::uint64_t bits = toolkit::bitsOf(ratio);
        if (bits == (ratio_ ^ kSignBit)) {
            sin_ = -sin_;
            ratio_ = bits;
        } else if (bits != ratio_) {
            const double a = moduleAsin(ratio);
            sin_ = std::sin(a);
            cos_ = std::cos(a);
            ratio_ = bits;
        }
        return {sin_ * g, cos_ * g};
    }

  private:
    static constexpr std::uint64_t kSignBit = std::uint64_t{1} << 63;
    // A NaN no division gives as the empty key: every first pair is computed.
    static constexpr std::uint64_t kNone = 0x7ff4000000000001;
    std::uint64_t powerBase_ = kNone, powerExp_ = kNone, ratio_ = kNone;
    double power_ = 0, sin_ = 0, cos_ = 0;
};

// Bodies closer than the sum of their radii D push apart with -(r / D) x mass, no gravitational constant.
inline double contactPushStrength(double r, double contactDist, double mass) {
    return -(r / contactDist) * mass;
}

}  // namespace zephra
