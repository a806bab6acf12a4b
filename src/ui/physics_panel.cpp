// SPDX-License-Identifier: GPL-3.0-or-later
// The physics options panel: the model switches with their explanations, the gravity-delay panel and the
// spin rows of the body panel. The tick reads most of these controls itself on every iteration.

#include <cmath>
#include <string>

#include "toolkit/number_text.h"
#include "ui/colour_pairs.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
double number(const TextBox& box) {
    return toolkit::leadingNumber(box.text());
}

// A box the tick reads as an amount gets its default when it holds 0 or no number at all.
bool holdsNoAmount(const TextBox& box) {
    return toolkit::strictNumber(box.text()).value_or(0) == 0;
}
}  // namespace

void FormOrbit::Cosmos_Click(int Index) {
    if (Index < 0 || Index > 5) return;
    // Newton's gravity cannot be switched off, only greyed.
    if (Index == 0 && Cosmos[0].value() == CheckBox::kUnticked) Cosmos[0].setValue(CheckBox::kGreyed);
    for (int j = 0; j <= 5; ++j)
        if (j != Index) LaCosmo[j].setVisible(false);

    if (Cosmos[3].value() == CheckBox::kTicked) {
        st.BufPos = 1;  // the gravity history starts again
        LaChirp[2].setCaption("Information regarding gravity delay may appear here.");
        paint(LaChirp[2], kPlainFore, kPlainBack);
        if (number(TXGspeed) == 0) {
            TXGspeed.setText("1");
            HSgrav.setValue(1);
        }
    } else {
        Cosmos[3].setValue(CheckBox::kUnticked);
        paint(LaChirp[2], kPlainFore, kPlainBack);
        HSgrav.setValue(0);
        TXGspeed.setText("0");
        LaChirp[2].setCaption("General Relativity is currently not active See 'Physical Cosmology' options.");
        TXerr.setText("~");
        TXitd.setText("~");
        TXbuf.setVisible(false);
    }

    LaCosmo[Index].setLeft(60);
    LaCosmo[Index].setTop(60);
    if (!FrameGD.visible() && Cosmos[Index].value() != CheckBox::kUnticked) LaCosmo[Index].setVisible(true);

    if (Index == 5 && Cosmos[5].ticked()) {
        if (holdsNoAmount(TXyield)) TXyield.setText(toolkit::numberText(0.001));
        if (holdsNoAmount(TXSpinTransfer)) TXSpinTransfer.setText(toolkit::numberText(0.085));
    }
    if (Index == 4 && Cosmos[4].ticked() && holdsNoAmount(TXdark))
        TXdark.setText(toolkit::numberText(0.0004));
}

void FormOrbit::OpGD_Click(int) {
    const bool spatial = OpGD[1].value();
    paint(OpGD[spatial ? 1 : 0], kHighlightFore, kHighlightBack);
    paint(OpGD[spatial ? 0 : 1], kPlainFore, kPlainBack);
}

void FormOrbit::HSgrav_Change() {
    TXGspeed.setText(toolkit::numberText(HSgrav.value()));
    if (Cosmos[3].value() == CheckBox::kUnticked && HSgrav.value() > 0) Cosmos[3].setValue(CheckBox::kTicked);
}

void FormOrbit::TXGspeed_LostFocus() {
    const double v = number(TXGspeed);
    TXGspeed.setText(toolkit::numberText(v));
    if (v < 0) TXGspeed.setText("1");
    if (v != std::floor(v)) {
        HSgrav.setVisible(false);  // the bar shows whole speeds only
        return;
    }
    if (v <= 10) HSgrav.setValue(toolkit::clampToInt16(number(TXGspeed)));
    HSgrav.setVisible(v <= 10);
}

// The tick reads the friction from the box while the dark cloud is on; text that is no number gives way to
// the friction last in force.
void FormOrbit::TXdark_LostFocus() {
    if (!toolkit::strictNumber(TXdark.text())) refuseNonNumber(TXdark, st.DarkFric, "Dark cloud friction");
}

void FormOrbit::TXg_LostFocus(int Index) {
    if (Index < 0 || Index > 2) return;
    if (Index < 2 && number(TXg[Index]) < 1) TXg[Index].setText("1");
    // TXg(1) sets body 1 and TXg(0) the fixed body; a box that holds no number shows its mass in force again.
    for (int k : {1, 0}) {
        if (const auto m = toolkit::strictNumber(TXg[k].text()))
            st.Mass[k] = *m;
        else
            refuseNonNumber(TXg[k], st.Mass[k], "Gravity");
    }
    if (Index == 2) {
        if (number(TXg[2]) < 0.4) TXg[2].setText(toolkit::numberText(0.4));
        if (number(TXg[2]) > 2.6) TXg[2].setText(toolkit::numberText(2.6));
    }
}

void FormOrbit::ChspinD_Click() {
    LaChirp[1].setCaption("Scenario information may appear here.");
    const bool show = ChspinD.value() == CheckBox::kTicked;
    for (int b = 1; b <= 2; ++b) {
        TXspin[b].setVisible(show);
        TXspinT[b].setVisible(show);
        TXspinC[b].setVisible(show);
    }
    for (int k : {2, 3, 4, 6, 11, 12, 13, 14, 15}) Label5[k].setVisible(show);
    if (show && st.ScenarioNo != 16 && st.ScenarioNo != 17)
        LaChirp[1].setCaption("Rotation data is not relevant nor accurate in most scenarios for Zephra.");
}

}  // namespace zephra
