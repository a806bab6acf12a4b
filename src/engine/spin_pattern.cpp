// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/spin_pattern.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "toolkit/bits.h"
#include "toolkit/surface.h"

namespace zephra {

namespace {

constexpr int kPixel = toolkit::kTwipsPerPixel;
constexpr double kWidth = toolkit::Surface::width();
constexpr double kHeight = toolkit::Surface::height();
constexpr double kEverywhere = std::numeric_limits<double>::infinity();

// Rounding of the angle, the sine and the sums, generously: a point never moves less than it seems to.
constexpr double kRoundingShare = 1e-9;

bool insideDrawing(double x, double y) {
    return x > 0 && x < kWidth && y > 0 && y < kHeight;
}

// The room a coordinate has below and above it without changing what is drawn.
struct Room {
    double below, above;
};

// Inside the drawing: the edges of its pixel column or row.
Room withinPixel(double c) {
    const double edge = static_cast<int>(c) / kPixel * kPixel;
    return {c - edge, edge + kPixel - c};
}

// Off the drawing on this coordinate: the point stays off while the coordinate stays beyond the edge.
Room beyondEdge(double c, double size) {
    if (c <= 0) return {kEverywhere, -c};
    return {c - size, kEverywhere};
}

}  // namespace

bool PatternPlacer::sameBits(double a, double b) {
    return toolkit::bitsOf(a) == toolkit::bitsOf(b);
}

// The centre's move is taken with its sign; the turn and a change of radius move a point at most by the arc
// and the change, in any direction. A NaN anywhere fails every comparison: the point is placed again.
void PatternPlacer::markStaying(const PatternPlace& now) {
    // The place is copied into locals: a store to a double of this placer might otherwise change it, and
    // the compiler would not run the loop on two points at once.
    const double signedRadius = now.radius, turn = now.turn, x = now.centreX, y = now.centreY;
    const double radius = std::abs(signedRadius);
    const double rounding = kRoundingShare * (1 + radius + std::abs(x) + std::abs(y));
    for (int p = 1; p <= now.count; ++p) {
        const double spread =
            std::abs(signedRadius - radius_[p]) + radius * std::abs(turn - turn_[p]) + rounding;
        // Bitwise ands: four comparisons and no branch.
        const bool across = (x + spread < rightmost_[p]) & (x - spread > leftmost_[p]);
        const bool along = (y + spread < lowest_[p]) & (y - spread > topmost_[p]);
        staying_[p] = across & along ? 1.0 : 0.0;
    }
}

void PatternPlacer::placePoint(const PatternPlace& now, int p, std::array<std::int32_t, kSurfRings>& pixels) {
    const double angle = (p / now.points) * now.fullTurn + now.turn;
    const double sine = std::sin(angle), cosine = std::cos(angle);
    double left = kEverywhere, right = kEverywhere, up = kEverywhere, down = kEverywhere;
    for (int ring = 0; ring < now.rings; ++ring) {
        const double depth = 1 - 0.1 * ring;
        const double x = now.radius * sine * depth + now.centreX;
        const double y = now.radius * cosine * depth + now.centreY;
        Room across{kEverywhere, kEverywhere}, along{kEverywhere, kEverywhere};
        if (insideDrawing(x, y)) {
            pixels[ring] = toolkit::Surface::pixelIndex(x, y);
            across = withinPixel(x);
            along = withinPixel(y);
        } else {
            pixels[ring] = kOffDrawing;
            // Off the drawing it stays off while the coordinate farthest beyond an edge stays beyond it.
            const double offX = x <= 0 ? -x : x - kWidth, offY = y <= 0 ? -y : y - kHeight;
            if (offX >= offY)
                across = beyondEdge(x, kWidth);
            else if (offY >= 0)
                along = beyondEdge(y, kHeight);
            else
                across = along = {0, 0};  // not a number: placed again next time
        }
        left = std::min(left, across.below);
        right = std::min(right, across.above);
        up = std::min(up, along.below);
        down = std::min(down, along.above);
    }
    radius_[p] = now.radius;
    turn_[p] = now.turn;
    leftmost_[p] = now.centreX - left;
    rightmost_[p] = now.centreX + right;
    topmost_[p] = now.centreY - up;
    lowest_[p] = now.centreY + down;
}

}  // namespace zephra
