// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace zephra::toolkit {
namespace {

TEST(LeadingNumber, TakesTheLeadingNumberOrZero) {
    struct Row {
        std::string text;
        double value;
    };
    // Beyond a double: the largest finite value of its sign, or a zero.
    const Row rows[] = {{"42", 42},
                        {"  -2.5abc", -2.5},
                        {".5", 0.5},
                        {"1.5e3", 1500},
                        {"1.5E-2x", 0.015},
                        {"7e", 7},
                        {"7e+", 7},
                        {"abc", 0},
                        {"", 0},
                        {"-", 0},
                        {".", 0},
                        {"+3", 3},
                        {"1e999", std::numeric_limits<double>::max()},
                        {"-0.0001e400x", -std::numeric_limits<double>::max()},
                        {std::string(10000, '9'), std::numeric_limits<double>::max()},
                        {"10000e-330", 0},
                        {"-0." + std::string(400, '0') + "1", 0},
                        {"12 34", 12},
                        {"0.0009555", 0.0009555},
                        {"406700.", 406700}};
    for (const Row& row : rows) EXPECT_EQ(leadingNumber(row.text), row.value) << row.text;
}

TEST(StrictNumber, AcceptsOnlyAWholeFiniteNumber) {
    EXPECT_EQ(strictNumber(" 15 "), 15.0);
    EXPECT_EQ(strictNumber("-1.25e2"), -125.0);
    EXPECT_EQ(strictNumber("1e308"), 1e308);
    for (const char* bad : {"", " ", "15ms", "15 5", "abc", "1e999", "1.2.3", "--1", "e5"})
        EXPECT_FALSE(strictNumber(bad).has_value()) << bad;
}

TEST(NumberText, FifteenDigitsHalvesUpFixedFrom1EMinus15ToBelow1E15) {
    struct Row {
        double value;
        const char* text;
    };
    // Halves of the 16th digit go away from zero; fixed from 1E-15 on, however many digits, and so is a
    // rounding up to 1E-15.
    const Row rows[] = {{0, "0"},
                        {-0.0, "0"},
                        {1, "1"},
                        {-2.5, "-2.5"},
                        {384400, "384400"},
                        {0.0009555, "0.0009555"},
                        {1.0 / 3, "0.333333333333333"},
                        {2.0 / 3, "0.666666666666667"},
                        {123456789012345, "123456789012345"},
                        {999999999999999, "999999999999999"},
                        {1e15, "1E+15"},
                        {1.5e20, "1.5E+20"},
                        {-1234567890123456789.0, "-1.23456789012346E+18"},
                        {0.1 + 0.2, "0.3"},
                        {1.5e-7, "0.00000015"},
                        {2e-18, "2E-18"},
                        {12345678901234.25, "12345678901234.3"},
                        {-12345678901234.25, "-12345678901234.3"},
                        {123456789012344.5, "123456789012345"},
                        {0.01234567890123456, "0.0123456789012346"},
                        {1.23456789e-10, "0.000000000123456789"},
                        {1e-15, "0.000000000000001"},
                        {9.999999999999999e-16, "0.000000000000001"},
                        {9.99999999999999e-16, "9.99999999999999E-16"},
                        {1e-100, "1E-100"},
                        {5360000000, "5360000000"},
                        {1.98855e30, "1.98855E+30"},
                        // A power of two whose nearest 16 digits do not read back but the 16 above do:
                        // 7.120236347223045E-307, whose half goes up.
                        {std::ldexp(1.0, -1017), "7.12023634722305E-307"}};
    for (const Row& row : rows) EXPECT_EQ(numberText(row.value), row.text) << row.text;
    EXPECT_EQ(numberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    // The signed form leads with a blank unless negative.
    EXPECT_EQ(signedNumberText(12), " 12");
    EXPECT_EQ(signedNumberText(0), " 0");
    EXPECT_EQ(signedNumberText(-0.5), "-0.5");
    // The largest doubles round beyond the range in 15 digits: their text is refused when read back.
    EXPECT_EQ(numberText(-std::numeric_limits<double>::max()), "-1.79769313486232E+308");
    EXPECT_FALSE(strictNumber("-1.79769313486232E+308").has_value());
}

// A value whose shortest text has 16 significant digits ending in 5 lies on a half of the 15th digit as it
// was typed or computed; that half goes up. Every other value takes printf's exact 15-digit rounding of its
// binary value, which this compares with the digits shown.
bool onATypedHalf(double x) {
    char sixteen[64];
    std::snprintf(sixteen, sizeof sixteen, "%.15e", x);
    return std::strtod(sixteen, nullptr) == x && *(std::strchr(sixteen, 'e') - 1) == '5';
}

std::string significantDigitsOf(const std::string& text) {
    std::string digits;
    for (char c : text.substr(0, text.find_first_of("eE")))
        if (c >= '0' && c <= '9' && !(digits.empty() && c == '0')) digits += c;
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return digits;
}

void expectExactRounding(double x) {
    char fifteen[64];
    std::snprintf(fifteen, sizeof fifteen, "%.14e", x);
    const std::string shown = numberText(x);
    EXPECT_EQ(significantDigitsOf(shown), significantDigitsOf(fifteen)) << fifteen << " shown as " << shown;
    EXPECT_EQ(std::strtod(shown.c_str(), nullptr), std::strtod(fifteen, nullptr))
        << fifteen << " shown as " << shown;
}

TEST(NumberText, DigitsAgreeWithAnExactRoundingEverywhereButOnTypedHalves) {
    // The halves as typed, by hand: up, away from zero, carries included.
    for (auto [x, text] : {std::pair{0.1234567890123455, "0.123456789012346"},
                           {9.999999999999995, "10"},
                           {999999999999999.5, "1E+15"},
                           {123456789012345.5, "123456789012346"},
                           {-0.1234567890123455, "-0.123456789012346"}}) {
        EXPECT_TRUE(onATypedHalf(x)) << text;
        EXPECT_EQ(numberText(x), text);
    }
    for (double x : {0.30000000000000004, 1.0000000000000009, 2.5e-308, 4.9406564584124654e-324,
                     2.2250738585072014e-308, 1.7976931348623157e308, 149597870.69999999, 5e-15})
        expectExactRounding(x);
    std::mt19937_64 random(20261207);
    for (int n = 0; n < 30000; ++n) {
        const double any = std::bit_cast<double>(random());
        if (std::isfinite(any) && any != 0 && !onATypedHalf(any)) expectExactRounding(any);
        // The neighbours of a 15-digit decimal followed by a 5 are the hard cases of an exact rounding.
        char text[64];
        std::snprintf(text, sizeof text, "%llu5e%d",
                      static_cast<unsigned long long>(100000000000000ull + random() % 900000000000000ull),
                      static_cast<int>(random() % 580) - 300);
        const double halfway = std::strtod(text, nullptr);
        for (double x : {std::nextafter(halfway, 0.0), std::nextafter(halfway, 1e308)})
            if (!onATypedHalf(x)) expectExactRounding(x);
    }
}

TEST(FormatNumber, PatternsFixDecimalsAndLeadingZeros) {
    struct Row {
        double value;
        const char* pattern;
        const char* text;
    };
    const Row rows[] = {
        {3.14159, "0.00", "3.14"},
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.125, "0.00", "0.13"},
        {1.005, "0.00", "1.01"},  // a half as written, though the binary value lies just below it
        // Rounded once, from the value: not first to 15 digits (0.123450000000000), then again.
        {0.12344999999999989, "0.0000", "0.1234"},
        {-0.12344999999999989, "0.0000", "-0.1234"},
        {12345678901234.25, "0.0", "12345678901234.3"},
        {123456789012344.5, "0", "123456789012345"},
        {0.99999999999999994, "0.00", "1.00"},
        {-0.001, "0.00", "-0.00"},
        {0.5, ".00", ".50"},
        {7, "000.0", "007.0"},
        {12345, "00", "12345"},
        {384400, "00000000000000.00000000000000", "00000000384400.00000000000000"},
        {9.9999, "0.00", "10.00"},
        {0.999, "0", "1"},
        {0.4, "0", "0"},
        {0, "0.000", "0.000"},
        {12.5, "  0.0", "  12.5"},
        {1.5, "0 0", "0 2"},
        {1e20, "0", "100000000000000000000"},
        {0.00000000123456, "0.00000000000000", "0.00000000123456"}};
    for (const Row& row : rows)
        EXPECT_EQ(formatNumber(row.value, row.pattern), row.text) << row.value << " " << row.pattern;
}

TEST(WholeNumbers, SixteenBitRoundsHalvesToEven) {
    const std::pair<double, int> halves[] = {{2.5, 2},    {3.5, 4},         {-2.5, -2},        {-3.5, -4},
                                             {2.4999, 2}, {32767.4, 32767}, {-32768.5, -32768}};
    for (auto [x, whole] : halves) EXPECT_EQ(toInt16(x), whole) << x;
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_EQ(toInt16(-32768.4), -32768);
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
    EXPECT_EQ(clampToInt16(1e9), 32767);
    EXPECT_EQ(clampToInt16(-1e9), -32768);
    EXPECT_EQ(clampToInt16(std::nan("")), 0);
}

}  // namespace
}  // namespace zephra::toolkit
