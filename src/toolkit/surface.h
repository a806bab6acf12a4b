// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/color.h"
#include "toolkit/twips.h"

namespace zephra::toolkit {

// The window's drawing surface: a plain pixel buffer addressed in twips (15 twips per pixel), which the front
// end paints as one image under the controls.
class Surface {
  public:
    static constexpr int kWidthPixels = 1024;
    static constexpr int kHeightPixels = 768;

    Surface() : pixels_(static_cast<std::size_t>(kWidthPixels) * kHeightPixels, kBlack) {
        changed_.reserve(kRememberedMost);
    }

    // Width and height in twips.
    static constexpr double width() { return kWidthPixels * kTwipsPerPixel; }
    static constexpr double height() { return kHeightPixels * kTwipsPerPixel; }

    // Points outside the surface (and non-finite coordinates) are ignored.
    void setPoint(double xTwips, double yTwips, Color c) {
        int px, py;
        if (!toPixel(xTwips, yTwips, px, py)) return;
        setPixel(py * kWidthPixels + px, c);
    }
    // The index of the pixel of a point inside the surface, for setPixel.
    static std::int32_t pixelIndex(double xTwips, double yTwips) {
        return static_cast<int>(yTwips) / kTwipsPerPixel * kWidthPixels +
               static_cast<int>(xTwips) / kTwipsPerPixel;
    }
    void setPixel(std::int32_t index, Color c) {
        Color& p = pixels_[static_cast<std::size_t>(index)];
        if (p == c) return;
        p = c;
        ++generation_;
        remember(index);
    }
    // The colour of a point, or -1 outside the surface.
    std::int64_t point(double xTwips, double yTwips) const {
        int px, py;
        if (!toPixel(xTwips, yTwips, px, py)) return -1;
        return pixels_[static_cast<std::size_t>(py) * kWidthPixels + static_cast<std::size_t>(px)];
    }
    void clear();
    // Puts a saved drawing back, kWidthPixels x kHeightPixels colours row by row.
    void restore(const std::vector<Color>& pixels);

    const Color* pixels() const { return pixels_.data(); }
    // Bumped whenever a pixel changes, so a front end repaints only when there is something new.
    std::uint64_t generation() const { return generation_; }

  private:
    static bool toPixel(double x, double y, int& px, int& py) {
        // Comparisons written so that NaN fails them.
        if (!(x >= 0.0 && x < width() && y >= 0.0 && y < height())) return false;
        px = static_cast<int>(x) / kTwipsPerPixel;
        py = static_cast<int>(y) / kTwipsPerPixel;
        return true;
    }
    // Remembers a pixel that may no longer be black, so that a clear blackens only those: the runs that clear
    // the screen at every orbit change a few hundred pixels between two clears. Past kRememberedMost the
    // clear blackens everything.
    void remember(std::int32_t index) {
        if (changed_.size() < kRememberedMost) {
            changed_.push_back(index);
        } else {
            changedTooMany_ = true;
        }
    }
    static constexpr std::size_t kRememberedMost = 1 << 16;
    std::vector<Color> pixels_;
    std::uint64_t generation_ = 0;
    std::vector<std::int32_t> changed_;  // pixels changed since the last clear, unless too many
    bool changedTooMany_ = false;
};

}  // namespace zephra::toolkit
