// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "engine/pair_pull.h"

namespace zephra {
namespace {

// The tick reuses one pair's power and direction for the same pair the other way round; this holds only while
// the maths library's arc-tangent and sine are odd and its cosine even to the last bit.
TEST(PullMemo, EqualsAFreshPullBitForBitBothWaysRound) {
    std::mt19937_64 random(16);
    std::uniform_real_distribution<double> coordinate(-2e8, 2e8);
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    PullMemo memo;
    for (int n = 0; n < 100000; ++n) {
        const double x1 = coordinate(random);
        const double x2 = n % 7 == 0    ? x1
                          : n % 11 == 0 ? x1 + coordinate(random) * 1e-12
                                        : coordinate(random);
        const double y1 = coordinate(random), y2 = n % 5 == 0 ? y1 : coordinate(random);  // some horizontal
        const double exponent = n % 3 == 0 ? 2.0 : 1.5 + n % 4;
        for (const bool reversed : {false, true}) {
            const double dx = reversed ? x1 - x2 : x2 - x1, dy = reversed ? y1 - y2 : y2 - y1;
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r == 0) continue;
            const double g = memo.strength(7.5, 3.25, r, exponent);
            ASSERT_EQ(bits(g), bits(gravityStrength(7.5, 3.25, r, exponent))) << n;
            const PullParts fresh = pullComponents(g, dx, r), reused = memo.components(g, dx, r);
            ASSERT_EQ(bits(reused.x), bits(fresh.x)) << n << " dx " << dx << " r " << r;
            ASSERT_EQ(bits(reused.y), bits(fresh.y)) << n << " dx " << dx << " r " << r;
        }
    }
}

}  // namespace
}  // namespace zephra
