#include "engine/spin_pattern.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "toolkit/surface.h"

namespace zephra {

namespace {

constexpr double kPixel = toolkit::kTwipsPerPixel;
constexpr double kWidth = toolkit::Surface::width();
constexpr double kHeight = toolkit::Surface::height();

// Rounding of the angle, the sine and the sums, generously: a point never moves less than it seems to.
constexpr double kRoundingShare = 1e-9;

bool insideDrawing(double x, double y) {
    return x > 0 && x < kWidth && y > 0 && y < kHeight;
}

// How far a coordinate inside the drawing is from the nearest pixel edge.
double edgeDistance(double c) {
    const double within = std::fmod(c, kPixel);
    return std::min(within, kPixel - within);
}

// How far a point may move before it could land in another pixel or cross the drawing's edge. Outside the
// drawing it stays outside until every coordinate outside has come back in. NaN for a point not a number,
// which is then placed again every tick.
double marginOf(double x, double y) {
    if (insideDrawing(x, y)) return std::min(edgeDistance(x), edgeDistance(y));
    const auto outside = [](double c, double size) { return c <= 0 ? -c : c >= size ? c - size : 0.0; };
    if (std::isnan(x) || std::isnan(y)) return std::numeric_limits<double>::quiet_NaN();
    return std::max(outside(x, kWidth), outside(y, kHeight));
}

bool sameShape(const PatternPlace& a, const PatternPlace& b) {
    return std::bit_cast<std::uint64_t>(a.points) == std::bit_cast<std::uint64_t>(b.points) &&
           a.count == b.count && a.rings == b.rings;
}

}  // namespace

void PatternPlacer::place(const PatternPlace& now, SurfPixelGrid& pixels) {
    // The most any point has moved since the last call: the radius changed, the turn swept the rim, the
    // centre moved. NaN (a value not a number) or a new shape places every point again.
    double moved = std::numeric_limits<double>::infinity();
    if (known_ && sameShape(now, last_)) {
        moved = std::abs(now.radius - last_.radius) + std::abs(now.radius) * std::abs(now.turn - last_.turn) +
                std::max(std::abs(now.centreX - last_.centreX), std::abs(now.centreY - last_.centreY)) +
                kRoundingShare * (1 + std::abs(now.radius) + std::abs(now.centreX) + std::abs(now.centreY));
    }
    for (int p = 1; p <= now.count; ++p) {
        if (margin_[p] > moved) {
            margin_[p] -= moved;
            continue;
        }
        const double angle = (p / now.points) * now.fullTurn + now.turn;
        const double sine = std::sin(angle), cosine = std::cos(angle);
        double margin = std::numeric_limits<double>::infinity();
        for (int ring = 0; ring < now.rings; ++ring) {
            const double depth = 1 - 0.1 * ring;
            const double x = now.radius * sine * depth + now.centreX;
            const double y = now.radius * cosine * depth + now.centreY;
            pixels[p][ring] = insideDrawing(x, y) ? toolkit::Surface::pixelIndex(x, y) : kOffDrawing;
            const double pointMargin = marginOf(x, y);
            if (!(pointMargin >= margin)) margin = pointMargin;  // a NaN stays: placed again next time
        }
        margin_[p] = margin;
    }
    last_ = now;
    known_ = true;
}

}  // namespace zephra
