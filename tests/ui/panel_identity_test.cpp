// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "toolkit/form.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

// What the window shows, tick after tick, for runs with each physics option: the changed-controls list must
// bring every change to the front end. That a run whose panels nobody watches computes the same numbers is
// the batch runner's own check against the window (batch_cli_test) and the identity digests'.
namespace zephra {
namespace {

// Everything the front end copies from a control into its widget.
std::string shownState(const toolkit::Control& c) {
    std::string s = c.caption() + '\x1f' + c.toolTip() + '\x1f' + std::to_string(c.visible()) +
                    std::to_string(c.enabled()) + ' ' + std::to_string(c.foreColor()) + ' ' +
                    std::to_string(c.backColor()) + ' ' + std::to_string(c.left()) + ' ' +
                    std::to_string(c.top()) + ' ' + std::to_string(c.width()) + ' ' +
                    std::to_string(c.height());
    switch (c.kind()) {
        case toolkit::ControlKind::TextBox:
            s += '\x1f' + static_cast<const toolkit::TextBox&>(c).text();
            break;
        case toolkit::ControlKind::CheckBox:
            s += ' ' + std::to_string(static_cast<const toolkit::CheckBox&>(c).value());
            break;
        case toolkit::ControlKind::OptionButton:
            s += ' ' + std::to_string(static_cast<const toolkit::OptionButton&>(c).value());
            break;
        case toolkit::ControlKind::HScrollBar:
            s += ' ' + std::to_string(static_cast<const toolkit::HScrollBar&>(c).value());
            break;
        default:
            break;
    }
    return s;
}

struct PanelRun {
    const char* name;
    int scenario;
    int ticks;
    void (*adjust)(FormOrbit&);  // after the scenario is loaded, or nullptr
};

void PrintTo(const PanelRun& run, std::ostream* out) {
    *out << run.name;
}

class PanelIdentity : public ::testing::TestWithParam<PanelRun> {};

// A mirror kept only from the changed-controls list, as the front end keeps its widgets; every 50 ticks it
// must equal the model.
TEST_P(PanelIdentity, TheChangedListBringsEveryChangeToTheFrontEnd) {
    const PanelRun& run = GetParam();
    toolkit::HeadlessPlatform platform{"/tmp/zephra-panel-identity"};
    FormOrbit form{platform};
    std::map<const toolkit::Control*, std::string> mirror;
    for (const toolkit::Control* c : form.controls()) mirror[c] = shownState(*c);
    form.clearDirty();
    form.CDp[run.scenario].press();
    if (run.adjust != nullptr) run.adjust(form);
    for (int tick = 1; tick <= run.ticks && form.Ti.enabled(); ++tick) {
        form.Ti.fire();
        for (const toolkit::Control* c : form.takeDirty()) mirror[c] = shownState(*c);
        if (tick % 50 != 0 && tick != run.ticks && form.Ti.enabled()) continue;
        for (const toolkit::Control* c : form.controls()) {
            const std::string now = shownState(*c);
            ASSERT_EQ(mirror[c], now) << c->name() << "(" << c->index() << ") at tick " << tick;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, PanelIdentity,
    ::testing::Values(PanelRun{"EarthYear", 10, 3000, nullptr},
                      PanelRun{"BothRelativitiesWithDelay", 13, 3000, nullptr},
                      PanelRun{"BlackHolesToTheEdge", 26, 3000, [](FormOrbit& f) { f.Optime[11].select(); }},
                      PanelRun{"VessorSpin", 26, 3000, [](FormOrbit& f) { f.Cosmos[2].setValue(1); }},
                      PanelRun{"DarkCloudAndContact", 10, 3000,
                               [](FormOrbit& f) {
                                   f.Cosmos[4].setValue(1);
                                   f.TXdark.setText("0.0000001");
                                   f.Cosmos[5].setValue(1);
                                   f.TXrad[1].setText("200000000");
                               }}),
    [](const ::testing::TestParamInfo<PanelRun>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephra
