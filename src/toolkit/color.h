// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace zephra::toolkit {

// A colour as 0x00RRGGBB.
using Color = std::uint32_t;

constexpr Color rgb(int r, int g, int b) {
    return (static_cast<Color>(r & 255) << 16) | (static_cast<Color>(g & 255) << 8) |
           static_cast<Color>(b & 255);
}
constexpr int redOf(Color c) {
    return static_cast<int>((c >> 16) & 255);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 255);
}
constexpr int blueOf(Color c) {
    return static_cast<int>(c & 255);
}

inline constexpr Color kBlack = rgb(0, 0, 0);
inline constexpr Color kWhite = rgb(255, 255, 255);

}  // namespace zephra::toolkit
