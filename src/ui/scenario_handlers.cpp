// SPDX-License-Identifier: GPL-3.0-or-later
// The scenario buttons: starting a run from a preset (the reset of the controls, the preset's values in
// the window's boxes and the press of "Go"), and pausing and resuming. What the load does to the run's
// state is the model's (scenarios/loader.h).

#include <cmath>

#include "display/scale_tables.h"
#include "scenarios/catalogue.h"
#include "scenarios/loader.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {

namespace {
// The window's check box a setting names; none for Text3, which shows a number instead.
CheckBox* checkBoxOf(FormOrbit& f, scenarios::SettingBox box) {
    using enum scenarios::SettingBox;
    switch (box) {
        case ChMinMax:
            return &f.ChMinMax;
        case Chalt:
            return &f.Chalt;
        case ChHit:
            return &f.ChHit;
        case Chdetails:
            return &f.Chdetails;
        case CHac:
            return &f.CHac;
        case Chboo:
            return &f.Chboo;
        case ChNum:
            return &f.ChNum;
        case Chender:
            return &f.Chender;
        case Chauto:
            return &f.Chauto;
        case Text3:
            return nullptr;
    }
    return nullptr;
}

// Each setting lands in the window's box of its name: a check box takes the value as its tick, Text3 as the
// number it shows.
void applySetting(FormOrbit& f, const scenarios::Setting& setting) {
    if (CheckBox* box = checkBoxOf(f, setting.box))
        box->setValue(setting.value);
    else
        f.Text3.setText(toolkit::numberText(setting.value));
}

void applyTick(CheckBox& box, scenarios::Tick tick) {
    if (tick != scenarios::Tick::Keep) box.setValue(static_cast<int>(tick));
}

// The boxes of body 1 and body 2, written body 2 first where the record says so.
void writeInOrder(bool secondFirst, TextBox& box1, const std::string& text1, TextBox& box2,
                  const std::string& text2) {
    if (secondFirst) box2.setText(text2);
    box1.setText(text1);
    if (!secondFirst) box2.setText(text2);
}

void applyScenario(FormOrbit& f, const scenarios::Scenario& s) {
    SimState& st = f.st;
    for (scenarios::FirstStep step : s.firstSteps) {
        switch (step) {
            case scenarios::FirstStep::Time:
                if (!f.userTimeScaleInForce()) f.Optime[s.timeOption].select();
                break;
            case scenarios::FirstStep::Distance:
                f.OpDist[s.distanceOption].select();
                break;
            case scenarios::FirstStep::Description:
                if (s.gmSun) st.GMsun = *s.gmSun;
                f.LaChirp[0].setCaption(scenarios::descriptionText(s, st.DriftFile, f.Optime[7].toolTip()));
                break;
            case scenarios::FirstStep::SurfacePoints:
                f.Text3.setText("7");
                break;
        }
    }
    for (const scenarios::Setting& setting : s.beforeValues) applySetting(f, setting);

    scenarios::placePair(st, s);

    // The masses take what survives their text in the boxes, as a user's entry would.
    const scenarios::Body& b1 = s.pair.body1;
    const scenarios::Body& b2 = s.pair.body2;
    const double unit = s.massPerKgFactor ? st.KgFactor : 1;
    const std::string mass1 = toolkit::numberText(b1.mass * unit),
                      mass2 = toolkit::numberText(b2.mass * unit);
    const std::string radius1 = toolkit::numberText(b1.radius), radius2 = toolkit::numberText(b2.radius);
    writeInOrder(s.secondBodyFirst, f.TXg[1], mass1, f.TXg[0], mass2);
    st.Mass[1] = toolkit::leadingNumber(f.TXg[1].text());
    st.Mass[2] = toolkit::leadingNumber(f.TXg[0].text());
    writeInOrder(s.secondBodyFirst, f.TXrad[1], radius1, f.TXrad[2], radius2);

    for (const scenarios::Setting& setting : s.beforeOptions) applySetting(f, setting);
    applyTick(f.Cosmos[1], s.physics.special);
    applyTick(f.Cosmos[2], s.physics.vessor);
    applyTick(f.Cosmos[3], s.physics.general);
    applyTick(f.ChDist, s.physics.delayDetails);
    if (!s.physics.gravitySpeed.empty()) f.TXGspeed.setText(s.physics.gravitySpeed);
    applyTick(f.Cosmos[4], s.physics.dark);
    applyTick(f.Cosmos[5], s.physics.bounce);
    for (const scenarios::Setting& setting : s.afterOptions) applySetting(f, setting);
}
}  // namespace

// Controls first, then the run's own state: several control handlers write into that state (the time option
// logs itself, ticking a physics option restarts the gravity history), and the run must start clean.
void FormOrbit::CDp_Click(int Index) {
    if (!decltype(CDp)::inRange(Index)) return;
    openedScenario_.reset();
    resetControlsForRun(Index);
    scenarios::resetRunState(st, Index);
    applyScenarioValues(Index, scenarios::findScenario(Index));
    startLoadedRun();
}

