// SPDX-License-Identifier: GPL-3.0-or-later
// Display options around the orbit drawing: repair of the recorded path, body display mode, event-horizon
// radii, clearing, and the body-size boxes.

#include <algorithm>

#include "display/orbit_repair.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
// A body-size box: the nearest 16-bit whole number of its leading number, at least 1.
std::int16_t bodySize(const TextBox& box) {
    return std::max<std::int16_t>(1, toolkit::clampToInt16(toolkit::leadingNumber(box.text())));
}
}  // namespace

void FormOrbit::CDrepair_Click() {
    const OrbitShades shades{.even = {0, LaLim[1].foreColor(), LaLim[2].foreColor()},
                             .odd = {0, LaDark[1].foreColor(), LaDark[2].foreColor()},
                             .alternate = Chalt.ticked()};
    repaintRecordedPath(st, shades, surface());
}

void FormOrbit::Chboo_Click() {
    if (Chboo.ticked()) {
        st.BodyDraw = 8;
        La[3].setToolTip("Bodies with radius");
    } else {
        st.BodyDraw = 7;
        La[3].setToolTip("Orbit line only, no body");
        surface().clear();
    }
    Chauto.setValue(CheckBox::kUnticked);
}

void FormOrbit::Chauto_Click() {
    if (Chauto.ticked()) st.BodyDraw = 8;
}

void FormOrbit::Horizon() {
    for (int i = 1; i <= 2; ++i) {
        if (st.Mass[i] > 2.6) {
            const double r = TXschwarz.leadingValue() * st.Mass[i];
            // Formatting the radius on every tick would cost a black-hole run a third of its tick: the box is
            // written again only when the radius or the box's text has changed since.
            HorizonShown& shown = horizonShown_[i];
            if (r == shown.radius && TXrad[i].text() == shown.text) continue;
            TXrad[i].setText(toolkit::formatNumber(r, "0.00"));
            shown = {r, TXrad[i].text()};
        }
    }
}

void FormOrbit::Command4_Click() {
    surface().clear();
}

void FormOrbit::ChHit_Click() {
    if (ChHit.ticked()) {
        ChHit.setCaption("End if objects collide");
        ChHit.setToolTip("If the objects impact, end scenario.");
    } else {
        ChHit.setCaption("Gaseous interaction");
        ChHit.setToolTip("Objects may pass through each other or slightly resist each other.");
    }
}

void FormOrbit::Chon_Click() {
    // The body number is kept inside the arrays.
    const int n = std::clamp<int>(toolkit::clampToInt16(toolkit::leadingNumber(TXTOden.text())), 0, 9);
    if (Chon.ticked()) {
        st.BodyOff[n] = 1;
        Chon.setForeColor(TXerr.foreColor());
        Chon.setCaption("Object OFF");
    } else {
        st.BodyOff[n] = 0;
        Chon.setForeColor(TXTOden.foreColor());
        Chon.setCaption("Object ON");
    }
    Chon.setToolTip("Turn the planet or star on, or switch it off.");
}

void FormOrbit::Chdetails_Click() {
    Frame4.setVisible(Chdetails.ticked());
}

void FormOrbit::Text1_LostFocus() {
    st.MinorRad = bodySize(Text1);
    Text1.setText(toolkit::numberText(st.MinorRad));
}

void FormOrbit::Text5_LostFocus() {
    Text5.setText(toolkit::numberText(bodySize(Text5)));
}

// The crust volatility is read where it is used; leaving the box changes nothing.
void FormOrbit::Text4_LostFocus() {}

}  // namespace zephra
