#pragma once

// The pull of one body on another, split into screen components. Both gravity and the contact push are a
// magnitude g along the line dx, dy; the y component comes out unsigned and takes the sign of dy afterwards.

#include <cmath>

#include "engine/mod_asin.h"

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

// Bodies closer than the sum of their radii D push apart with -(r / D) x mass, no gravitational constant.
inline double contactPushStrength(double r, double contactDist, double mass) {
    return -(r / contactDist) * mass;
}

}  // namespace zephra