void FormOrbit::resetControlsForRun(int Index) {
    if (!OpAnnual[0].value() && !OpAnnual[1].value() && !OpAnnual[2].value()) OpAnnual[0].select();
    Ti.setEnabled(false);
    ChHit.setValue(CheckBox::kTicked);
    ChNum.setValue(CheckBox::kUnticked);
    PawsOff();
    TXdayFreq.setText("~");
    TXyearFreq.setText("~");

    Chalt.setValue(CheckBox::kUnticked);
    ChOrbit.setValue(CheckBox::kUnticked);
    // Clearing the visible selection makes the scenario's own time option run its handler.
    if (!userTimeScaleInForce()) Optime[kHiddenTimeScale].select();
    OpGD[0].select();

    LaChirp[1].setCaption("Scenario information may appear here.");
    LaChirp[1].setForeColor(TXerr.foreColor());
    LaChirp[1].setBackColor(TXerr.backColor());
    Chdetails.setValue(CheckBox::kUnticked);
    ChspinD.setValue(CheckBox::kUnticked);
    CHac.setVisible(true);
    CHac.setValue(CheckBox::kUnticked);
    ChMinMax.setValue(CheckBox::kUnticked);
    ChMinMax.setValue(CheckBox::kTicked);

    TXender.setText("5");
    for (int i = 1; i <= 8; ++i) LaDrift[i].setCaption("~");
    for (int i = 0; i <= 4; ++i) LaCosmo[i].setVisible(false);

    // Each box is set both ways so that its handler runs whatever its state was.
    Chboo.setValue(CheckBox::kTicked);
    Chboo.setValue(CheckBox::kUnticked);
    Chauto.setValue(CheckBox::kUnticked);
    Chauto.setValue(CheckBox::kTicked);
    Chboo.setVisible(true);
    surface().clear();
    ChDist.setValue(CheckBox::kUnticked);

    LaChirp[0].setVisible(true);
    TXschwarz.setText("2.94");
    Text3.setText("12");
    Tr.setEnabled(false);
    platform().seedRandom(toolkit::leadingNumber(TXran.text()));
    CHspinner.setValue(CheckBox::kTicked);
    TXdelay.setText("0.0");
    Text6.setText("1");
    bool anyModel = false;
    for (int i = 0; i <= 4; ++i) anyModel = anyModel || Cosmos[i].ticked();
    if (!anyModel) Cosmos[0].setValue(CheckBox::kTicked);

    KlikBut();
    CDp[Index].setBackColor(Label7.foreColor());
}

void FormOrbit::applyScenarioValues(int Index, const scenarios::Scenario* scenario) {
    if (scenario == nullptr) return;
    const bool density = Index >= scenarios::kFirstCloudScenario;
    if (density) LaChirp[0].setAlignment(toolkit::Alignment::Left);
    applyScenario(*this, *scenario);
    if (!density) LaChirp[0].setAlignment(toolkit::Alignment::Center);
}

void FormOrbit::startLoadedRun() {
    scenarios::placePairAtStart(st);
    if (!ChDist.ticked()) FrameGD.setVisible(false);
    const double g = toolkit::leadingNumber(TXGspeed.text());
    if (Cosmos[3].ticked() && g == std::floor(g)) {
        if (g <= 10)
            HSgrav.setValue(toolkit::clampToInt16(g));
        else
            HSgrav.setVisible(false);
    }
    Command2.press();
}

void FormOrbit::KlikBut() {
    const int last = static_cast<int>(st.MaxScenarioBtn);
    for (int i = 0; i <= last && decltype(CDp)::inRange(i); ++i) {
        const bool solar = i < scenarios::kFirstCloudScenario;
        CDp[i].setBackColor(solar ? Command5.backColor() : TXGspeed.backColor());
        CDp[i].setToolTip(solar ? "Solar System Evolution" : "Density Simulation");
    }
}

void FormOrbit::PawsOff() {
    LabTab.setVisible(false);
    Chon.setVisible(false);
    La[0].setVisible(false);
    for (int i = 0; i <= 4; ++i) {
        TXTp[i].setVisible(false);
        Label6[i].setVisible(false);
    }
    TXTOden.setVisible(false);
    Ti.setEnabled(true);
    Shark.setVisible(false);
    TiF.setEnabled(false);
    Qui.setVisible(false);
    Frame2.setVisible(false);
    for (int i = 0; i <= 1; ++i) Hsp[i].setVisible(false);
    Opadd[0].deselect();
    Opadd[1].deselect();
}

void FormOrbit::Command5_Click() {
    if (!Ti.enabled()) {
        PawsOff();
        st.TickStatus.clear();
        return;
    }
    Ti.setEnabled(false);
    for (int i = 0; i <= 4; ++i) {
        TXTp[i].setVisible(true);
        Label6[i].setVisible(true);
    }
    TXTOden.setVisible(true);
    La[0].setVisible(true);
    Qui.setMax(toolkit::clampToInt16(toolkit::leadingNumber(TXn.text())));
    Qui.setValue(1);
    const int body = toolkit::clampToInt16(toolkit::leadingNumber(TXTOden.text()));
    Qui.setValue(body);
    Ocean(editedBody());
    TiF.setEnabled(true);
    Asgard();
    Qui.setVisible(true);
    Frame2.setVisible(true);
    Opadd[0].select();
    Hsp[0].setMax(toolkit::clampToInt16(ScaleWidth()));
    Hsp[1].setMax(toolkit::clampToInt16(ScaleHeight()));
    Chon.setVisible(true);
    LabTab.setVisible(true);
    st.TickStatus.clear();
}

}  // namespace zephra
