// SPDX-License-Identifier: GPL-3.0-or-later
#include "tracking/orbit_figures.h"

#include <cmath>

#include "toolkit/number_text.h"

namespace zephra::tracking {

using toolkit::numberText;
using toolkit::signedNumberText;

float quadrantOf(double x1, double y1, double x2, double y2, float previous) {
    float quadrant = previous;
    if (x1 < x2 && y1 < y2) quadrant = 4;
    if (x1 < x2 && y1 > y2) quadrant = 1;
    if (x1 > x2 && y1 > y2) quadrant = 2;
    if (x1 > x2 && y1 < y2) quadrant = 3;
    return quadrant;
}

double eccentricityPct(double least, double greatest) {
    if (!(greatest > 0)) return 0;
    const double ratio = std::floor(least * 100000 / greatest) / 1000;
    return std::isfinite(ratio) ? 100 - ratio : 0;
}

std::string distanceShown(double value, double pairDist, bool simple, bool padded) {
    if (!simple || value < 100000)
        return padded ? toolkit::formatNumber(std::floor(value), "0000") : numberText(std::floor(value));
    if (pairDist < 10000000) return signedNumberText(std::floor(value / 1000)) + " kkm";
    return signedNumberText(std::floor(value / 1000000)) + " mkm";
}

}  // namespace zephra::tracking
