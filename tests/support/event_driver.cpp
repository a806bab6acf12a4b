#include "support/event_driver.h"

#include <cmath>
#include <iterator>

#include "toolkit/number_text.h"

namespace zephra::testing {

namespace {

using toolkit::Control;
using toolkit::ControlKind;

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

bool finite(double x) {
    return std::isfinite(x);
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
    if (!form_->visible()) return actOnFarewell();
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
    actOnMainWindow();
}

void EventDriver::runTicks() {
    if (!form_->Ti.enabled()) {
        lastAction_ = "no run";
        return;
    }
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

void EventDriver::actOnMainWindow() {
    const auto& controls = form_->controls();
    if (controls.empty()) return;
    // A few tries to land on something reachable, as a user's mouse would.
    for (int attempt = 0; attempt < 8; ++attempt) {
        Control& c = *controls[choose_(static_cast<std::uint32_t>(controls.size()))];
        if (!reachable(c)) continue;
        return actOn(c);
    }
    lastAction_ = "missed";
}

void EventDriver::actOnFarewell() {
    const auto& controls = form_->Farewell.controls();
    if (controls.empty()) return;
    Control& c = *controls[choose_(static_cast<std::uint32_t>(controls.size()))];
    if (reachable(c)) actOn(c);
}

void EventDriver::actOn(Control& c) {
    lastAction_ = c.name();
    if (c.index() >= 0) lastAction_ += '(' + std::to_string(c.index()) + ')';
    switch (c.kind()) {
        case ControlKind::CommandButton:
            static_cast<toolkit::CommandButton&>(c).press();
            break;
        case ControlKind::CheckBox:
            static_cast<toolkit::CheckBox&>(c).click();
            break;
        case ControlKind::OptionButton:
            static_cast<toolkit::OptionButton&>(c).click();
            break;
        case ControlKind::Label:
            static_cast<toolkit::Label&>(c).click();
            break;
        case ControlKind::Image:
            static_cast<toolkit::Image&>(c).click();
            break;
        case ControlKind::HScrollBar: {
            auto& bar = static_cast<toolkit::HScrollBar&>(c);
            const auto span = static_cast<std::uint32_t>(bar.max() - bar.min()) + 1;
            const int v = bar.min() + static_cast<int>(choose_(span == 0 ? 1 : span));
            lastAction_ += " to " + std::to_string(v);
            bar.setValue(v);
            break;
        }
        case ControlKind::TextBox:
            typeInto(static_cast<toolkit::TextBox&>(c));
            break;
        default:
            break;
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
            const double x = (static_cast<double>(choose_(2000001)) / 1000000 - 1) * magnitude;
            return toolkit::numberText(x);
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
        const bool ok = finite(s.PosX[i]) && finite(s.PosY[i]) && finite(s.VelX[i]) && finite(s.VelY[i]);
        if (!ok && (form_->Ti.enabled() || form_->LaChirp[1].caption().empty()))
            return "body " + std::to_string(i) + " not finite while the run goes on";
    }
    if (s.NBodies < 0 || s.NBodies > 9) return "NBodies " + std::to_string(s.NBodies);
    if (!(s.BufPos >= 0 && s.BufPos <= kHistoryWrap)) return "BufPos " + toolkit::numberText(s.BufPos);
    if (!(s.DistIdx >= 0 && s.DistIdx <= 16)) return "DistIdx " + toolkit::numberText(s.DistIdx);
    if (!(s.TimeScaleIdx >= 0 && s.TimeScaleIdx <= 18))
        return "TimeScaleIdx " + toolkit::numberText(s.TimeScaleIdx);
    if (form_->Ti.enabled() && form_->Ti.interval() < 0) return "negative run interval";
    return {};
}

}  // namespace zephra::testing
