// SPDX-License-Identifier: GPL-3.0-or-later
// The browser build's multiply-add against the C library's fma(), bit for bit: the glibc functions of the
// page give the desktop's last bits only if every multiply-add in them rounds once.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

extern "C" double zephra_exact_fma(double a, double b, double c);

namespace {

TEST(ExactFma, RoundsOnceWhereverTheSumCancels) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(-1, 1);
    auto scaled = [&](int spread) {
        return std::ldexp(unit(random), static_cast<int>(random() % spread) - spread / 2);
    };
    for (int n = 0; n < 400000; ++n) {
        const double a = scaled(200), b = scaled(200), p = a * b;
        // Any c, the product's negative (total cancellation), and c within a few units of the product's last
        // bit (where a second rounding shows); then the operands beyond the exact path's range.
        for (double c :
             {scaled(400), -p, -p * (1 + std::ldexp(unit(random), -50)),
              -p + std::ldexp(p, -53) * 2 * unit(random), std::ldexp(1.0, -1000), std::ldexp(p, 980)}) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(zephra_exact_fma(a, b, c)),
                      std::bit_cast<std::uint64_t>(std::fma(a, b, c)))
                << a << " * " << b << " + " << c;
        }
    }
    // A product a hair from half the last bit of c: rounded twice, the tie goes to even, the wrong way.
    for (int k = 1; k < 20000; ++k) {
        const double a = 1 + std::ldexp(static_cast<double>(random() % (1u << 20)) + 1, -52);
        const double b = std::ldexp(1.0, -53) / a;
        for (double bb : {b, std::nextafter(b, 0.0), std::nextafter(b, 1.0)})
            for (double c : {1.0, -1.0, 3.0, 1.5})
                EXPECT_EQ(std::bit_cast<std::uint64_t>(zephra_exact_fma(a, bb, c)),
                          std::bit_cast<std::uint64_t>(std::fma(a, bb, c)))
                    << a << " * " << bb << " + " << c;
    }
    for (double huge : {1e300, -1e300, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(zephra_exact_fma(huge, huge, 1), std::fma(huge, huge, 1.0));
    EXPECT_TRUE(std::isnan(zephra_exact_fma(std::numeric_limits<double>::quiet_NaN(), 1, 1)));
}

}  // namespace
