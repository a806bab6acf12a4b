// Time scale (how much virtual time one iteration stands for) and computation rate (how often the run timer
// fires). Velocities are stored per iteration, so a change of scale rescales those of the main pair.

#include <cmath>
#include <limits>

#include "display/scale_tables.h"
#include "toolkit/number_text.h"
#include "ui/colour_pairs.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
// The interval box's preset rates, ms, by option index (option 0 is the free entry).
constexpr const char* kPresetRates[] = {nullptr, "500", "75", "15"};
}  // namespace

void FormOrbit::paintScaleOption(OptionButton& option) {
    option.setForeColor(option.value() ? kChosenScaleFore : kPlainFore);
    option.setBackColor(option.value() ? kChosenScaleBack : kPlainBack);
}

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

    st.TimeFac = std::pow(10.0, Index);
    st.TimeScaleIdx = static_cast<float>(Index);
    const double ratio = st.TimeFac / st.PrevTimeFac;
    for (int b = 1; b <= 2; ++b) {
        st.VelX[b] *= ratio;
        st.VelY[b] *= ratio;
    }
    st.TimeFac2 = st.TimeFac * st.TimeFac;
    st.StepUnits = st.TimeFac * 15;
    Laadd.setCaption(toolkit::formatNumber(st.StepUnits / 100000, "0.00000"));
    st.ItersPerSec = 100000 / st.StepUnits;
    st.PrevTimeFac = st.TimeFac;
}

bool FormOrbit::setRunInterval(double ms) {
    const double whole = std::nearbyint(ms);  // halves to even, as the window's whole-number conversion
    if (!(whole >= 0 && whole <= std::numeric_limits<int>::max())) {
        TXt.setText(st.RateText);
        LaChirp[1].setCaption(
            "PC rate refused: it must be a whole number of milliseconds from 0 to 2147483647.");
        return false;
    }
    st.RateText = TXt.text();
    Ti.setInterval(static_cast<int>(whole));
    return true;
}

void FormOrbit::Optim_Click(int Index) {
    if (Index < 0 || Index > 3) return;
    if (Index == 0)
        TXt.setFocus();
    else
        TXt.setText(kPresetRates[Index]);
    setRunInterval(toolkit::strictNumber(TXt.text()).value_or(std::nan("")));
}

void FormOrbit::TXt_LostFocus() {
    const double rate = toolkit::leadingNumber(TXt.text());
    const int option = rate == 15 ? 3 : rate == 75 ? 2 : rate == 500 ? 1 : 0;
    // A freely typed rate must reach the timer even when the free option is already the selected one.
    if (Optim[option].value())
        Optim_Click(option);
    else
        Optim[option].select();
}

}  // namespace zephra
