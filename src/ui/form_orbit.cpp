// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form_orbit.h"

#include "toolkit/number_text.h"

namespace zephra {

FormOrbit::FormOrbit(toolkit::Platform& platform)
    : toolkit::Form(kClientWidth, kClientHeight), Farewell(platform), platform_(platform) {
    layOutControls();
    wireEvents();
    Form_Load();
}

void FormOrbit::refuseNonNumber(TextBox& box, double inForce, std::string_view what) {
    box.setText(toolkit::numberText(inForce));
    LaChirp[1].setCaption(std::string(what) + " refused: it must be a number.");
}

}  // namespace zephra
