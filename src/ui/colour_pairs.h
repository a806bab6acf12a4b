// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's colour pairs for plain and marked controls. Their source controls never change colour while
// the program runs, so they are held here once.

#include "toolkit/color.h"
#include "toolkit/controls.h"

namespace zephra {

// The plain pair, as TXerr and TXperdif show it.
inline constexpr toolkit::Color kPlainFore = toolkit::rgb(96, 96, 96);
inline constexpr toolkit::Color kPlainBack = toolkit::rgb(16, 8, 0);
// The highlight pair, as TXGspeed shows it.
inline constexpr toolkit::Color kHighlightFore = toolkit::kWhite;
inline constexpr toolkit::Color kHighlightBack = toolkit::rgb(128, 64, 32);
// The chosen time or distance scale.
inline constexpr toolkit::Color kChosenScaleFore = toolkit::rgb(255, 255, 0);
inline constexpr toolkit::Color kChosenScaleBack = toolkit::rgb(64, 16, 0);

// Gives a time or distance option the chosen or the plain colours, as it stands now.
inline void paintScaleOption(toolkit::OptionButton& option) {
    option.setForeColor(option.value() ? kChosenScaleFore : kPlainFore);
    option.setBackColor(option.value() ? kChosenScaleBack : kPlainBack);
}

// Gives a control a fore and back colour at once, as the pairs above are used.
inline void paint(toolkit::Control& c, toolkit::Color fore, toolkit::Color back) {
    c.setForeColor(fore);
    c.setBackColor(back);
}

}  // namespace zephra
