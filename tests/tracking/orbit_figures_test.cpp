// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/orbit_figures.h"

#include <gtest/gtest.h>

namespace zephra::tracking {
namespace {

TEST(Eccentricity, PairNeverApartCountsAsCircular) {
    EXPECT_EQ(eccentricityPct(0, 0), 0);
    EXPECT_EQ(eccentricityPct(5, -1), 0);
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
