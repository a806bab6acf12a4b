// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "engine/einstein.h"
#include "engine/screen_mapping.h"
#include "engine/tick_run.h"
#include "toolkit/number_text.h"

// Spin of the main pair: mass shed when a body's edge would pass c, the turning surface pattern, and the
// mark of body 2's start.
namespace zephra::engine {

namespace {
constexpr int kMaxRings = 6;
constexpr int kMaxPoints = 32;
constexpr double kMinDrawnRadius = 60;  // twips; smaller discs show only the orbit line when "Auto" is on
}  // namespace

double decayBody(SimState& st, bool vessor, int i, double orbitalSpeed, double spinSpeed) {
    const double excess = decayExcess(orbitalSpeed, spinSpeed);
    if (i < 1 || i >= kBodySlots) return excess;
    if (vessor && st.ImpactFlag == 0 && st.Mass[i] > 0) {
        const double shed = shedMass(excess, st.Mass[i]);
        st.Mass[i] -= shed;
        st.Mass[0] += shed;
        if (st.Mass[i] < 0) {
            st.Mass[0] += st.Mass[i];
            st.Mass[i] = 0;
        }
    }
    return excess;
}

void TickRun::turnPattern(int i) {
    if (i < 1 || i >= kPairSlots) return;
    st.RadTwips = settings.radius[i] / st.KmPerTwip;
    if (st.RadTwips < kMinDrawnRadius && settings.hideSmallPatterns) return;
    int rings = toolkit::clampToInt16(settings.patternRings);
    if (rings > kMaxRings) {
        rings = kMaxRings;
        settings.patternRings = kMaxRings;
        window.setPatternRings(kMaxRings);
    }
    st.SurfPoints = settings.patternPoints;
    if (st.SurfPoints > kMaxPoints) {
        st.SurfPoints = kMaxPoints;
        settings.patternPoints = kMaxPoints;
        window.setPatternPoints(kMaxPoints);
    }
    const int points = toolkit::clampToInt16(st.SurfPoints);
    st.RotAngle[i] += st.Spin[i];
    if (st.RotAngle[i] > st.TwoPi) st.RotAngle[i] -= st.TwoPi;
    if (st.RotAngle[i] < 0) st.RotAngle[i] += st.TwoPi;
    // The points that left their pixel are erased from it; then every point is drawn, which also restores
    // one that an erase or the orbit line painted over.
    SurfPixelGrid& pixels = st.SurfPixel[i];
    const toolkit::Color black = toolkit::rgb(0, 0, 0);
    patternPlacers[i].place({.radius = st.RadTwips,
                             .turn = st.RotAngle[i],
                             .centreX = st.ScrX[i],
                             .centreY = st.ScrY[i],
                             .points = st.SurfPoints,
                             .fullTurn = st.TwoPi,
                             .count = points,
                             .rings = rings},
                            pixels, [&](std::int32_t left) {
                                if (left != kOffDrawing) surface.setPixel(left, black);
                            });
    const toolkit::Color colour = settings.patternColour[i];
    for (int ring = 0; ring < rings; ++ring) {
        for (int p = 1; p <= points; ++p) {
            if (pixels[p][ring] != kOffDrawing) surface.setPixel(pixels[p][ring], colour);
        }
    }
}

void markBody2Start(SimState& st, toolkit::Surface& surface, toolkit::Color colour) {
    placeOnScreen(st, 2);
    surface.setPoint(std::floor(st.ScrX[2]), std::floor(st.ScrY[2]), colour);
}

}  // namespace zephra::engine
