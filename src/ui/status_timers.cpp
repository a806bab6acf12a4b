// SPDX-License-Identifier: GPL-3.0-or-later
// The two interface timers (the start-up sweep over the scenario buttons, the blinking marker of a paused
// run) and the small click handlers of labels and of the close button.

#include <cmath>
#include <optional>

#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {

void FormOrbit::Tr_Timer() {
    st.IntroTicks = static_cast<std::int16_t>(st.IntroTicks + 1);
    if (st.IntroTicks > 32000) st.IntroTicks = -32000;
    TXran.setText(toolkit::numberText(st.IntroTicks));

    // After half a minute with no model chosen beyond Newton's, his option is shown greyed.
    if (st.IntroTicks == 2000 && Cosmos[0].value() != CheckBox::kTicked && Cosmos[1].value() == 0 &&
        Cosmos[2].value() == 0 && Cosmos[3].value() == 0 && Cosmos[4].value() == 0)
        Cosmos[0].setValue(CheckBox::kGreyed);

    // Five sweeps over the buttons, one every 150 ms, then the timer only counts.
    double p = st.IntroTicks;
    for (double start : {2000.0, 1500.0, 1000.0, 500.0}) {
        if (p > start) {
            p -= start;
            break;
        }
    }
    const double k = p > 500 ? std::floor(p / 25) : std::floor(p / 10);
    if (p / 10 != k || k <= 0) return;
    const double last = st.MaxScenarioBtn;
    if (k < last + 1 && decltype(CDp)::inRange(static_cast<int>(k))) {
        KlikBut();
        CDp[static_cast<int>(k)].setBackColor(Label7.foreColor());
    } else if (k == last + 1 && decltype(CDp)::inRange(static_cast<int>(last))) {
        CDp[static_cast<int>(last)].setBackColor(TXGspeed.backColor());
    }
}

void FormOrbit::TiF_Timer() {
    const toolkit::Color off = TXTOden.backColor();
    const double type = toolkit::leadingNumber(TxTyp.text());
    if (Shark.borderColor() == off) {
        std::optional<toolkit::Color> lit;
        if (type == 0) lit = toolkit::rgb(255, 255, 128);
        if (type == 1) lit = toolkit::rgb(255, 191, 0);
        if (type == 2) lit = toolkit::rgb(96, 191, 255);
        if (type == 3) lit = TXw[2].foreColor();
        if (type == 4) lit = TXn.foreColor();
        if (lit) {
            Shark.setBorderColor(*lit);
            TxTyp.setForeColor(*lit);
        }
        Shark.setFillColor(toolkit::kBlack);
    } else {
        Shark.setBorderColor(off);
        Shark.setFillColor(toolkit::rgb(128, 128, 128));
    }
    La[16].setCaption(type < 3 ? "Star Type" : "Planet Type");
}

void FormOrbit::Command1_Click() {
    Farewell.setVisible(true);
    setVisible(false);
}

// The pause itself is the tick's; an auto-cleared screen would hide the orbit the pause is for.
void FormOrbit::ChOrbit_Click() {
    CHac.setValue(CheckBox::kUnticked);
}

void FormOrbit::La_Click(int Index) {
    if (Index == 0) Asgard();
    if (Index == 2) Text5.setText(Text1.text());
    if (Index == 3) Text1.setText(Text5.text());
}

void FormOrbit::LaChirp_Click(int Index) {
    if (Index == 0) LaChirp[0].setVisible(false);
}

void FormOrbit::LaTime_Click() {
    st.ElapsedSec = 0;
    st.ElapsedFrac = 0;
    st.ElapsedDays = 0;
    st.ElapsedYears = 0;
}

}  // namespace zephra
