// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "toolkit/form.h"
#include "toolkit/headless_platform.h"
#include "ui/form_orbit.h"

// What the window shows, tick after tick, for runs with each physics option: the changed-controls list must
// bring every change to the front end, and a run whose panels nobody watches must compute the same run.
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

// The simulation's own state to the bit: bodies, statistics, clock, the orbit drawing and how the run stands.
std::string simulationState(const FormOrbit& form) {
    const SimState& st = form.st;
    std::string s;
    const auto put = [&s](double v) { s.append(reinterpret_cast<const char*>(&v), sizeof v); };
    for (int b = 0; b < kBodySlots; ++b)
        for (double v : {st.PosX[b], st.PosY[b], st.VelX[b], st.VelY[b], st.Mass[b]}) put(v);
    for (int b = 0; b < kPairSlots; ++b)
        for (double v : {st.Spin[b], st.RotAngle[b], st.MoveErrMax[b]}) put(v);
    for (double v :
         {st.Iters, st.Laps, st.LapMin, st.LapMax, st.AllMin, st.AllMax, st.AllEcc, st.LapEcc, st.ElapsedDays,
          st.BufPos, static_cast<double>(st.EndCode), static_cast<double>(st.DistIdx)})
        put(v);
    const toolkit::Surface& surface = form.surface();
    s.append(reinterpret_cast<const char*>(surface.pixels()),
             sizeof(toolkit::Color) * toolkit::Surface::kWidthPixels * toolkit::Surface::kHeightPixels);
    return s + st.HalfDaysText + st.HalfYearsText + form.LaChirp[1].caption() + form.TXdayFreq.text() +
           std::to_string(form.Ti.enabled());
}

// A run nobody watches leaves the number panels alone; nothing else of the run may change with them.
TEST_P(PanelIdentity, PanelsLeftAloneChangeNothingElse) {
    const PanelRun& run = GetParam();
    toolkit::HeadlessPlatform platform{"/tmp/zephra-panel-identity"};
    FormOrbit shown{platform}, unshown{platform};
    unshown.showPanels(false);
    for (FormOrbit* form : {&shown, &unshown}) {
        form->CDp[run.scenario].press();
        if (run.adjust != nullptr) run.adjust(*form);
    }
    for (int tick = 1; tick <= run.ticks && shown.Ti.enabled(); ++tick) {
        shown.Ti.fire();
        unshown.Ti.fire();
        if (tick % 500 == 0 || tick == run.ticks || !shown.Ti.enabled()) {
            ASSERT_TRUE(simulationState(shown) == simulationState(unshown)) << "tick " << tick;
        }
    }
    EXPECT_NE(shown.TXmin.text(), unshown.TXmin.text());  // the panels were indeed left alone
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
