#include <gtest/gtest.h>

#include <cmath>

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
