// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "engine/einstein.h"
#include "toolkit/number_text.h"

namespace zephra {
namespace {

constexpr const char* kEighteenDecimals = "0.000000000000000000";

bool textIsZero(double d) {
    return toolkit::formatNumber(d, kEighteenDecimals) == kEighteenDecimals;
}

// The tick decides by magnitude what the verification text would show; the two must never part. Every
// double within a million steps of the threshold, and a spread of others, are checked against the text.
TEST(DifferenceShowsAsZero, AgreesWithTheEighteenDecimalText) {
    double below = 5e-19, above = 5e-19;
    for (int step = 0; step < 1000000; ++step) {
        ASSERT_EQ(differenceShowsAsZero(below), textIsZero(below)) << below;
        ASSERT_EQ(differenceShowsAsZero(above), textIsZero(above)) << above;
        below = std::nextafter(below, 0.0);
        above = std::nextafter(above, 1.0);
    }
    std::mt19937_64 random(19);
    std::uniform_real_distribution<double> spread(-2e-18, 2e-18);
    for (int n = 0; n < 200000; ++n) {
        const double d = spread(random);
        ASSERT_EQ(differenceShowsAsZero(d), textIsZero(d)) << d;
    }
    for (const double d : {0.0, -0.0, 1e-300, std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_EQ(differenceShowsAsZero(d), textIsZero(d)) << d;
}

}  // namespace
}  // namespace zephra
