// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/orbit_repair.h"

#include <algorithm>

#include "engine/screen_mapping.h"

namespace zephra {

void repaintRecordedPath(const SimState& st, const OrbitShades& shades, toolkit::Surface& surface) {
    if (st.KmPerTwip == 0) return;
    const int n = st.Iters < kHistoryWrap ? static_cast<int>(std::max(0.0, st.Iters)) : kHistoryWrap;
    for (int s = 0; s <= n; ++s) {
        for (int i = 1; i <= 2; ++i) {
            const double bx = st.BufX(s, i), by = st.BufY(s, i);
            if (bx == 0 || by == 0) continue;
            const double x = screenX(st, bx);
            const double y = screenY(st, by);
            if (!shades.alternate) {
                surface.setPoint(x, y, shades.even[i]);
            } else if (const float shade = st.BufShade(s, i); shade == 3) {
                surface.setPoint(x, y, shades.odd[i]);
            } else if (shade == 2) {
                surface.setPoint(x, y, shades.even[i]);
            }
        }
    }
}

}  // namespace zephra
