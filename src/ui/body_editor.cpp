// SPDX-License-Identifier: GPL-3.0-or-later
// The body editor of a paused run (position, velocity and mass of one of the bodies 0..2, typed or dragged),
// the boxes that hold the settings of the bodies, and the start of a run ("Go").

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/screen_mapping.h"
#include "toolkit/number_text.h"
#include "ui/colour_pairs.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
constexpr double kMostPlanets = 144;              // what the planets box admits
constexpr int kHighestEditable = kPairSlots - 1;  // only bodies 0..2 have screen positions
constexpr int kBarTop = 32767;                    // position bars' range while a body is shown

double numberIn(const TextBox& box) {
    return toolkit::leadingNumber(box.text());
}

// The whole number a box holds, as a 16-bit box keeps it.
int wholeNumberIn(const TextBox& box) {
    return toolkit::clampToInt16(numberIn(box));
}

// Twips for a control's edge; a position far off the window is pinned rather than overflowing.
int edgeTwips(double twips) {
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    if (std::isnan(twips)) return 0;
    return static_cast<int>(std::lround(std::clamp(twips, -limit, limit)));
}

bool insideWindow(double x, double y, double width, double height) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    return fx > 0 && fx < width && fy > 0 && fy < height;
}
}  // namespace

int FormOrbit::editedBody() {
    const int n = wholeNumberIn(TXTOden);
    if (n >= 0 && n <= kHighestEditable) return n;
    const int kept = std::clamp(n, 0, kHighestEditable);
    TXTOden.setText(toolkit::numberText(kept));
    LaChirp[1].setCaption("Body " + toolkit::numberText(n) + " cannot be edited: only bodies 0 to 2 can.");
    return kept;
}

std::int16_t FormOrbit::bodiesInUse(double planets) {
    const double whole = std::floor(std::abs(planets));
    if (std::isnan(whole) || whole <= kBodySlots - 1) return toolkit::clampToInt16(whole);
    LaChirp[1].setCaption("Only bodies 1 to 9 take part: the simulation holds no more.");
    return kBodySlots - 1;
}

void FormOrbit::SetBody(int Pln) {
    if (Pln < 0 || Pln > kHighestEditable) return;
    TXTp[0].setText(toolkit::numberText(st.ScrX[Pln]));
    TXTp[1].setText(toolkit::numberText(st.ScrY[Pln]));
    TXTp[2].setText(toolkit::numberText(st.VelX[Pln]));
    TXTp[3].setText(toolkit::numberText(st.VelY[Pln]));
    TXTp[4].setText(toolkit::numberText(st.Mass[Pln]));
    for (int k = 0; k <= 1; ++k) {
        Hsp[k].setMin(0);
        Hsp[k].setMax(kBarTop);
    }
    if (insideWindow(st.ScrX[Pln], st.ScrY[Pln], ScaleWidth(), ScaleHeight())) {
        Hsp[0].setValue(static_cast<int>(std::floor(st.ScrX[Pln])));
        Hsp[1].setValue(static_cast<int>(std::floor(st.ScrY[Pln])));
    }
}

void FormOrbit::Asgard() {
    const int n = editedBody();
    TxTyp.setText(toolkit::numberText(st.BodyType[n]));
    SetBody(n);
    Ocean(n);
    if (st.BodyOff[n] == 1) Chon.setValue(CheckBox::kTicked);
    if (st.BodyOff[n] == 0) Chon.setValue(CheckBox::kUnticked);
}

void FormOrbit::Ocean(int Pln) {
    if (Pln < 0 || Pln > kHighestEditable) return;
    Shark.setTop(edgeTwips(st.ScrY[Pln] - Shark.height() / 2.0));
    Shark.setLeft(edgeTwips(st.ScrX[Pln] - Shark.width() / 2.0));
    Shark.setVisible(true);
}

void FormOrbit::Bifrost() {
    const int n = editedBody();
    // A mass that is not a number refuses the whole write-back, so the body never takes half an edit.
    const std::optional<double> mass = toolkit::strictNumber(TXTp[4].text());
    if (!mass) {
        refuseNonNumber(TXTp[4], st.Mass[n], "Mass");
        return;
    }
    st.VelX[n] = numberIn(TXTp[2]);
    st.VelY[n] = numberIn(TXTp[3]);
    st.PosX[n] = kmAtScreenX(st, numberIn(TXTp[0]));
    st.PosY[n] = kmAtScreenY(st, numberIn(TXTp[1]));
    st.ScrX[n] = numberIn(TXTp[0]);
    st.ScrY[n] = numberIn(TXTp[1]);
    st.Mass[n] = *mass;
}

void FormOrbit::Qui_Change() {
    TXTOden.setText(toolkit::numberText(Qui.value()));
    Asgard();
}

