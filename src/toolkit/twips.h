// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zephra::toolkit {

// Every position and size in the window model is in twips; the screen shows 15 of them to a pixel.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace zephra::toolkit
