// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// FormOrbit: the main window as a toolkit-neutral model. It owns every control, the three timers and the
// simulation state; its handlers keep the names of the controls and events they serve and are defined under
// ui/, one file per subsystem, over the model's functions below ui/ (engine, tracking, display, scenarios).
//
// House rules:
// - Only the handlers and the model's functions write the state `st`. A handler reads its controls, calls
//   the model, and writes the results back to the controls.
// - Drivers (the Qt front end, zephra-batch, tests, benchmarks) act through control events and timer ticks
//   (`CDp[10].press()`, `Ti.fire()`, `TXn.setText(...)` then a change of focus), never by writing `st`;
//   they may read it.
// - What a tick touches is said in engine/tick_io.h; nothing below ui/ includes a ui/ header.

#include <array>
#include <functional>
#include <limits>
#include <memory>
#include <string>

#include "engine/sim_state.h"
#include "engine/tick.h"
#include "scenarios/stored_scenario.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/platform.h"
#include "toolkit/surface.h"
#include "tracking/drift_writer.h"
#include "ui/form_farewell.h"
#include "ui/saved_run.h"

namespace zephra {

using toolkit::CheckBox;
using toolkit::CommandButton;
using toolkit::ControlArray;
using toolkit::Frame;
using toolkit::HScrollBar;
using toolkit::Image;
using toolkit::Label;
using toolkit::Line;
using toolkit::OptionButton;
using toolkit::Shape;
using toolkit::TextBox;
using toolkit::Timer;

class FormOrbit : public toolkit::Form {
  public:
    static constexpr int kClientWidth = 1024 * toolkit::kTwipsPerPixel;  // twips
    static constexpr int kClientHeight = 768 * toolkit::kTwipsPerPixel;  // twips

    // Builds every control in its start state and runs Form_Load.
    explicit FormOrbit(toolkit::Platform& platform);

    toolkit::Platform& platform() { return platform_; }
    // How the drift file has fared: records written and lost, the last failure.
    const tracking::DriftWriter& driftWriter() const { return driftWriter_; }
    // Runs at the end of every tick that ran to its end, when set: a driver that keeps a trace (the charts,
    // zephra-batch's --trace) hands the state to its recorder there. The tick itself knows no recorder.
    std::function<void(const SimState&)> onTickDone;
    toolkit::Surface& surface() { return surface_; }
    const toolkit::Surface& surface() const { return surface_; }
    // Whether the tick keeps its number panels current, as the window needs (on from the start). A run that
    // nobody watches turns them off: nothing in the simulation reads them, and writing them is a fifth of
    // the tick.
    void showPanels(bool on) { panelsShown_ = on; }
    // Drawing-area size in twips, as the handlers that need the window's own size read it.
    double ScaleWidth() const { return toolkit::Surface::width(); }
    double ScaleHeight() const { return toolkit::Surface::height(); }

    SimState st;
    FormFarewell Farewell;

