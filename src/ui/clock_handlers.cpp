// SPDX-License-Identifier: GPL-3.0-or-later
// The elapsed-time panel and the end of a run, shown once per tick; the error-margin reset and the
// "User Overide" option.

#include <cmath>

#include "toolkit/number_text.h"
#include "tracking/clock.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::formatNumber;
using toolkit::numberText;
using toolkit::signedNumberText;

void FormOrbit::TikTok() {
    tracking::advanceClock(st);
    if (panelsShown_) {
        Laday.setCaption(elapsedDaysText());
        LaYears.setCaption(elapsedYearsText());
        if (st.TimeScaleIdx > 10) {
            if (st.ElapsedYears < tracking::kMillionYearsFrom) {
                Lamil.setCaption(numberText(std::floor(st.ElapsedYears / 1000)));
                Lamil.setToolTip("Thousand Years");
                LaYonks.setCaption("Thousand Years:");
                LaYonks.setForeColor(Chuser.foreColor());
            } else {
                Lamil.setCaption(numberText(std::floor(st.ElapsedYears / 1000000)));
                Lamil.setToolTip("Million Years");
                LaYonks.setCaption("Million Years:");
                LaYonks.setForeColor(Label7.foreColor());
            }
        }
        LaTime.setCaption(formatNumber(st.ElapsedFrac, "00000"));
        LaTT.setCaption(signedNumberText(st.ElapsedSec) + ".");
    }

    if (const char* notice = tracking::endNotice(st.EndCode)) {
        LaChirp[1].setCaption(notice);
        if (st.EndCode == 99) TXender.setFocus();
        LaChirp[1].setForeColor(TXGspeed.foreColor());
        LaChirp[1].setBackColor(FraSpin.backColor());
        Ti.setEnabled(false);
    }

    Horizon();
}

std::string FormOrbit::elapsedDaysText() const {
    return formatNumber(st.ElapsedDays, "0.00000000");
}
std::string FormOrbit::elapsedYearsText() const {
    return formatNumber(st.ElapsedYears, "0.00000000");
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
