// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/number_tidier.h"

#include <gtest/gtest.h>

#include <string>

namespace zephra::tracking {
namespace {

struct TidyRow {
    const char* raw;
    bool isSigned;
    int leadingBlanks;
    const char* kept;
    int trailingBlanks;
};

class Tidier : public ::testing::TestWithParam<TidyRow> {};

TEST_P(Tidier, BlanksTheZerosAroundTheNumber) {
    const TidyRow& row = GetParam();
    const std::string expected =
        std::string(row.leadingBlanks, ' ') + row.kept + std::string(row.trailingBlanks, ' ');
    EXPECT_EQ(row.isSigned ? tidySigned(row.raw) : tidyUnsigned(row.raw), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Tidier,
    ::testing::Values(TidyRow{"  00000000363104.50000000000000", false, 10, "363104.5", 13},
                      TidyRow{"  00000000384400.00000000000000", false, 10, "384400.", 14},
                      TidyRow{"  00000000000000.00000000000000", false, 16, ".", 14},
                      TidyRow{"-00000000021295.50000000000000", true, 10, "-21295.5", 13},
                      TidyRow{"00000000000012.25000000000000 ", true, 12, "+12.25", 13},
                      TidyRow{"00000000000000.00000000000000 ", true, 14, "0.", 15},
                      TidyRow{"00000000000000.00000000000001 ", true, 14, "+.00000000000001", 1}));

}  // namespace
}  // namespace zephra::tracking