    // ---- Controls, named as the window knows them ----
    // Top-left corner.
    CommandButton Command1, Command2, Command5, Command4, CDrepair, Command3;
    Label Label1, Label7;
    CheckBox CHac, CHran;
    TextBox TXran;
    // Scenario buttons.
    ControlArray<CommandButton, 38> CDp;
    // Bottom row: elapsed time.
    Frame Frame1, FraMil, FraYear, FraTi;
    Label Lamil, LaYonks, LaQy, LaQd, LaTime, LaTT, Laday, LaYears, Laadd;
    ControlArray<OptionButton, 3> OpAnnual;
    TextBox TXyearFreq, TXdayFreq, TXt;
    ControlArray<OptionButton, 4> Optim;
    ControlArray<Label, 4> Label4;
    CheckBox ChReset, Chender, Chuser;
    TextBox TXender;
    // Bottom row: drift table, distance and time scales.
    Frame FraDrift, FraDist, FraTime;
    CheckBox CHfile, ChMinMax;
    ControlArray<Label, 17> LaDrift;
    ControlArray<OptionButton, 17> OpDist;
    ControlArray<OptionButton, 19> Optime;
    ControlArray<TextBox, 3> TxMerr, TXtimErr;  // 1..2
    ControlArray<Label, 2> Label10;             // 1
    ControlArray<Label, 3> LaDark;              // 1..2
    Line Line1;
    ControlArray<Label, 8> Label8;
    // Orbit data.
    Frame Fra12;
    CheckBox Chalt, ChNum;
    TextBox TXperOdif, TxTmin, TxTmax, TXperdif, TXdif, TXcalorb, TXapart, TXmin, TXmax, TXlaps, TXiterations;
    ControlArray<Label, 22> Label5;
    Label LaQuart, Lablap;
    // Minor bodies.
    Frame Frame5;
    TextBox TXminors;
    ControlArray<OptionButton, 2> OptBodies;
    // Body data.
    Frame FrameRing;
    CheckBox Chdetails, ChspinD;
    ControlArray<TextBox, 3> TXrad, TXspinT, TXspinC, TXvolight, TXmass, TXspin;  // 1..2
    ControlArray<Label, 6> LabWH;
    ControlArray<Label, 18> La;  // 0..4, 6, 8, 15..17
    Label LaPush;
    TextBox TXora, TXblue, TXgreen, TXwhite;
    // Explanations, gravity delay and links.
    Frame FraCosmo, FrameGD;
    TextBox TXerr, TXswitch, TXGspeed, TXitd, TXbuf;
    CheckBox Chswitch;
    ControlArray<OptionButton, 2> OpGD;
    ControlArray<TextBox, 3> TXgd;  // 1..2
    HScrollBar HSgrav;
    Label Label2, Label9;
    ControlArray<Label, 3> LaChirp;
    ControlArray<CommandButton, 6> CDwww;
    ControlArray<Label, 6> LaCosmo;
    // Physics options.
    Frame FraSpin;
    CommandButton CDsr;
    CheckBox LVLV, ChDist, CHspinner;
    TextBox TXdelay, TXSpinTransfer, TXyield, TXdark;
    ControlArray<CheckBox, 6> Cosmos;
    ControlArray<Label, 3> LaLim;  // 1..2
    Label Label3;
    // Display options and body settings.
    Frame Frame4;
    CheckBox ChHit, ChOrbit, Chend, Chauto, Chboo;
    TextBox TXschwarz, Text6, Text3, Text1, Text4, Text5;
    ControlArray<TextBox, 3> TXg, TXw;
    // Body editor strip.
    CheckBox Chon;
    Frame Frame2;
    ControlArray<OptionButton, 2> Opadd;
    ControlArray<HScrollBar, 2> Hsp;
    HScrollBar Qui;
    TextBox TxTyp, TXTOden, Text7, TXn;
    ControlArray<TextBox, 5> TXTp;
    ControlArray<Label, 5> Label6;
    Label LabTab;
    // Drawing area.
    Image ImSun, ImMoon;
    Shape Shark;
    // Timers.
    Timer Ti, TiF, Tr;

    // ---- Handlers ----
    // Window start-up (ui/startup_handlers.cpp).
    void Form_Load();
    // Scenario buttons, pausing and resuming (ui/scenario_handlers.cpp).
    void CDp_Click(int Index);
    void Command5_Click();
    void PawsOff();
    void KlikBut();
    // Opening a file (ui/file_handlers.cpp): a scenario starts as its preset button would; a saved run
    // takes the place of the run in the window and waits, paused, where it was saved.
    void OpenScenario(std::shared_ptr<const scenarios::StoredScenario> scenario);
    void ResumeRun(std::shared_ptr<const scenarios::StoredScenario> scenario, SavedRun& run);
    // The record the run in the window started from: a preset's or an opened file's; none before the first.
    const scenarios::Scenario* scenarioInForce() const;
    // Time scale and computation rate (ui/scale_handlers.cpp).
    // Whether "User Overide" keeps the time scale in force: only once a scale was ever chosen.
    bool userTimeScaleInForce() const;
    void Optime_Click(int Index);
    void Optim_Click(int Index);
    void TXt_LostFocus();
    // Distance scale (ui/scale_handlers.cpp).
    void OpDist_Click(int Index);
    void Chend_Click();
    // Orbit display options (ui/display_handlers.cpp).
    void CDrepair_Click();
    void Chauto_Click();
    void Chboo_Click();
    void ChHit_Click();
    void Chon_Click();
    void Chdetails_Click();
    void Command4_Click();
    void Text1_LostFocus();
    void Text4_LostFocus();
    void Text5_LostFocus();
    void Horizon();
    // Orbit statistics (ui/orbit_handlers.cpp over tracking/orbit_stats.h).
    void ChMinMax_Click();
    void OpAnnual_Click(int Index);
    void DisCalc();
    // Tick steps 1..7: quadrant, orbit completion, counters, pause after an orbit. False ends the tick.
    bool OrbitTickStart();
    // The pair step, once per tick after Dist is set: extremes, boxes, eccentricity.
    void OrbitPairStep();
    // Elapsed time and end of run (ui/clock_handlers.cpp over tracking/clock.h).
    void TikTok();
    void ChReset_Click();
    void Chuser_Click();
    // Drift file (ui/drift_handlers.cpp over tracking/drift_file.h, where the ZeroZap steps are).
    void Drifter();
    // Physics options panel (ui/physics_panel.cpp).
    void Cosmos_Click(int Index);
    void ChspinD_Click();
    void OpGD_Click(int Index);
    void HSgrav_Change();
    void TXGspeed_LostFocus();
    void TXdark_LostFocus();
    void TXg_LostFocus(int Index);
    // Body editor (ui/body_editor.cpp).
    void SetBody(int Pln);
    void Asgard();
    void Bifrost();
    void Ocean(int Pln);
    void TXn_LostFocus();
    void TXn_DblClick();
    void Hsp_Change(int Index);
    void Qui_Change();
    void Opadd_Click(int Index);
    void TXTp_LostFocus(int Index);
    void TXran_LostFocus();
    void CHran_Click();
    void Command2_Click();
    void Text3_Change();
    void Text3_DblClick();
    void Text4_DblClick();
    void Text6_DblClick();
    void Text7_LostFocus();
    // Status timers and small handlers (ui/status_timers.cpp).
    void TiF_Timer();
    void Tr_Timer();
    void Command1_Click();
    void ChOrbit_Click();
    void La_Click(int Index);
    void LaChirp_Click(int Index);
    void LaTime_Click();
    // Web links (ui/web_links.cpp).
    void CDsr_Click();
    void CDwww_Click(int Index);
    void Command3_Click();
    void ImMoon_Click();
    void WebBit();
    // The tick (ui/tick_handlers.cpp; its physics models in engine/).
    void Ti_Timer();
    double DecayBod(int i, double OrbV, double SpinV);
    void RotaP(int i);
    void Mitsu();

