// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons that open articles of the web site in the user's browser, and the special-relativity check.
// A browser that cannot be started is not reported: the platform ignores the failure.

#include <iterator>

#include "engine/relativity.h"
#include "ui/form_orbit.h"
#include "ui/web_site.h"

namespace zephra {

namespace {
// Paths of the CDwww buttons by index; the hidden button 3 has none and opens the bare base address.
constexpr std::string_view kArticlePaths[] = {
    "/relativity-revised.htm",
    "/relativity/gravitational-waves+general-relativity.htm",
    "/quantum-gravity.htm",
    "",
    "/simulator/relativity-orbit-solar-system.htm",
    "/LIGO/analysis-gw150914.htm",
};
}  // namespace

void FormOrbit::CDsr_Click() {
    platform().messageBox(engine::srDifferenceMessage(st),
                          "Velocity changes as a proportion of the velocity of light:");
}

void FormOrbit::CDwww_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(std::size(kArticlePaths))) return;
    platform().openUrl(webAddress(kArticlePaths[Index]));
}

void FormOrbit::Command3_Click() {
    WebBit();
}

void FormOrbit::ImMoon_Click() {
    WebBit();
}

void FormOrbit::WebBit() {
    platform().openUrl(webAddress("/simulator/zephra.htm"));
}

}  // namespace zephra
