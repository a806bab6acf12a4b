// Distance scale: km per twip and where the km origin stands on the window.

#include "display/scale_tables.h"
#include "display/screen_mapping.h"
#include "ui/colour_pairs.h"
#include "ui/form_orbit.h"

namespace zephra {

void FormOrbit::OpDist_Click(int Index) {
    if (Index < 0 || Index >= kDistanceScales) return;
    // The gravity-origin dots were drawn at the old scale.
    if (st.OriginScrX[1] > 0 && st.OriginScrX[1] < ScaleWidth() && st.OriginScrY[1] > 0 &&
        st.OriginScrY[1] < ScaleHeight()) {
        surface().setPoint(st.OriginScrX[1], st.OriginScrY[1], toolkit::kBlack);
        surface().setPoint(st.OriginScrX[2], st.OriginScrY[2], toolkit::kBlack);
    }
    st.DistIdx = static_cast<float>(Index);
    for (int k = 0; k < kDistanceScales; ++k) paintScaleOption(OpDist[k]);
    const DistanceScale& scale = kDistanceScaleTable[static_cast<std::size_t>(Index)];
    st.KmPerTwip = scale.kmPerTwip;
    st.OrgX = scale.orgX;
    st.OrgY = scale.orgY;
    for (int b = 1; b <= 2; ++b) placeOnScreen(st, b);
    surface().clear();
}

void FormOrbit::Chend_Click() {
    if (Chend.ticked()) {
        Chend.setCaption("End if object exits");
        Chend.setToolTip("If the object leaves the edge of the visible screen then the scenario will end.");
    } else {
        Chend.setCaption("Expand screen");
        Chend.setToolTip(
            "If the object leaves the edge of the visible screen then the screen scales outwards.");
    }
}

}  // namespace zephra
