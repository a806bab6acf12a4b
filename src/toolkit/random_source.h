// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephra::toolkit {

// A small, portable generator (SplitMix64) so that a seed gives the same numbers on every machine.
class RandomSource {
  public:
    void seed(double s);
    // Uniform in [0, 1).
    double next();

  private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

}  // namespace zephra::toolkit
