// SPDX-License-Identifier: GPL-3.0-or-later
#include "display/distance_scale.h"

#include <cstddef>

#include "display/scale_tables.h"
#include "engine/screen_mapping.h"

namespace zephra {

void applyDistanceScale(SimState& st, int k) {
    st.DistIdx = static_cast<float>(k);
    const DistanceScale& scale = kDistanceScaleTable[static_cast<std::size_t>(k)];
    st.KmPerTwip = scale.kmPerTwip;
    st.OrgX = scale.orgX;
    st.OrgY = scale.orgY;
    for (int b = 1; b <= 2; ++b) placeOnScreen(st, b);
}

}  // namespace zephra
