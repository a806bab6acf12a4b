// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the points of a body's turning surface pattern land on the drawing: one pixel per point and ring.
//
// A point sits at radius x sin(angle) x depth + centre, and the pattern turns by the body's spin every tick,
// but a point changes pixel only every few ticks. The placer remembers, for each point, where it was last
// placed and how far it could move from there, each way, without leaving its pixel; it takes the sine and
// cosine again only for a point that may have left it. The pixels are exactly those of the sine and cosine
// taken every tick, at a fraction of the cost: the pattern was most of the tick of the gas clouds and the
// white dwarfs.

#include <array>
#include <cmath>
#include <cstdint>

#include "engine/sim_state.h"

namespace zephra {

// What decides the pattern of one body in one tick.
struct PatternPlace {
    double radius = 0;         // twips
    double turn = 0;           // radians, the pattern's angle
    double centreX = 0;        // twips
    double centreY = 0;        // twips
    double points = 0;         // points per ring, the divisor of the angle
    double fullTurn = kTwoPi;  // radians
    int count = 0;             // points drawn: 1..count
    int rings = 0;             // rings drawn: 0..rings-1, ring k at depth 1 - 0.1 k
};

class PatternPlacer {
  public:
    // Writes the pixel (or kOffDrawing) of every drawn point of the body into pixels, and calls
    // moved(old pixel) for each whose pixel changed.
    template <typename Moved>
    void place(const PatternPlace& now, SurfPixelGrid& pixels, Moved moved) {
        const bool sameShape = known_ && now.count == last_.count && now.rings == last_.rings &&
                               sameBits(now.points, last_.points);
        if (sameShape) {
            markStaying(now);
        } else {
            staying_.fill(0);
        }
        for (int p = 1; p <= now.count; ++p) {
            if (staying_[p] != 0) continue;
            const auto before = pixels[p];
            placePoint(now, p, pixels[p]);
            for (int ring = 0; ring < now.rings; ++ring)
                if (before[ring] != pixels[p][ring]) moved(before[ring]);
        }
        last_ = now;
        known_ = true;
    }

  private:
    template <typename T>
    using PerPoint = std::array<T, kSurfPoints>;
    static bool sameBits(double a, double b);
    // Which points cannot have left their pixel since they were placed.
    void markStaying(const PatternPlace& now);
    void placePoint(const PatternPlace& now, int p, std::array<std::int32_t, kSurfRings>& pixels);

    PatternPlace last_{};
    bool known_ = false;  // the anchors describe the pixels of the previous call's shape
    // Each point's anchor: the radius and turn it was placed at, and the box (twips) its centre may move in
    // without any of the point's rings leaving its pixel. Kept as one array a field, so that the test of
    // every point runs as one vector loop.
    PerPoint<double> radius_{}, turn_{}, leftmost_{}, rightmost_{}, topmost_{}, lowest_{};
    // Whether the point cannot have left its pixel: 1 or 0, a double like the anchors for the same loop.
    PerPoint<double> staying_{};
};

}  // namespace zephra
