#include "batch/overrides.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "toolkit/number_text.h"

namespace zephra::batch {

namespace {

using C = OverrideControl;

bool isTick(C control) {
    return control <= C::Bounce;
}
bool isBodyBox(C control) {
    return control >= C::BodyX;
}

// The number a box reads from the text, when the whole text is that number and the window's 15 significant
// digits show it unchanged (the boxes are rewritten with that many when a handler refreshes them).
std::optional<double> boxNumber(const std::string& text) {
    const std::optional<double> strict = toolkit::strictNumber(text);
    if (!strict || toolkit::leadingNumber(text) != *strict) return std::nullopt;
    if (toolkit::strictNumber(toolkit::numberText(*strict)) != strict) return std::nullopt;
    return strict;
}

// Why a number is outside what the control keeps, or empty.
std::string outOfRange(C control, double v) {
    const double width = toolkit::Surface::width(), height = toolkit::Surface::height();
    const auto inWindow = [](double edge) {
        return "must lie in the window, 0.." + toolkit::numberText(edge);
    };
    switch (control) {
        case C::GravitySpeed:
            return v < 0 ? "must not be negative" : "";
        case C::GravityExponent:
            return v < 0.4 || v > 2.6 ? "must be 0.4..2.6" : "";
        case C::BodyX:  // the editor compares the horizontal position in single precision
            return v < 0 || static_cast<float>(v) > width ? inWindow(width) : "";
        case C::BodyY:
            return v < 0 || v > height ? inWindow(height) : "";
        default:
            return {};
    }
}

TextBox& boxOf(FormOrbit& form, const Override& o) {
    switch (o.control) {
        case C::GravitySpeed:
            return form.TXGspeed;
        case C::GravityExponent:
            return form.TXg[2];
        case C::DarkFriction:
            return form.TXdark;
        default:
            return form.TXTp[static_cast<int>(o.control) - static_cast<int>(C::BodyX)];
    }
}

// Types the text into the box and moves on to the pause button, which runs the box's LostFocus.
void typeAndLeave(FormOrbit& form, TextBox& box, const std::string& text) {
    box.setFocus();
    box.setText(text);
    form.setFocus(form.Command5);
}

// What the window holds for the override once everything is set: the tick's value, the box's number or the
// body's state.
double heldValue(FormOrbit& form, const Override& o) {
    const SimState& st = form.st;
    switch (o.control) {
        case C::BodyX:
            return st.ScrX[o.body];
        case C::BodyY:
            return st.ScrY[o.body];
        case C::BodyVx:
            return st.VelX[o.body];
        case C::BodyVy:
            return st.VelY[o.body];
        case C::BodyMass:
            return st.Mass[o.body];
        default:
            if (isTick(o.control)) return form.Cosmos[static_cast<int>(o.control)].ticked() ? 1 : 0;
            return toolkit::leadingNumber(boxOf(form, o).text());
    }
}

// Why the window does not hold the override as set, or empty. A later setting can undo an earlier one (a
// whole speed of gravity ticks General Relativity again), a position outside the window keeps the editor
// from taking the body's boxes, and a speed or a friction acts only while its option is ticked: the run
// would not be the one asked for.
std::string notHeld(FormOrbit& form, const Override& o) {
    const double held = heldValue(form, o);
    if (held != o.value) return "did not hold: the window made it " + toolkit::numberText(held);
    if (o.control == C::GravitySpeed && !form.Cosmos[3].ticked())
        return "has no effect while General Relativity is unticked";
    if (o.control == C::DarkFriction && !form.Cosmos[4].ticked())
        return "has no effect while the dark cloud is unticked";
    return {};
}

}  // namespace

std::string Override::key() const {
    std::string key = option.substr(2);
    if (body >= 0) key.append(":").append(toolkit::numberText(body));
    return key;
}

std::string addOverride(std::vector<Override>& overrides, OverrideControl control, const std::string& option,
                        const std::string& value) {
    Override o{control, option, value, -1, value, 0};
    if (isBodyBox(control)) {
        const std::size_t colon = value.find(':');
        const std::optional<double> body =
            colon == std::string::npos ? std::nullopt : toolkit::strictNumber(value.substr(0, colon));
        if (!body || (*body != 0 && *body != 1 && *body != 2))
            return option + " must be BODY:VALUE with a body of 0..2: " + value;
        o.body = static_cast<int>(*body);
        o.text = value.substr(colon + 1);
    }
    if (isTick(control)) {
        if (o.text != "0" && o.text != "1") return option + " must be 0 (untick) or 1 (tick): " + value;
        o.value = o.text == "1";
    } else {
        const std::optional<double> number = boxNumber(o.text);
        if (!number) return option + " must be a number of at most 15 significant digits: " + value;
        if (const std::string why = outOfRange(control, *number); !why.empty())
            return option + " " + why + ": " + value;
        o.value = *number;
    }
    for (const Override& earlier : overrides)
        if (earlier.control == o.control && earlier.body == o.body)
            return option + " given more than once" +
                   (o.body < 0 ? "" : " for body " + toolkit::numberText(o.body));
    overrides.push_back(o);
    return {};
}

std::string applyOverrides(FormOrbit& form, std::vector<Override> overrides) {
    std::stable_sort(overrides.begin(), overrides.end(), [](const Override& a, const Override& b) {
        return a.control != b.control ? a.control < b.control : a.body < b.body;
    });
    // The editor shows a body while the run is paused.
    const bool pause =
        form.Ti.enabled() && std::any_of(overrides.begin(), overrides.end(),
                                         [](const Override& o) { return isBodyBox(o.control); });
    if (pause) form.Command5.press();
    for (const Override& o : overrides) {
        if (isTick(o.control)) {
            CheckBox& box = form.Cosmos[static_cast<int>(o.control)];
            if (box.ticked() != (o.value == 1)) box.click();
            continue;
        }
        if (isBodyBox(o.control)) {
            // Typing the body number and clicking its label fills the boxes with that body.
            typeAndLeave(form, form.TXTOden, toolkit::numberText(o.body));
            form.La[0].click();
        }
        typeAndLeave(form, boxOf(form, o), o.text);
    }
    if (pause) form.Command5.press();

    for (const Override& o : overrides)
        if (const std::string why = notHeld(form, o); !why.empty())
            return o.option + " " + o.given + " " + why;
    return {};
}

std::string overridesUndoneByFirstTick(FormOrbit& form, const std::vector<Override>& overrides) {
    for (const Override& o : overrides) {
        if (isBodyBox(o.control)) continue;
        if (const std::string why = notHeld(form, o); !why.empty())
            return "the window's first tick undid " + o.option + " " + o.given + " (it " + why + ")";
    }
    return {};
}

}  // namespace zephra::batch
