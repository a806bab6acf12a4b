// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The pure formulas behind the orbit panel: which quadrant body 2 is in around body 1, the eccentricity
// figure of a pair of extremes, and the exact-or-simple rendering of a distance.

#include <string>

namespace zephra::tracking {

// Quadrant of body 2 around body 1 from screen positions (y grows downwards): 1 right and above, 2 left
// and above, 3 left and below, 4 right and below. Equal x or y positions keep the previous quadrant.
float quadrantOf(double x1, double y1, double x2, double y2, float previous);

// How much the least distance is below the greatest, in percent, the ratio truncated to three decimals
// of a percent first. A pair never apart (greatest not positive) counts as circular: 0.
double eccentricityPct(double least, double greatest);

// How a distance box shows a distance: the whole km (at least four digits when padded) when exact display is
// asked for or the value is below 100000 km; otherwise thousands (" kkm") or, when the pair itself is 10
// million km or more apart, millions (" mkm") of km.
std::string distanceShown(double value, double pairDist, bool simple, bool padded);

}  // namespace zephra::tracking
