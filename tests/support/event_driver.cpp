// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/event_driver.h"

#include <cmath>
#include <iterator>

#include "toolkit/number_text.h"

namespace zephra::testing {

namespace {

using toolkit::Control;

// Texts a user might type, from the sensible to the hostile.
constexpr const char* kTexts[] = {
    "",          "-",      "+",      ".",     "nan",   "inf",    "1e400", "-1e400",
    "1e-400",    "0",      "-0",     "1",     "-1",    "2",      "3.5",   "15",
    "100",       "0.4",    "2.6",    "9",     "10",    "11",     "-5",    "abc",
    "1e308",     "-1e308", "1e-308", "32767", "32768", "-32769", "65536", "2147483648",
    "0.0009555", "406700", "1 2",    " 7 ",   "7x",    "e5",     "1,5",   "99999999999999999999",
};

std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

EventDriver::Choice seededChoice(std::uint64_t seed) {
    return [state = seed](std::uint32_t bound) mutable {
        return bound == 0 ? 0 : static_cast<std::uint32_t>(splitMix(state) % bound);
    };
}

EventDriver::EventDriver(std::string folder, Choice choose)
    : folder_(std::move(folder)), choose_(std::move(choose)), platform_(folder_) {
    restartProgram();
}

void EventDriver::restartProgram() {
    form_.reset();
    platform_.quitRequested = false;
    form_ = std::make_unique<FormOrbit>(platform_);
    lastAction_ = "program start";
}

bool EventDriver::reachable(const Control& control) const {
    if (!control.shown()) return false;
    for (const Control* c = &control; c != nullptr; c = c->container())
        if (!c->enabled()) return false;
    return true;
}

void EventDriver::step() {
    // The farewell window's "x" ends the program; a user would start it again.
    if (platform_.quitRequested) return restartProgram();
    if (!form_->visible()) return actOnOneOf(form_->Farewell.controls(), 1);
    const std::uint32_t kind = choose_(10);
    if (kind < 4) return runTicks();
    if (kind == 4 && form_->TiF.enabled()) {
        lastAction_ = "TiF period";
        return form_->TiF.fire();
    }
    if (kind == 5 && form_->Tr.enabled()) {
        lastAction_ = "Tr period";
        return form_->Tr.fire();
    }
    if (kind == 6) {
        const int n = 1 + static_cast<int>(choose_(37));
        if (reachable(form_->CDp[n])) {
            lastAction_ = "scenario " + std::to_string(n);
            return form_->CDp[n].press();
        }
    }
    // A few tries to land on something reachable, as a user's mouse would.
    actOnOneOf(form_->controls(), 8);
}

void EventDriver::runTicks() {
    lastAction_ = "no run";
    if (!form_->Ti.enabled()) return;
    const std::uint32_t n = 1 + choose_(200);
    lastAction_ = std::to_string(n) + " ticks";
    for (std::uint32_t i = 0; i < n && form_->Ti.enabled() && form_->visible() && driftProblem_.empty();
         ++i, ++ticks_) {
        const double laps = form_->st.Laps;
        form_->Ti.fire();
        // A completed orbit has just written its record (a run's first one starts the file afresh).
        if (form_->st.Laps != laps && form_->st.Laps >= 1)
            driftProblem_ = driftCheck_.check(form_->st.DriftFile, form_->st.Laps == 1);
    }
}

void EventDriver::actOnOneOf(const std::vector<Control*>& controls, int tries) {
    lastAction_ = "missed";
    for (int attempt = 0; attempt < tries && !controls.empty(); ++attempt) {
        Control& c = *controls[choose_(static_cast<std::uint32_t>(controls.size()))];
        if (reachable(c)) return actOn(c);
    }
}

void EventDriver::actOn(Control& c) {
    lastAction_ = c.name();
    if (c.index() >= 0) lastAction_ += '(' + std::to_string(c.index()) + ')';
    if (auto* button = dynamic_cast<toolkit::CommandButton*>(&c)) return button->press();
    if (auto* box = dynamic_cast<toolkit::CheckBox*>(&c)) return box->click();
    if (auto* option = dynamic_cast<toolkit::OptionButton*>(&c)) return option->click();
    if (auto* label = dynamic_cast<toolkit::Label*>(&c)) return label->click();
    if (auto* image = dynamic_cast<toolkit::Image*>(&c)) return image->click();
    if (auto* text = dynamic_cast<toolkit::TextBox*>(&c)) return typeInto(*text);
    if (auto* bar = dynamic_cast<toolkit::HScrollBar*>(&c)) {
        const auto span = static_cast<std::uint32_t>(bar->max() - bar->min()) + 1;
        const int v = bar->min() + static_cast<int>(choose_(span == 0 ? 1 : span));
        lastAction_ += " to " + std::to_string(v);
        bar->setValue(v);
    }
}

void EventDriver::typeInto(toolkit::TextBox& box) {
    box.setFocus();
    if (choose_(6) == 0) {
        lastAction_ += " double click";
        if (box.shown()) box.doubleClick();
        return;
    }
    if (box.locked()) return;
    const std::string text = randomText();
    lastAction_ += " typed \"" + text.substr(0, 40) + "\"";
    box.setText(text);
    // Leaving the box (to the next scenario button, say) runs its lost-focus check.
    if (choose_(3) != 0) form_->setFocus(form_->Label7);
}

std::string EventDriver::randomText() {
    switch (choose_(4)) {
        case 0: {
            const double magnitude = std::pow(10.0, static_cast<double>(choose_(41)) - 20);
            return toolkit::numberText((static_cast<double>(choose_(2000001)) / 1000000 - 1) * magnitude);
        }
        case 1:
            return std::string(1 + choose_(5000), static_cast<char>('0' + choose_(10)));
        default:
            return kTexts[choose_(std::size(kTexts))];
    }
}

std::string EventDriver::brokenInvariant() const {
    if (!driftProblem_.empty()) return "drift file: " + driftProblem_;
    const SimState& s = form_->st;
    // A run whose numbers stopped being finite must have stopped itself and said so.
    for (int i = 0; i <= 9; ++i) {
        const bool ok = std::isfinite(s.PosX[i]) && std::isfinite(s.PosY[i]) && std::isfinite(s.VelX[i]) &&
                        std::isfinite(s.VelY[i]);
        if (!ok && (form_->Ti.enabled() || form_->LaChirp[1].caption().empty()))
            return "body " + std::to_string(i) + " not finite while the run goes on";
    }
    const auto outside = [](double v, double highest) { return !(v >= 0 && v <= highest); };
    if (outside(s.NBodies, 9)) return "NBodies " + toolkit::numberText(s.NBodies);
    if (outside(s.BufPos, kHistoryWrap)) return "BufPos " + toolkit::numberText(s.BufPos);
    if (outside(s.DistIdx, 16)) return "DistIdx " + toolkit::numberText(s.DistIdx);
    if (outside(s.TimeScaleIdx, 18)) return "TimeScaleIdx " + toolkit::numberText(s.TimeScaleIdx);
    if (form_->Ti.enabled() && form_->Ti.interval() < 0) return "negative run interval";
    return {};
}

}  // namespace zephra::testing
