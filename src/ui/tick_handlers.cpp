// SPDX-License-Identifier: GPL-3.0-or-later
// The run timer's tick as the window drives it: the settings read from the controls, the engine's tick, what
// it asks of the window while it runs, and its panel numbers shown when the panels are.

#include <cmath>
#include <string>

#include "engine/tick.h"
#include "toolkit/number_text.h"
#include "ui/form_orbit.h"

namespace zephra {

using toolkit::formatNumber;
using toolkit::numberText;

namespace {

constexpr const char* kBufferRestarted = "Gravity Velocity Buffer";
constexpr const char* kDelayBeyondNumbers = "Beyond range";

// A magnitude the plain number text writes in exponent notation would fill a patterned panel with hundreds
// of digits (or round to nothing): such a number is shown as the plain number text writes it.
std::string panelNumber(double x, std::string_view pattern) {
    const double magnitude = std::abs(x);
    if (magnitude >= 1e15 || (magnitude > 0 && magnitude < 1e-15)) return numberText(x);
    return formatNumber(x, pattern);
}

// The controls the tick reads, as they stand now. A setting that only matters under an option or with the
// surface pattern is read only then (and is 0 otherwise): the window reads them every iteration.
engine::TickSettings tickSettingsOf(const FormOrbit& f, bool pattern) {
    const bool darkCloud = f.Cosmos[4].ticked(), gravityDelay = f.Cosmos[3].ticked();
    const bool endOnError = f.Chender.ticked(), alternateShade = f.Chalt.ticked();
    const auto ifOn = [](bool on, toolkit::Color c) { return on ? c : toolkit::Color{0}; };
    return {
        .specialRelativity = f.Cosmos[1].ticked(),
        .vessor = f.Cosmos[2].ticked(),
        .gravityDelay = gravityDelay,
        .darkCloud = darkCloud,
        .bounce = f.Cosmos[5].ticked(),
        .gravitySpeed = f.TXGspeed.leadingValue(),
        .darkFriction = darkCloud ? f.TXdark.leadingValue() : 0,
        .gravityExponent = f.TXg[2].leadingValue(),
        .pullingBodies = f.TXw[2].strictValue(),
        .radius = {0, f.TXrad[1].leadingValue(), f.TXrad[2].leadingValue()},
        .yieldSpin = f.TXyield.leadingValue(),
        .temporalDelay = gravityDelay && f.OpGD[0].value(),
        .delaySwitch = gravityDelay && f.Chswitch.ticked(),
        .switchErrorPct = gravityDelay ? f.TXswitch.leadingValue() : 0,
        .impactContinues = f.ChHit.ticked(),
        .endOnError = endOnError,
        .errorLimitPct = endOnError ? f.TXender.leadingValue() : 0,
        .endAtEdge = f.Chend.ticked(),
        .verifyEinstein = f.LVLV.ticked(),
        .alternateShade = alternateShade,
        .orbitLight = {0, f.LaLim[1].foreColor(), f.LaLim[2].foreColor()},
        .orbitDark = {0, ifOn(alternateShade, f.LaDark[1].foreColor()),
                      ifOn(alternateShade, f.LaDark[2].foreColor())},
        .originColour = ifOn(gravityDelay, f.TXTOden.foreColor()),
        .patternColour = {0, ifOn(pattern, f.TXvolight[1].foreColor()),
                          ifOn(pattern, f.TXvolight[2].foreColor())},
        .hideSmallPatterns = pattern && f.Chauto.ticked(),
        .patternRings = pattern ? f.Text6.leadingValue() : 0,
        .patternPoints = pattern ? f.Text3.leadingValue() : 0,
    };
}

const char* trendShown(engine::SpeedTrend trend) {
    switch (trend) {
        case engine::SpeedTrend::AtRest:
            return "0";
        case engine::SpeedTrend::Faster:
            return ">0";
        case engine::SpeedTrend::Slower:
            return "<0";
        case engine::SpeedTrend::Same:
            break;
    }
    return "~";
}

toolkit::Color srReadoutColour(SrReadout readout) {
    switch (readout) {
        case SrReadout::Slowing:
            return toolkit::rgb(128, 0, 32);
        case SrReadout::CloseToZero:
            return toolkit::rgb(255, 128, 0);
        case SrReadout::Difference:
            break;
    }
    return toolkit::rgb(0, 128, 0);
}

}  // namespace

// The window's side of a tick: each request carried out on the controls at once, in the tick's order.
struct FormOrbit::TickBinding final : engine::TickWindow {
    FormOrbit& f;
    explicit TickBinding(FormOrbit& form) : f(form) {}

