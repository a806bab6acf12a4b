#include <cmath>

#include "display/screen_mapping.h"
#include "engine/einstein.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// Spin of the main pair: mass shed when a body's edge would pass c, the turning surface pattern, and the
// mark of body 2's start.
namespace zephra {

namespace {
constexpr int kMaxRings = 6;
constexpr int kMaxPoints = 32;
constexpr double kMinDrawnRadius = 60;  // twips; smaller discs show only the orbit line when "Auto" is on
}  // namespace

double FormOrbit::DecayBod(int i, double OrbV, double SpinV) {
    const double excess = decayExcess(OrbV, SpinV);
    if (i < 1 || i >= kBodySlots) return excess;
    if (Cosmos[2].ticked() && st.ImpactFlag == 0 && st.Mass[i] > 0) {
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

void FormOrbit::RotaP(int i) {
    if (i < 1 || i >= kPairSlots) return;
    st.RadTwips = TXrad[i].leadingValue() / st.KmPerTwip;
    if (st.RadTwips < kMinDrawnRadius && Chauto.ticked()) return;
    int rings = toolkit::clampToInt16(Text6.leadingValue());
    if (rings > kMaxRings) {
        rings = kMaxRings;
        Text6.setText("6");
    }
    st.SurfPoints = Text3.leadingValue();
    if (st.SurfPoints > kMaxPoints) {
        st.SurfPoints = kMaxPoints;
        Text3.setText("32");
    }
    const int points = toolkit::clampToInt16(st.SurfPoints);
    st.RotAngle[i] += st.Spin[i];
    if (st.RotAngle[i] > st.TwoPi) st.RotAngle[i] -= st.TwoPi;
    if (st.RotAngle[i] < 0) st.RotAngle[i] += st.TwoPi;
    // The points that left their pixel are erased from it; then every point is drawn, which also restores
    // one that an erase or the orbit line painted over.
    SurfPixelGrid& pixels = st.SurfPixel[i];
    const toolkit::Color black = toolkit::rgb(0, 0, 0);
    patternPlacers_[i].place({.radius = st.RadTwips,
                              .turn = st.RotAngle[i],
                              .centreX = st.ScrX[i],
                              .centreY = st.ScrY[i],
                              .points = st.SurfPoints,
                              .fullTurn = st.TwoPi,
                              .count = points,
                              .rings = rings},
                             pixels, [&](std::int32_t left) {
                                 if (left != kOffDrawing) surface_.setPixel(left, black);
                             });
    const toolkit::Color colour = TXvolight[i].foreColor();
    for (int ring = 0; ring < rings; ++ring) {
        for (int p = 1; p <= points; ++p) {
            if (pixels[p][ring] != kOffDrawing) surface_.setPixel(pixels[p][ring], colour);
        }
    }
}

void FormOrbit::Mitsu() {
    placeOnScreen(st, 2);
    surface_.setPoint(toolkit::intPart(st.ScrX[2]), toolkit::intPart(st.ScrY[2]), TXTOden.foreColor());
}

}  // namespace zephra
