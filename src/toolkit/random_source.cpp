// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/random_source.h"

#include <cmath>

#include "toolkit/bits.h"

namespace zephra::toolkit {

void RandomSource::seed(double s) {
    // Any double, NaN included, maps to a state; equal seeds give equal sequences.
    state_ = std::isnan(s) ? 0 : bitsOf(s + 0.0);
}

double RandomSource::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace zephra::toolkit