    void pairDistanceKnown() override { f.OrbitPairStep(); }
    void setOption(engine::TickOption option, bool ticked) override {
        const int value = ticked ? CheckBox::kTicked : CheckBox::kUnticked;
        switch (option) {
            case engine::TickOption::SpecialRelativity:
                return f.Cosmos[1].setValue(value);
            case engine::TickOption::GravityDelay:
                return f.Cosmos[3].setValue(value);
            case engine::TickOption::VerifyEinstein:
                return f.LVLV.setValue(value);
        }
    }
    void selectDelayKind(bool temporal) override { f.OpGD[temporal ? 0 : 1].select(); }
    void widenDistanceScale(int k) override {
        f.OpDist[k].select();
        f.LaChirp[1].setCaption("Distance scale has changed to \r" + f.OpDist[k].caption());
        f.LaChirp[1].setForeColor(f.TXerr.foreColor());
        f.LaChirp[1].setBackColor(f.TXerr.backColor());
    }
    // Behind a message box the panels show what the tick has computed so far.
    void messageBox(std::string_view text, std::string_view title) override {
        if (f.panelsShown_) f.showTickPanels();
        f.platform_.messageBox(text, title);
    }
    void alert(engine::NoticeLine line, std::string_view text) override {
        Label& notice = f.LaChirp[line == engine::NoticeLine::Run ? 1 : 2];
        notice.setCaption(text);
        notice.setForeColor(f.TXGspeed.foreColor());
        notice.setBackColor(f.FraSpin.backColor());
    }
    void historyRestarted() override {
        f.TXbuf.setText(kBufferRestarted);
        f.TXbuf.setVisible(true);
    }
    void historyFilled() override {
        if (f.TXbuf.visible() && f.TXbuf.text() == kBufferRestarted) f.TXbuf.setVisible(false);
    }
    void delayBuffering(bool waiting) override {
        f.TXbuf.setVisible(waiting);
        if (waiting) f.TXbuf.setText("Buffering");
    }
    void setPatternRings(int rings) override { f.Text6.setText(std::to_string(rings)); }
    void setPatternPoints(int points) override { f.Text3.setText(std::to_string(points)); }
};

void FormOrbit::Ti_Timer() {
    if (!OrbitTickStart()) return;
    engine::TickSettings settings = tickSettingsOf(*this, engine::drawsSurfacePattern(st));
    TickBinding window(*this);
    const engine::TickEnd end = tick_.advance(st, settings, window, surface_);
    if (panelsShown_) showTickPanels();
    // Bodies on one point have no direction between them, and every movement error would divide by 0.
    if (end == engine::TickEnd::BodiesOnOnePoint)
        return stopRun(88, "Run stopped: bodies 1 and 2 are on the same point (distance 0 km).");
    if (end == engine::TickEnd::NotFinite)
        return stopRun(98, "Run stopped: a position or velocity is no longer a finite number.");
    TikTok();
    DisCalc();
    if (st.TickStatus.empty()) st.TickStatus = "ok";
    if (onTickDone) onTickDone(st);
}

void FormOrbit::stopRun(float endCode, const std::string& notice) {
    st.EndCode = endCode;
    Ti.setEnabled(false);
    LaChirp[1].setCaption(notice);
}

void FormOrbit::showTickPanels() {
    const engine::TickPanels& p = tick_.panels();
    for (int b = 1; b <= 2; ++b) {
        if (const engine::TickPanels::Body& body = p.body[b]; body.written) {
            TXvolight[b].setText(formatNumber(body.orbitalSpeed, "0.00000000000000"));
            TXvolight[b].setToolTip(numberText(body.orbitalSpeed));
            TXmass[b].setText(formatNumber(body.mass, "0.00000000000000"));
            TXmass[b].setToolTip(numberText(1e30 * body.mass * kSolarMassKg) + " kg");
            TXspin[b].setText(formatNumber(body.spin, "0.00000000000000"));
            TXspinC[b].setText(formatNumber(body.surfaceSpeed, "0.0000000000000"));
            TXspinT[b].setText(formatNumber(body.orbitalSpeed + body.surfaceSpeed, "0.0000000000000"));
        }
        if (const engine::TickPanels::Movement& move = p.movement[b]; move.written) {
            TXtimErr[b].setText(formatNumber(move.error, "000.000000000"));
            TXtimErr[b].setToolTip(formatNumber(move.error, "000.00000000000000"));
            TxMerr[b].setText(formatNumber(move.largest, "000.000000000"));
            TxMerr[b].setToolTip(formatNumber(move.largest, "000.00000000000000"));
        }
        if (p.trend[b].written) LaLim[b].setCaption(trendShown(p.trend[b].trend));
    }
    // A gravity speed near 0 gives a delay no number holds: the panels say so in words.
    if (p.delay == engine::DelayShown::Instant) TXdelay.setText("0.0");
    if (p.delay == engine::DelayShown::Seconds) {
        if (std::isfinite(p.delaySeconds))
            TXdelay.setText(panelNumber(p.delaySeconds, "0.000000"));
        else
            TXdelay.setText(kDelayBeyondNumbers);
    }
    if (p.delayIterationsWritten) {
        if (std::isfinite(p.delayIterations))
            TXitd.setText(numberText(std::floor(p.delayIterations)));
        else
            TXitd.setText(kDelayBeyondNumbers);
    }
    if (p.delayErrorWritten) TXerr.setText(panelNumber(p.delayErrorPct, "00.0"));
    if (p.srReadoutWritten) CDsr.setBackColor(srReadoutColour(p.srReadout));
    if (p.srButtonWritten) CDsr.setVisible(p.srButtonShown);
}

double FormOrbit::DecayBod(int i, double OrbV, double SpinV) {
    return engine::decayBody(st, Cosmos[2].ticked(), i, OrbV, SpinV);
}

void FormOrbit::RotaP(int i) {
    engine::TickSettings settings = tickSettingsOf(*this, true);
    TickBinding window(*this);
    tick_.turnPattern(i, st, settings, window, surface_);
}

void FormOrbit::Mitsu() {
    engine::markBody2Start(st, surface_, TXTOden.foreColor());
}

}  // namespace zephra
