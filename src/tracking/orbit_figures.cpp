#include "tracking/orbit_figures.h"

#include <cmath>

#include "toolkit/number_text.h"

namespace zephra::tracking {

using toolkit::asNumber;
using toolkit::asPattern;
using toolkit::asSignedNumber;
using toolkit::intPart;

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
    const double ratio = intPart(least * 100000 / greatest) / 1000;
    return std::isfinite(ratio) ? 100 - ratio : 0;
}

toolkit::NumberShown distanceShown(double value, double pairDist, bool simple, bool padded) {
    if (!simple || value < 100000)
        return padded ? asPattern(intPart(value), "0000") : asNumber(intPart(value));
    if (pairDist < 10000000) return asSignedNumber(intPart(value / 1000), " kkm");
    return asSignedNumber(intPart(value / 1000000), " mkm");
}

}  // namespace zephra::tracking
