// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/spin_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "toolkit/surface.h"

// The placer takes a point's sine again only when the point may have left its pixel; whatever the body does,
// its pixels must be those of the sine and cosine taken every tick.
namespace zephra {
namespace {

std::int32_t pixelOf(double x, double y) {
    const bool inside = x > 0 && x < toolkit::Surface::width() && y > 0 && y < toolkit::Surface::height();
    return inside ? toolkit::Surface::pixelIndex(x, y) : kOffDrawing;
}

TEST(PatternPlacer, GivesThePixelsOfTheSineTakenEveryTick) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(-1, 1);
    PatternPlacer placer;
    SurfPixelGrid pixels{};
    // Round the drawing's left edge and a pixel corner, slow and fast, turning and not, the shape changing.
    PatternPlace now{
        .radius = 200, .turn = 0.1, .centreX = 100, .centreY = 4500, .points = 12, .count = 12, .rings = 3};
    for (int tick = 0; tick < 200000; ++tick) {
        const double pace = tick % 1000 < 500 ? 0.01 : 8;
        now.centreX += pace * unit(random);
        now.centreY += pace * unit(random);
        if (now.centreX > 400 || now.centreX < -300) now.centreX = 100;  // back across the drawing's edge
        if (std::abs(now.centreY - 4500) > 100) now.centreY = 4500;
        if (tick % 3 == 0) now.turn += 0.001 * unit(random);
        if (tick % 5000 == 0) now.radius = 150 + 100 * std::abs(unit(random));
        if (tick % 7000 == 0) now.count = now.count == 12 ? 7 : 12;
        if (tick == 150000) now.centreX = std::numeric_limits<double>::quiet_NaN();
        if (tick == 150001) now.centreX = 7680;
        placer.place(now, pixels, [](std::int32_t) {});
        for (int p = 1; p <= now.count; ++p) {
            const double angle = (p / now.points) * now.fullTurn + now.turn;
            for (int ring = 0; ring < now.rings; ++ring) {
                const double depth = 1 - 0.1 * ring;
                const double x = now.radius * std::sin(angle) * depth + now.centreX;
                const double y = now.radius * std::cos(angle) * depth + now.centreY;
                ASSERT_EQ(pixels[p][ring], pixelOf(x, y))
                    << "tick " << tick << " point " << p << " ring " << ring;
            }
        }
    }
}

}  // namespace
}  // namespace zephra
