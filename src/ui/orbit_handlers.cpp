// SPDX-License-Identifier: GPL-3.0-or-later
// The orbit panel: quadrant and orbit counting at the start of every tick, the distance extremes of the
// main pair, the period selector, the first-eight-orbits table and the gravity-delay distances.

#include <string>

#include "toolkit/color.h"
#include "toolkit/number_text.h"
#include "tracking/orbit_figures.h"
#include "tracking/orbit_stats.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::asNumber;
using toolkit::asPattern;
using toolkit::asSignedNumber;
using toolkit::asWholeNumber;
using toolkit::numberText;
using toolkit::rgb;

bool FormOrbit::OrbitTickStart() {
    if (tracking::countOrbit(st)) {
        if (CHac.value() == 1 && ChOrbit.value() == 0) surface_.clear();
        Drifter();
        tracking::recordOrbitPeriod(st);
        if (OpAnnual[0].value()) {
            TXdayFreq.setText(st.LastDaysText);
            TXyearFreq.setText(st.LastYearsText);
        }
        if (OpAnnual[1].value()) {
            TXdayFreq.setText(st.AvgDaysText);
            TXyearFreq.setText(st.AvgYearsText);
        }
    }
    if (panelsShown_) TXlaps.setText(asNumber(st.Laps));

    st.Iters += 1;
    if (st.Iters == 1 && st.ScenarioNo == 0) Mitsu();
    if (panelsShown_) TXiterations.setText(asNumber(st.Iters));

    if (st.Quart != st.PrevQuart) {
        const int quadrant = static_cast<int>(st.Quart);
        const int shade = quadrant * 45 + 70;
        LaQuart.setHeight(quadrant * 50);
        LaQuart.setBackColor(rgb(shade, shade, 0));
        const std::optional<double> perOrbit = tracking::itersPerOrbit(st);
        TXcalorb.setText(perOrbit ? numberText(*perOrbit) : "n/a");
        // The first half orbit's period is the elapsed time as the panel shows it.
        if (st.Quart == 3 && st.Laps == 0) {
            st.HalfDaysText = Laday.caption();
            st.HalfYearsText = LaYears.caption();
            if (OpAnnual[2].value()) {
                TXdayFreq.setText(st.HalfDaysText);
                TXyearFreq.setText(st.HalfYearsText);
            }
        }
    }
    st.PrevQuart = st.Quart;

    if (ChOrbit.ticked() && st.StopLap == st.Laps) {
        Command5.press();
        st.StopLap += 1;
        return false;
    }
    return true;
}

void FormOrbit::OrbitPairStep() {
    tracking::recordPairDistance(st);
    if (!panelsShown_) return;

    const double d = st.Dist;
    TXdif.setToolTip(asNumber(st.AllDif));
    TXmin.setText(asWholeNumber(st.LapMin));
    TXmin.setToolTip(asSignedNumber<" km">(st.LapMin));
    TXmax.setText(asWholeNumber(st.LapMax));
    TXmax.setToolTip(asSignedNumber<" km">(st.LapMax));
    TxTmin.setToolTip(asNumber(st.AllMin));
    TxTmax.setToolTip(asNumber(st.AllMax));
    TXperdif.setText(asPattern<"00.000">(st.AllEcc));
    TXperOdif.setText(asPattern<"00.000">(st.LapEcc));

    const bool simple = ChNum.ticked();
    TXapart.setToolTip(asSignedNumber<" km">(d));
    TXapart.setText(tracking::distanceShown(d, d, simple, true));
    TXdif.setText(tracking::distanceShown(st.AllDif, d, simple, false));
    TxTmin.setText(tracking::distanceShown(st.AllMin, d, simple, false));
    TxTmax.setText(tracking::distanceShown(st.AllMax, d, simple, false));
}

void FormOrbit::DisCalc() {
    if (!ChDist.ticked()) {
        FrameGD.setVisible(false);
        return;
    }
    FrameGD.setVisible(true);
    LaChirp[2].setForeColor(TXerr.foreColor());
    LaChirp[2].setBackColor(TXerr.backColor());
    for (int i = 1; i <= 2; ++i) {
        if (Cosmos[3].ticked())
            TXgd[i].setText(asPattern<"0000.000">(tracking::distanceFromOrigin(st, i)));
        else
            TXgd[i].setText("Zero.");
    }
    for (int k = 1; k <= 4; ++k) LaCosmo[k].setVisible(false);
}

void FormOrbit::OpAnnual_Click(int Index) {
    struct PeriodView {
        const char* daysCaption;
        const char* yearsCaption;
        const std::string& days;
        const std::string& years;
    };
    const PeriodView views[] = {
        {"Orbit days (last)", "Orbit years (last)", st.LastDaysText, st.LastYearsText},
        {"Orbit days (avg)", "Orbit years (avg)", st.AvgDaysText, st.AvgYearsText},
        {"1st 1/2 orbit days", "1st 1/2 orbit years", st.HalfDaysText, st.HalfYearsText},
    };
    if (Index < 0 || Index > 2) return;
    const PeriodView& view = views[Index];
    LaQd.setCaption(view.daysCaption);
    LaQy.setCaption(view.yearsCaption);
    TXdayFreq.setText(view.days);
    TXyearFreq.setText(view.years);
}

void FormOrbit::ChMinMax_Click() {
    const bool showMax = ChMinMax.ticked();
    for (int k = 1; k <= 8; ++k) LaDrift[k].setCaption(numberText(st.FirstLaps[showMax ? 1 : 0][k]));
    ChMinMax.setCaption(showMax ? "Max dist" : "Min dist");
}

}  // namespace zephra
