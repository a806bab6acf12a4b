// SPDX-License-Identifier: GPL-3.0-or-later
// The elapsed-time panel and the end of a run, shown once per tick; the error-margin reset and the
// "User Overide" option.

#include "toolkit/number_text.h"
#include "tracking/clock.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::asFixedText;
using toolkit::asPattern;
using toolkit::asSignedNumber;
using toolkit::asWholeNumber;

void FormOrbit::TikTok() {
    tracking::advanceClock(st);
    // Always current: the orbit panel keeps these texts as the first half orbit's period.
    Laday.setCaption(asPattern<"0.00000000">(st.ElapsedDays));
    LaYears.setCaption(asPattern<"0.00000000">(st.ElapsedYears));

    if (panelsShown_) {
        if (st.TimeScaleIdx > 10) {
            if (st.ElapsedYears < tracking::kMillionYearsFrom) {
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

    if (const char* notice = tracking::endNotice(st.EndCode)) {
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
