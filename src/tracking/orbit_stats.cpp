#include <cmath>

#include "toolkit/color.h"
#include "toolkit/number_text.h"
#include "tracking/orbit_figures.h"
#include "ui/form_orbit.h"

// The orbit panel: quadrant and orbit counting at the start of every tick, the distance extremes of the
// main pair, the period selector, the first-eight-orbits table and the gravity-delay distances.
namespace zephra {

using toolkit::asNumber;
using toolkit::asPattern;
using toolkit::asSignedNumber;
using toolkit::asWholeNumber;
using toolkit::formatNumber;
using toolkit::intPart;
using toolkit::numberText;
using toolkit::rgb;

namespace {

constexpr const char* kPeriodPattern = "0.00000000";

}  // namespace

bool FormOrbit::OrbitTickStart() {
    st.Quart = tracking::quadrantOf(st.ScrX[1], st.ScrY[1], st.ScrX[2], st.ScrY[2], st.Quart);

    // An orbit ends when body 2 passes from the lower right to the upper right of body 1; a jump over a
    // quadrant is not a passage.
    if (st.PrevQuart == 4 && st.Quart == 1) {
        st.Laps += 1;
        if (CHac.value() == 1 && ChOrbit.value() == 0) surface_.clear();
        Drifter();
        const double days = st.ElapsedDays - st.LapStartDays;
        const double years = st.ElapsedYears - st.LapStartYears;
        st.LastDaysText = formatNumber(days, kPeriodPattern);
        st.LastYearsText = formatNumber(years, kPeriodPattern);
        if (OpAnnual[0].value()) {
            TXdayFreq.setText(st.LastDaysText);
            TXyearFreq.setText(st.LastYearsText);
        }
        st.LapYearsSum += years;
        st.LapDaysSum += days;
        st.LapStartYears = st.ElapsedYears;
        st.LapStartDays = st.ElapsedDays;
        st.AvgDaysText = formatNumber(st.LapDaysSum / st.Laps, kPeriodPattern);
        st.AvgYearsText = formatNumber(st.LapYearsSum / st.Laps, kPeriodPattern);
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
        const double orbits = st.Laps + (st.Quart - 1) * 0.25;
        TXcalorb.setText(orbits > 0 ? numberText(intPart(st.Iters / orbits)) : "n/a");
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
    const double d = st.Dist;
    if (d < st.LapMin) st.LapMin = d;
    if (d > st.LapMax) st.LapMax = d;
    if (d < st.AllMin) st.AllMin = d;
    if (d > st.AllMax) st.AllMax = d;
    st.AllDif = st.AllMax - st.AllMin;
    st.AllEcc = tracking::eccentricityPct(st.AllMin, st.AllMax);
    st.LapEcc = tracking::eccentricityPct(st.LapMin, st.LapMax);
    if (!panelsShown_) return;

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
        const double d = std::hypot(st.PosX[i] - st.OriginX[i], st.PosY[i] - st.OriginY[i]);
        if (Cosmos[3].ticked())
            TXgd[i].setText(asPattern<"0000.000">(d));
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
