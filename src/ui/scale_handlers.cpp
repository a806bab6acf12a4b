// SPDX-License-Identifier: GPL-3.0-or-later
// The time scale and computation rate (how often the run timer fires), and the distance scale.

#include <cmath>
#include <limits>

#include "display/distance_scale.h"
#include "display/scale_tables.h"
#include "display/time_scale.h"
#include "toolkit/number_text.h"
#include "ui/colour_pairs.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
// The interval box's preset rates, ms, by option index (option 0 is the free entry).
constexpr const char* kPresetRates[] = {nullptr, "500", "75", "15"};

// The rate option that stands for an interval: a preset, or the free entry.
int rateOption(double ms) {
    return ms == 15 ? 3 : ms == 75 ? 2 : ms == 500 ? 1 : 0;
}
}  // namespace

void FormOrbit::Optime_Click(int Index) {
    // The hidden option only clears the visible selection.
    if (Index < 0 || Index >= kTimeScales) return;
    if (ChReset.value() == CheckBox::kTicked) {
        st.MoveErrMax[1] = 0;
        st.MoveErrMax[2] = 0;
    }
    for (int k = 0; k < kTimeScales; ++k) paintScaleOption(Optime[k]);
    FraMil.setVisible(Index >= 11);
    st.TimeRateLog +=
        "Time Rate: " + Optime[Index].caption() + " {" + toolkit::signedNumberText(Index) + " };  ";

    applyTimeScale(st, Index);
    Laadd.setCaption(toolkit::formatNumber(st.StepUnits / 100000, "0.00000"));
}

bool FormOrbit::userTimeScaleInForce() const {
    // Before any scale was chosen TimeFac is 0 and a run would stand still: the scenario's own scale serves.
    return Chuser.ticked() && st.TimeFac > 0;
}

void FormOrbit::setRunIntervalFromBox() {
    const std::optional<double> ms = toolkit::strictNumber(TXt.text());
    if (ms && *ms >= 1 && *ms <= std::numeric_limits<int>::max() && *ms == std::floor(*ms)) {
        acceptedRate_ = static_cast<int>(*ms);
        Ti.setInterval(acceptedRate_);
        return;
    }
    LaChirp[1].setCaption("PC rate refused: it must be a whole number of milliseconds from 1 to 2147483647.");
    TXt.setText(toolkit::numberText(acceptedRate_));
    // The options follow the restored rate (a preset option writes the same text again).
    Optim[rateOption(acceptedRate_)].select();
}

void FormOrbit::Optim_Click(int Index) {
    if (Index < 0 || Index > 3) return;
    if (Index == 0)
        TXt.setFocus();
    else
        TXt.setText(kPresetRates[Index]);
    setRunIntervalFromBox();
}

void FormOrbit::TXt_LostFocus() {
    const int option = rateOption(toolkit::leadingNumber(TXt.text()));
    // A freely typed rate must reach the timer even when the free option is already the selected one.
    if (Optim[option].value())
        Optim_Click(option);
    else
        Optim[option].select();
}

void FormOrbit::OpDist_Click(int Index) {
    if (Index < 0 || Index >= kDistanceScales) return;
    // The gravity-origin dots were drawn at the old scale.
    if (st.OriginScrX[1] > 0 && st.OriginScrX[1] < ScaleWidth() && st.OriginScrY[1] > 0 &&
        st.OriginScrY[1] < ScaleHeight()) {
        surface().setPoint(st.OriginScrX[1], st.OriginScrY[1], toolkit::kBlack);
        surface().setPoint(st.OriginScrX[2], st.OriginScrY[2], toolkit::kBlack);
    }
    for (int k = 0; k < kDistanceScales; ++k) paintScaleOption(OpDist[k]);
    applyDistanceScale(st, Index);
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