void FormOrbit::Opadd_Click(int Index) {
    if (Index < 0 || Index > 1) return;
    const bool visual = Index == 1;
    LabTab.setVisible(false);
    for (int k = 0; k <= 3; ++k) {
        if (k < 2) Hsp[k].setVisible(visual);
        // In visual mode the bars drive the positions.
        TXTp[k].setLocked(visual);
        TXTp[k].setVisible(true);
    }
    for (int k = 0; k <= 1; ++k) {
        Opadd[k].setForeColor(k == Index ? kHighlightFore : kPlainFore);
        Opadd[k].setBackColor(k == Index ? kHighlightBack : kPlainBack);
    }
}

void FormOrbit::Hsp_Change(int Index) {
    if (Index < 0 || Index > 1 || !Opadd[1].value()) return;
    TXTp[Index].setText(toolkit::numberText(Hsp[Index].value()));
    Bifrost();
    Asgard();
}

void FormOrbit::TXTp_LostFocus(int) {
    // Positions are pulled into the window one at a time; the other edits wait until the box is left again.
    if (numberIn(TXTp[0]) < 0) {
        TXTp[0].setText("0");
    } else if (numberIn(TXTp[1]) < 0) {
        TXTp[1].setText("0");
    } else if (static_cast<float>(numberIn(TXTp[0])) > ScaleWidth()) {
        TXTp[0].setText(toolkit::numberText(ScaleWidth()));
    } else if (numberIn(TXTp[1]) > ScaleHeight()) {
        TXTp[1].setText(toolkit::numberText(ScaleHeight()));
    } else if (Opadd[0].value()) {
        Bifrost();
        Asgard();
    }
}

void FormOrbit::TXn_LostFocus() {
    const double planets = numberIn(TXn);
    if (planets > kMostPlanets) TXn.setText(toolkit::numberText(kMostPlanets));
    if (planets < 1) TXn.setText("1");
}

void FormOrbit::TXn_DblClick() {
    const double planets = numberIn(TXn) + 1;
    TXn.setText(toolkit::numberText(planets));
    if (planets > kMostPlanets) TXn.setText(toolkit::numberText(kMostPlanets));
}

void FormOrbit::Text7_LostFocus() {
    int tagged = wholeNumberIn(Text7);
    st.NBodies = bodiesInUse(wholeNumberIn(TXn));
    if (tagged > st.NBodies) {
        Text7.setText(toolkit::numberText(st.NBodies));
        tagged = st.NBodies;
    }
    if (tagged < 0) Text7.setText("0");
}

void FormOrbit::TXran_LostFocus() {
    constexpr double kSeedLimit = 32767;
    const double seed = numberIn(TXran);
    if (seed < -kSeedLimit) TXran.setText(toolkit::numberText(-kSeedLimit));
    if (seed > kSeedLimit) TXran.setText(toolkit::numberText(kSeedLimit));
}

void FormOrbit::CHran_Click() {
    // A frozen seed stops the start-up timer from counting it on.
    Tr.setEnabled(CHran.value() != CheckBox::kTicked);
}

void FormOrbit::Text3_Change() {
    surface().clear();
    if (numberIn(Text3) < 3) Text3.setText("3");
}

void FormOrbit::Text3_DblClick() {
    Text3.setText(toolkit::numberText(std::floor(platform().random() * 30) + 3));
    surface().clear();
}

void FormOrbit::Text6_DblClick() {
    const int depth = wholeNumberIn(Text6);
    Text6.setText(depth < 6 ? toolkit::numberText(depth + 1) : "1");
    surface().clear();
}

void FormOrbit::Text4_DblClick() {
    const double volatility = numberIn(Text4) - 1;
    Text4.setText(toolkit::numberText(volatility));
    if (volatility < 0) Text4.setText("0");
}

void FormOrbit::Command2_Click() {
    // Scenario velocities are per base iteration; the run steps at the current time scale.
    for (int b = 1; b <= 2; ++b) {
        st.VelX[b] *= st.TimeFac;
        st.VelY[b] *= st.TimeFac;
    }
    TXt.setVisible(true);
    ImMoon.setVisible(false);
    Command4.setVisible(true);
    Command5.setLeft(Command1.left() + Command1.width());
    CHran.setVisible(false);
    for (int k = 0; k <= 2; ++k) TXw[k].setEnabled(false);
    Command2.setVisible(false);
    st.NBodies = bodiesInUse(numberIn(TXn));
    TXn.setEnabled(false);
    st.MinorRad = static_cast<std::int16_t>(wholeNumberIn(Text1));
    setRunIntervalFromBox();
    FrameRing.setVisible(true);
    Ti.setEnabled(true);
    Command5.setVisible(true);
}

}  // namespace zephra
