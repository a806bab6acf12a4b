// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/orbit_figures.h"

#include <gtest/gtest.h>

namespace zephra::tracking {
namespace {

// 100 less the least distance as a per cent of the greatest, cut (not rounded) to thousandths of a per cent.
TEST(Eccentricity, CutToThousandthsOfAPerCent) {
    EXPECT_DOUBLE_EQ(eccentricityPct(1, 3), 66.667);
    EXPECT_DOUBLE_EQ(eccentricityPct(2, 3), 33.334);
    EXPECT_EQ(eccentricityPct(5, 5), 0);
    EXPECT_EQ(eccentricityPct(0, 0), 0);  // a pair never apart counts as circular
    EXPECT_EQ(eccentricityPct(5, -1), 0);
}

// Body 2 about body 1 on the screen (y down): 1 upper right, 2 upper left, 3 lower left, 4 lower right; on
// a line through body 1 the quadrant stays.
TEST(Quadrant, EachSideOfBodyOneAndItsLinesKeepThePrevious) {
    EXPECT_EQ(quadrantOf(0, 10, 5, 0, 2), 1);
    EXPECT_EQ(quadrantOf(10, 10, 5, 0, 1), 2);
    EXPECT_EQ(quadrantOf(10, 0, 5, 10, 1), 3);
    EXPECT_EQ(quadrantOf(0, 0, 5, 10, 1), 4);
    for (auto [x2, y2] : {std::pair{0.0, 5.0}, {5.0, 0.0}, {5.0, 5.0}})
        EXPECT_EQ(quadrantOf(5, 5, x2, y2, 3), 3) << x2 << "," << y2;
}

struct DistanceRow {
    double value, pairDist;
    bool simple, padded;
    const char* expected;
};

class DistanceBox : public ::testing::TestWithParam<DistanceRow> {};

TEST_P(DistanceBox, ChoosesExactOrUnitOnThePairDistance) {
    const DistanceRow& row = GetParam();
    EXPECT_EQ(distanceShown(row.value, row.pairDist, row.simple, row.padded), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, DistanceBox,
                         ::testing::Values(DistanceRow{384400, 384400, true, true, " 384 kkm"},
                                           DistanceRow{99999.9, 99999.9, true, true, "99999"},
                                           DistanceRow{12, 12, false, true, "0012"},
                                           DistanceRow{384400.7, 384400.7, false, false, "384400"},
                                           DistanceRow{12000000, 12000000, true, true, " 12 mkm"},
                                           // the unit follows the pair distance, not the value shown
                                           DistanceRow{150000, 12000000, true, false, " 0 mkm"},
                                           DistanceRow{150000, 9999999, true, false, " 150 kkm"}));

}  // namespace
}  // namespace zephra::tracking
