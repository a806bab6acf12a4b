// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/overrides.h"

#include <algorithm>

#include "toolkit/number_text.h"

namespace zephra::batch {

namespace {

using C = OverrideControl;

// How the window takes an override: a physics tick is clicked, a box of a panel is typed into and left, a
// box of the body editor is typed into and left while the run is paused. This switch and the one of
// targetOf list every control without a default, so that the compiler names one left out.
enum class Kind { tick, box, bodyBox };

Kind kindOf(C control) {
    switch (control) {
        case C::Newton:
        case C::SpecialRelativity:
        case C::Vessor:
        case C::GeneralRelativity:
        case C::DarkCloud:
        case C::Bounce:
            return Kind::tick;
        case C::GravitySpeed:
        case C::GravityExponent:
        case C::DarkFriction:
            return Kind::box;
        case C::BodyX:
        case C::BodyY:
        case C::BodyVx:
        case C::BodyVy:
        case C::BodyMass:
            return Kind::bodyBox;
    }
    return Kind::box;  // no other control
}

// The window's control that an override sets: the tick it clicks or the box it types into.
struct Target {
    CheckBox* tick = nullptr;
    TextBox* box = nullptr;
};

Target targetOf(FormOrbit& form, C control) {
    switch (control) {
        case C::Newton:
            return {.tick = &form.Cosmos[0]};
        case C::SpecialRelativity:
            return {.tick = &form.Cosmos[1]};
        case C::Vessor:
            return {.tick = &form.Cosmos[2]};
        case C::GeneralRelativity:
            return {.tick = &form.Cosmos[3]};
        case C::DarkCloud:
            return {.tick = &form.Cosmos[4]};
        case C::Bounce:
            return {.tick = &form.Cosmos[5]};
        case C::GravitySpeed:
            return {.box = &form.TXGspeed};
        case C::GravityExponent:
            return {.box = &form.TXg[2]};
        case C::DarkFriction:
            return {.box = &form.TXdark};
        case C::BodyX:
            return {.box = &form.TXTp[0]};
        case C::BodyY:
            return {.box = &form.TXTp[1]};
        case C::BodyVx:
            return {.box = &form.TXTp[2]};
        case C::BodyVy:
            return {.box = &form.TXTp[3]};
        case C::BodyMass:
            return {.box = &form.TXTp[4]};
    }
    return {};  // no other control
}

// The number a box reads from the text, when the whole text is that number and the window's 15 significant
// digits show it unchanged (the boxes are rewritten with that many when a handler refreshes them).
std::optional<double> boxNumber(const std::string& text) {
    const std::optional<double> strict = toolkit::strictNumber(text);
    if (!strict || toolkit::leadingNumber(text) != *strict) return std::nullopt;
    if (toolkit::strictNumber(toolkit::numberText(*strict)) != strict) return std::nullopt;
    return strict;
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
            break;
    }
    const Target target = targetOf(form, o.control);
    if (target.tick != nullptr) return target.tick->ticked() ? 1 : 0;
    return toolkit::leadingNumber(target.box->text());
}

// Why the window does not hold the override as set, if it does not. The box's handler can change the value
// (it holds the exponent to 0.4..2.6 and turns a negative speed of gravity into 1), a later setting can undo
// an earlier one (a whole speed of gravity ticks General Relativity again), a position outside the window
// keeps the editor from taking the body's boxes, and a speed or a friction acts only while its option is
// ticked: the run would not be the one asked for.
std::optional<std::string> notHeld(FormOrbit& form, const Override& o) {
    const double held = heldValue(form, o);
    if (held != o.value) return "did not hold: the window holds " + toolkit::numberText(held);
    if (o.control == C::GravitySpeed && !form.Cosmos[3].ticked())
        return "has no effect while General Relativity is unticked";
    if (o.control == C::DarkFriction && !form.Cosmos[4].ticked())
        return "has no effect while the dark cloud is unticked";
    return std::nullopt;
}

}  // namespace

std::string Override::key() const {
    std::string key = option.substr(2);
    if (body >= 0) key.append(":").append(toolkit::numberText(body));
    return key;
}

std::optional<std::string> addOverride(std::vector<Override>& overrides, OverrideControl control,
                                       const std::string& option, const std::string& value) {
    Override o{.control = control, .option = option, .given = value, .text = value};
    const Kind kind = kindOf(control);
    if (kind == Kind::bodyBox) {
        const std::size_t colon = value.find(':');
        const std::optional<double> body =
            colon == std::string::npos ? std::nullopt : toolkit::strictNumber(value.substr(0, colon));
        if (!body || (*body != 0 && *body != 1 && *body != 2))
            return option + " must be BODY:VALUE with a body of 0..2: " + value;
        o.body = static_cast<int>(*body);
        o.text = value.substr(colon + 1);
    }
    if (kind == Kind::tick) {
        if (o.text != "0" && o.text != "1") return option + " must be 0 (untick) or 1 (tick): " + value;
        o.value = o.text == "1";
    } else {
        const std::optional<double> number = boxNumber(o.text);
        if (!number) return option + " must be a number of at most 15 significant digits: " + value;
        o.value = *number;
    }
    for (const Override& earlier : overrides)
        if (earlier.control == o.control && earlier.body == o.body)
            return option + " given more than once" +
                   (o.body < 0 ? "" : " for body " + toolkit::numberText(o.body));
    overrides.push_back(o);
    return std::nullopt;
}

std::optional<std::string> applyOverrides(FormOrbit& form, std::vector<Override> overrides) {
    std::stable_sort(overrides.begin(), overrides.end(), [](const Override& a, const Override& b) {
        return a.control != b.control ? a.control < b.control : a.body < b.body;
    });
    // The editor shows a body while the run is paused.
    const bool pause = form.Ti.enabled() &&
                       std::any_of(overrides.begin(), overrides.end(),
                                   [](const Override& o) { return kindOf(o.control) == Kind::bodyBox; });
    if (pause) form.Command5.press();
    for (const Override& o : overrides) {
        const Target target = targetOf(form, o.control);
        if (target.tick != nullptr) {
            if (target.tick->ticked() != (o.value == 1)) target.tick->click();
            continue;
        }
        if (kindOf(o.control) == Kind::bodyBox) {
            // Typing the body number and clicking its label fills the boxes with that body.
            typeAndLeave(form, form.TXTOden, toolkit::numberText(o.body));
            form.La[0].click();
        }
        typeAndLeave(form, *target.box, o.text);
    }
    if (pause) form.Command5.press();

    for (const Override& o : overrides)
        if (const std::optional<std::string> why = notHeld(form, o))
            return o.option + " " + o.given + " " + *why;
    return std::nullopt;
}

std::optional<std::string> overridesUndoneByFirstTick(FormOrbit& form,
                                                      const std::vector<Override>& overrides) {
    for (const Override& o : overrides) {
        if (kindOf(o.control) == Kind::bodyBox) continue;
        if (const std::optional<std::string> why = notHeld(form, o))
            return "the window's first tick undid " + o.option + " " + o.given + " (it " + *why + ")";
    }
    return std::nullopt;
}

}  // namespace zephra::batch
