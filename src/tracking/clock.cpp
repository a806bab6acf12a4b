#include <string>

#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

// The virtual clock of a run and the end-of-run notices, shown once per tick.
namespace zephra {

using toolkit::asFixedText;
using toolkit::asPattern;
using toolkit::asSignedNumber;
using toolkit::asWholeNumber;

namespace {

constexpr double kUnitsPerSecond = 100000;  // clock units are 10^-5 s
constexpr double kSecondsPerDay = 86400;
constexpr double kSecondsPerYear = 31558118.4;  // 365.256 days
constexpr double kMillionYearsFrom = 10000000;

// The notice for a code that ends the run; null for codes that let it go on.
const char* endNotice(float code) {
    if (code == 66) return "Bodies have departed the screen. Scenario Ends.";
    if (code == 67) return "Bodies have departed the simulator range. Scenario Ends.";
    if (code == 77) return "Bodies have impacted.\rScenario Ends.";
    if (code == 99) return "Bodies have generated an error margin higher than limit.\rScenario Ends.";
    return nullptr;
}

}  // namespace

void FormOrbit::TikTok() {
    // Steps below one second are summed in 10^-5 s units so that the finest scale loses nothing.
    if (st.StepUnits < kUnitsPerSecond) {
        st.ElapsedFrac += st.StepUnits;
        if (st.ElapsedFrac > kUnitsPerSecond - 1) {
            st.ElapsedFrac -= kUnitsPerSecond;
            st.ElapsedSec += 1;
        }
    } else {
        st.ElapsedSec += st.StepUnits / kUnitsPerSecond;
    }
    const double seconds = st.ElapsedFrac / kUnitsPerSecond + st.ElapsedSec;
    st.ElapsedDays = seconds / kSecondsPerDay;
    st.ElapsedYears = seconds / kSecondsPerYear;
    // Always current: the orbit panel keeps these texts as the first half orbit's period.
    Laday.setCaption(asPattern<"0.00000000">(st.ElapsedDays));
    LaYears.setCaption(asPattern<"0.00000000">(st.ElapsedYears));

    if (panelsShown_) {
        if (st.TimeScaleIdx > 10) {
            if (st.ElapsedYears < kMillionYearsFrom) {
                Lamil.setCaption(asWholeNumber(st.ElapsedYears / 1000));
                Lamil.setToolTip(asFixedText<"Thousand Years">());
                LaYonks.setCaption(asFixedText<"Thousand Years:">());
                LaYonks.setForeColor(Chuser.foreColor());
            } else {
                Lamil.setCaption(asWholeNumber(st.ElapsedYears / 1000000));
                Lamil.setToolTip(asFixedText<"Million Years">());
                LaYonks.setCaption(asFixedText<"Million Years:">());
                LaYonks.setForeColor(Label7.foreColor());
            }
        }
        LaTime.setCaption(asPattern<"00000">(st.ElapsedFrac));
        LaTT.setCaption(asSignedNumber<".">(st.ElapsedSec));
    }

    if (const char* notice = endNotice(st.EndCode)) {
        LaChirp[1].setCaption(notice);
        if (st.EndCode == 99) TXender.setFocus();
        LaChirp[1].setForeColor(TXGspeed.foreColor());
        LaChirp[1].setBackColor(FraSpin.backColor());
        Ti.setEnabled(false);
    }

    Horizon();
}

void FormOrbit::ChReset_Click() {
    st.MoveErrMax[1] = 0;
    st.MoveErrMax[2] = 0;
    TXender.setFocus();
}

void FormOrbit::Chuser_Click() {
    Chuser.setCaption(Chuser.ticked() ? "User Overide (scenario)" : "Scenario Time (user)");
    Chuser.setToolTip("Current selected time-scale will overide scenario time, if this is ticked by user.");
}

}  // namespace zephra