  private:
    // -- shared by handlers of several files (ui/form_orbit.cpp) --
    // Gives a box that holds no number the value in force and says in LaChirp(1) that the entry was refused.
    void refuseNonNumber(TextBox& box, double inForce, std::string_view what);

    // Builds the controls from the layout rows (ui/layout.cpp) and connects their events
    // (ui/event_wiring.cpp).
    void layOutControls();
    void wireEvents();

    // Private steps of the handlers, each group defined in the file of its subsystem.
    // -- engine: the tick between ticks, and the window's side of it (ui/tick_handlers.cpp) --
    engine::Tick tick_{};
    bool panelsShown_ = true;
    struct TickBinding;  // carries out what the tick asks of the window
    // Shows the panel numbers the tick wrote in this tick.
    void showTickPanels();
    // -- scenarios: the window's steps of a scenario load (ui/scenario_handlers.cpp); the run's state is
    // reset between the first two by scenarios::resetRunState --
    void resetControlsForRun(int Index);
    void applyScenarioValues(int Index, const scenarios::Scenario* scenario);
    void startLoadedRun();
    // Ends the run where it stands, the state left for inspection, with an end code of its own (none of
    // the codes a scenario ends with) and the reason in LaChirp(1).
    void stopRun(float endCode, const std::string& notice);
    // The scenario file the run started from; none for a preset.
    std::shared_ptr<const scenarios::StoredScenario> openedScenario_;
    // -- tracking --
    // The elapsed days and years as the clock labels show them (ui/clock_handlers.cpp).
    std::string elapsedDaysText() const;
    std::string elapsedYearsText() const;
    tracking::DriftWriter driftWriter_;
    // -- display --
    // Sets the run timer's interval from the box TXt. Text that is not a whole number of 1..2147483647 ms
    // is refused: the box gets the last accepted interval back and LaChirp(1) says why.
    void setRunIntervalFromBox();
    int acceptedRate_ = 15;  // ms, the last interval the run timer took from the box (the window opens at 15)
    // The event-horizon radius each black hole's radius box was last given, and the text it was given.
    struct HorizonShown {
        double radius = std::numeric_limits<double>::quiet_NaN();
        std::string text;
    };
    std::array<HorizonShown, 3> horizonShown_{};
    // -- ui (panel, editor, status timers, links) --
    // The body number of the editor, kept inside the screen arrays (bodies 0..2): another number in the box
    // is put back in range with a notice in LaChirp(1).
    int editedBody();
    // The highest body number a planet count admits, kept inside the body arrays (notice when cut down).
    std::int16_t bodiesInUse(double planets);

    toolkit::Platform& platform_;
    toolkit::Surface surface_;
};

}  // namespace zephra
