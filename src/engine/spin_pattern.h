#pragma once

// Where the points of a body's turning surface pattern land on the drawing: one pixel per point and ring.
//
// A point sits at radius x sin(angle) x depth + centre, and the pattern turns by the body's spin every tick,
// but a point changes pixel only every few ticks. The placer remembers, for each point, how far it may still
// move before its pixel could change (its distance to the nearest pixel edge, less every movement since),
// and takes the sine and cosine again only for points that may have crossed an edge. The pixels it gives
// are exactly those of the sine and cosine taken every tick: it costs the gas clouds and the white dwarfs
// most of their tick otherwise.

#include <array>
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
    // Writes the pixel (or kOffDrawing) of every drawn point of the body into pixels.
    void place(const PatternPlace& now, SurfPixelGrid& pixels);

  private:
    PatternPlace last_{};
    bool known_ = false;                        // last_ and margin_ describe the pixels of the previous call
    std::array<double, kSurfPoints> margin_{};  // twips a point may still move within its pixel
};

}  // namespace zephra
