// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The time and distance scales of the window.

#include <array>
#include <string_view>

namespace zephra {

// One time scale k: TimeFac = 10^k; the caption says what a user second covers, the tooltip the ratio.
struct TimeScale {
    std::string_view caption;
    std::string_view toolTip;
};

inline constexpr int kTimeScales = 18;  // options 0..17; option 18 is the hidden "no selection"
inline constexpr int kHiddenTimeScale = 18;

inline constexpr std::array<TimeScale, kTimeScales> kTimeScaleTable{{
    {"1 user sec = 0.01 virtual s", "1: 0.01"},
    {"1s = 0.1s", "1: 0.1"},
    {"1 user sec = 1 virtual sec", "1: 1"},
    {"1s = 10s", "1: 10"},
    {"1 user sec = 100 v secs", "1: 100"},
    {"1s = 17min", "1: 1000"},
    {"1 user sec = 167 mins", "1: 10 000"},
    {"1s = 1day", "1: 100 000"},
    {"1 user sec = 12 days", "1: 1 million"},
    {"1s = 4mo", "1: 10 million "},
    {"1 user sec = 3 years", "1: 100 million"},
    {"1s = 32 yrs", "1: 1000 million"},
    {"1 user sec = 317 years", "1: 10 000 million"},
    {"1s = 3174 yrs", "1: 100 billion"},
    {"1 user sec = 32 kyears", "1: 1trillion"},
    {"1s = 317 kyrs", "1: 10 trillion"},
    {"1 user sec = 3 million yrs", "1: 100 trillion"},
    {"1s = 32 myrs", "1: 1000 trillion"},
}};

// One distance scale: km per twip and the screen position (twips) of the km origin.
struct DistanceScale {
    std::string_view caption;
    double kmPerTwip;
    double orgX;
    double orgY;
};

inline constexpr int kDistanceScales = 17;

namespace detail {
// a and b near 2 put the km origin near the middle of the 15360 x 11520 twip window.
constexpr DistanceScale centred(std::string_view caption, double kmPerTwip, double a, double b) {
    return {caption, kmPerTwip, 15360.0 / a, 11520.0 / b};
}
}  // namespace detail

// Options 0..8: the tenfold series; 9..16: the doubling series, each from the finest scale to the coarsest.
// Scale 0 keeps the km origin at the top left corner.
inline constexpr std::array<DistanceScale, kDistanceScales> kDistanceScaleTable{{
    {"1 px = 15km", 1.0, 0.0, 0.0},
    detail::centred("1 px = 150km", 10.0, 2.22, 2.75),
    detail::centred("1 px = 1500km", 100.0, 2.02, 2.5),
    detail::centred("1 px = 15kkm", 1000.0, 2.002, 2.47),
    detail::centred("1 px = 150kkm", 10000.0, 2.0002, 2.467),
    detail::centred("1 px = 1500kkm", 100000.0, 2.00002, 2.465),
    detail::centred("1 px = 15mkm", 1000000.0, 2.000002, 2.465),
    detail::centred("1 px = 150mkm", 10000000.0, 2.0000002, 2.465),
    detail::centred("1 px = 1500mkm", 100000000.0, 2.00000002, 2.465),
    detail::centred("1 px = 30km", 2.0, 4.0, 5.0),
    detail::centred("1 px = 300km", 20.0, 2.1, 2.6),
    detail::centred("1 px = 3kkm", 200.0, 2.01, 2.55),
    detail::centred("1 px = 30kkm", 2000.0, 2.001, 2.5),
    detail::centred("1 px = 300kkm", 20000.0, 2.00002, 2.465),
    detail::centred("1 px = 3mkm", 200000.0, 2.00003, 2.465),
    detail::centred("1 px = 30mkm", 2000000.0, 2.000003, 2.465),
    detail::centred("1 px = 300mkm", 20000000.0, 2.0000003, 2.465),
}};

}  // namespace zephra
