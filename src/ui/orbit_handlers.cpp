// SPDX-License-Identifier: GPL-3.0-or-later
// The orbit panel: quadrant and orbit counting at the start of every tick, the distance extremes of the
// main pair, the period selector, the first-eight-orbits table and the gravity-delay distances.

#include <cmath>
#include <string>

#include "toolkit/color.h"
#include "toolkit/number_text.h"
#include "tracking/orbit_figures.h"
#include "tracking/orbit_stats.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::formatNumber;
using toolkit::numberText;
using toolkit::rgb;
using toolkit::signedNumberText;

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
    if (panelsShown_) TXlaps.setText(numberText(st.Laps));

    st.Iters += 1;
    if (st.Iters == 1 && st.ScenarioNo == 0) Mitsu();
    if (panelsShown_) TXiterations.setText(numberText(st.Iters));

    if (st.Quart != st.PrevQuart) {
        const int quadrant = static_cast<int>(st.Quart);
        const int shade = quadrant * 45 + 70;
        LaQuart.setHeight(quadrant * 50);
        LaQuart.setBackColor(rgb(shade, shade, 0));
        const std::optional<double> perOrbit = tracking::itersPerOrbit(st);
        TXcalorb.setText(perOrbit ? numberText(*perOrbit) : "n/a");
        // The first half orbit's period is the elapsed time as the panel shows it; with the panels hidden
        // the clock labels are not written, and the clock's own numbers are what they would show.
        if (st.Quart == 3 && st.Laps == 0) {
            st.HalfDaysText = panelsShown_ ? Laday.caption() : elapsedDaysText();
            st.HalfYearsText = panelsShown_ ? LaYears.caption() : elapsedYearsText();
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
    TXdif.setToolTip(numberText(st.AllDif));
    TXmin.setText(numberText(std::floor(st.LapMin)));
    TXmin.setToolTip(signedNumberText(st.LapMin) + " km");
    TXmax.setText(numberText(std::floor(st.LapMax)));
    TXmax.setToolTip(signedNumberText(st.LapMax) + " km");
    TxTmin.setToolTip(numberText(st.AllMin));
    TxTmax.setToolTip(numberText(st.AllMax));
    TXperdif.setText(formatNumber(st.AllEcc, "00.000"));
    TXperOdif.setText(formatNumber(st.LapEcc, "00.000"));

    const bool simple = ChNum.ticked();
    TXapart.setToolTip(signedNumberText(d) + " km");
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
    if (panelsShown_) {
        for (int i = 1; i <= 2; ++i) {
            if (Cosmos[3].ticked())
                TXgd[i].setText(formatNumber(tracking::distanceFromOrigin(st, i), "0000.000"));
            else
                TXgd[i].setText("Zero.");
        }
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
