// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Speeds here are fractions of c.

namespace zephra {

// The factor that scales a velocity of speed newV, reached by adding deltaV to oldV, down to the Einstein sum
// (oldV + deltaV) / (1 + oldV deltaV). A body at rest keeps its velocity.
inline double einsteinFactor(double oldV, double deltaV, double newV) {
    if (!(newV > 0)) return 1.0;
    const double sum = (deltaV + oldV) / (deltaV * oldV + 1.0);
    return sum / newV;
}

// How far a body's edge would exceed c: orbital plus surface speed above 1.
inline double decayExcess(double orbV, double spinV) {
    return (orbV + spinV) - 1.0;
}

// The share of a body's mass shed for that excess: one thirtieth of the excess, as a fraction of the mass.
inline double shedMass(double excess, double mass) {
    return (excess < 0 ? -excess : excess) / 30.0 * mass;
}

// Whether a Newton-Einstein speed difference shows as all zeros at 18 decimals, halves rounding away from
// zero. A number shows its shortest round-trip digits, and no double but the one nearest 5e-19 has digits
// that round to 5e-19, so the text is all zeros exactly below that double; a negative difference shows its
// sign and a NaN its name.
inline bool differenceShowsAsZero(double d) {
    return d >= 0 && d < 5e-19;
}

}  // namespace zephra
