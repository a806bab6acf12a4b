#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

#include "engine/einstein.h"
#include "engine/pair_pull.h"

namespace zephra {
namespace {

class ModuleAsinMatchesStd : public ::testing::TestWithParam<double> {};

TEST_P(ModuleAsinMatchesStd, InsideTheOpenRange) {
    EXPECT_NEAR(moduleAsin(GetParam()), std::asin(GetParam()), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Values, ModuleAsinMatchesStd,
                         ::testing::Values(-0.999, -0.5, 0.0, 0.25, 0.7071, 0.9999));

TEST(ModuleAsin, EndsAndRoundingOvershootGiveHalfPi) {
    EXPECT_EQ(moduleAsin(1.0), kHalfPi);
    EXPECT_EQ(moduleAsin(-1.0), -kHalfPi);
    EXPECT_EQ(moduleAsin(1.0 + 1e-15), kHalfPi);
    EXPECT_EQ(moduleAsin(-1.0 - 1e-15), -kHalfPi);
}

TEST(PullComponents, HorizontalPairPullsOnlyAlongX) {
    const PullParts right = pullComponents(2.0, 10.0, 10.0);
    EXPECT_NEAR(right.x, 2.0, 1e-15);
    EXPECT_NEAR(right.y, 0.0, 1e-12);
    const PullParts left = pullComponents(2.0, -10.0, 10.0);
    EXPECT_NEAR(left.x, -2.0, 1e-15);
}

TEST(PullComponents, VerticalPairGivesUnsignedY) {
    const PullParts up = pullComponents(3.0, 0.0, 5.0);
    EXPECT_EQ(up.x, 0.0);
    EXPECT_DOUBLE_EQ(up.y, 3.0);
}

TEST(PullComponents, DiagonalSplitsByDirection) {
    const PullParts p = pullComponents(5.0, 3.0, 5.0);  // a 3-4-5 triangle
    EXPECT_NEAR(p.x, 3.0, 1e-12);
    EXPECT_NEAR(p.y, 4.0, 1e-12);
}

TEST(GravityStrength, InverseSquareAndFreeExponent) {
    EXPECT_DOUBLE_EQ(gravityStrength(100.0, 2.0, 10.0, 2.0), 2.0);
    EXPECT_DOUBLE_EQ(gravityStrength(100.0, 2.0, 10.0, 1.0), 20.0);
}

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

TEST(EinsteinFactor, HalfLightSpeedPlusATenth) {
    const double f = einsteinFactor(0.5, 0.1, 0.6);
    EXPECT_NEAR(f * 0.6, 0.6 / 1.05, 1e-15);
}

TEST(EinsteinFactor, BodyAtRestKeepsItsVelocity) {
    EXPECT_EQ(einsteinFactor(0.0, 0.0, 0.0), 1.0);
    EXPECT_EQ(einsteinFactor(0.2, -0.2, 0.0), 1.0);
}

TEST(EinsteinFactor, NeverReachesLightSpeed) {
    const double newV = 0.9 + 0.9;
    EXPECT_LT(einsteinFactor(0.9, 0.9, newV) * newV, 1.0);
}

}  // namespace
}  // namespace zephra
