// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/session_log.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "toolkit/bits.h"

namespace zephra::web {

using toolkit::Control;
using toolkit::ControlKind;

namespace {

constexpr std::array<std::string_view, 6> kActionNames{"press",    "click", "focus",
                                                       "dblclick", "text",  "value"};

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

// The next blank-separated word of line, taken off it.
std::string_view takeWord(std::string_view& line) {
    const std::size_t end = std::min(line.find(' '), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(std::min(end + 1, line.size()));
    return word;
}

std::optional<int> wholeNumber(std::string_view word) {
    if (word.empty() || word.size() > 10) return std::nullopt;
    char* end = nullptr;
    const std::string text(word);
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return static_cast<int>(value);
}

toolkit::Timer* timerNamed(FormOrbit& window, std::string_view name) {
    if (name == "Ti") return &window.Ti;
    if (name == "TiF") return &window.TiF;
    if (name == "Tr") return &window.Tr;
    return nullptr;
}

// A text box's text, a scroll bar's value, else the caption.
std::string shownText(const Control& c) {
    if (c.kind() == ControlKind::TextBox) return static_cast<const toolkit::TextBox&>(c).text();
    if (c.kind() == ControlKind::HScrollBar)
        return std::to_string(static_cast<const toolkit::HScrollBar&>(c).value());
    return c.caption();
}

void putJsonString(std::string& out, std::string_view text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') {
            (out += '\\') += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c);
            out += code;
        } else {
            out += c;
        }
    }
    out += '"';
}

// The bits of x, in hexadecimal: equal texts, equal doubles.
void putExact(std::string& out, double x) {
    char text[24];
    std::snprintf(text, sizeof text, "\"%016llx\"", static_cast<unsigned long long>(toolkit::bitsOf(x)));
    out += text;
}

}  // namespace

void applyUserAction(toolkit::Form& form, Control& control, UserAction action, std::string_view text) {
    switch (action) {
        case UserAction::Press:
            if (control.kind() == ControlKind::CommandButton)
                static_cast<toolkit::CommandButton&>(control).press();
            break;
        case UserAction::Click:
            if (control.kind() == ControlKind::CheckBox)
                static_cast<toolkit::CheckBox&>(control).click();
            else if (control.kind() == ControlKind::OptionButton)
                static_cast<toolkit::OptionButton&>(control).click();
            else if (control.kind() == ControlKind::Label)
                static_cast<toolkit::Label&>(control).click();
            else if (control.kind() == ControlKind::Image)
                static_cast<toolkit::Image&>(control).click();
            break;
        case UserAction::Focus:
            form.setFocus(control);
            break;
        case UserAction::DblClick:
            if (control.kind() == ControlKind::TextBox) static_cast<toolkit::TextBox&>(control).doubleClick();
            break;
        case UserAction::Text:
            if (control.kind() == ControlKind::TextBox) static_cast<toolkit::TextBox&>(control).setText(text);
            break;
        case UserAction::Value:
            if (control.kind() == ControlKind::HScrollBar)
                if (const std::optional<int> v = wholeNumber(text))
                    static_cast<toolkit::HScrollBar&>(control).setValue(*v);
            break;
    }
}

void SessionLog::timerFired(std::string_view timer) {
    if (timer == lastTimer_) {
        ++lastCount_;
        text_.resize(lastLineStart_);
    } else {
        lastTimer_ = timer;
        lastCount_ = 1;
        lastLineStart_ = text_.size();
    }
    text_ += "T " + lastTimer_ + ' ' + std::to_string(lastCount_) + '\n';
}

void SessionLog::userAction(int form, const Control& control, UserAction action, std::string_view text) {
    lastTimer_.clear();
    text_ += "E " + std::to_string(form) + ' ' + control.name() + ' ' + std::to_string(control.index()) +
             ' ' + std::string(kActionNames[static_cast<std::size_t>(action)]);
    if (action == UserAction::Text || action == UserAction::Value) text_ += ' ' + escaped(text);
    text_ += '\n';
}

std::optional<std::string> replay(FormOrbit& window, std::string_view log) {
    int lineNumber = 0;
    while (!log.empty()) {
        const std::size_t end = std::min(log.find('\n'), log.size());
        std::string_view line = log.substr(0, end);
        log.remove_prefix(std::min(end + 1, log.size()));
        ++lineNumber;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::string_view kind = takeWord(line);
        if (kind == "T") {
            toolkit::Timer* timer = timerNamed(window, takeWord(line));
            const std::optional<int> count = wholeNumber(takeWord(line));
            if (!timer || !count) return where + "no timer and count";
            for (int k = 0; k < *count; ++k) timer->fire();
        } else if (kind == "E") {
            const std::optional<int> form = wholeNumber(takeWord(line));
            const std::string_view name = takeWord(line);
            const std::optional<int> index = wholeNumber(takeWord(line));
            const std::string_view actionName = takeWord(line);
            toolkit::Form* target = form == 0   ? static_cast<toolkit::Form*>(&window)
                                    : form == 1 ? &window.Farewell
                                                : nullptr;
            Control* control = target && index ? target->find(name, *index) : nullptr;
            const auto action = std::find(kActionNames.begin(), kActionNames.end(), actionName);
            if (!control || action == kActionNames.end()) return where + "no such control or action";
            applyUserAction(*target, *control, static_cast<UserAction>(action - kActionNames.begin()),
                            unescaped(line));
        } else if (!kind.empty()) {
            return where + "neither a timer nor a user's action";
        }
    }
    return std::nullopt;
}

std::string windowText(const FormOrbit& window) {
    std::string out = "{\"controls\":[";
    const std::array<const toolkit::Form*, 2> forms{&window, &window.Farewell};
    for (std::size_t f = 0; f < forms.size(); ++f) {
        const toolkit::Form* form = forms[f];
        for (const Control* c : form->controls()) {
            if (out.back() == '}') out += ',';
            out += "\n{\"form\":" + std::to_string(f) + ",\"name\":";
            putJsonString(out, c->name());
            out += ",\"index\":" + std::to_string(c->index()) + ",\"text\":";
            putJsonString(out, shownText(*c));
            out += ",\"shown\":" + std::string(c->shown() && form->visible() ? "true" : "false");
            out += ",\"enabled\":" + std::string(c->enabled() ? "true" : "false") + '}';
        }
    }
    out += "],\n\"bodies\":[";
    const SimState& st = window.st;
    for (std::size_t b = 0; b < st.PosX.size(); ++b) {
        out += b ? ",\n[" : "\n[";
        for (double x : {st.PosX[b], st.PosY[b], st.VelX[b], st.VelY[b], st.Mass[b]}) {
            putExact(out, x);
            out += ',';
        }
        out.back() = ']';
    }
    out += "],\n\"iterations\":";
    putExact(out, st.Iters);
    // FNV-1a over the pixels: any point drawn differently changes it.
    std::uint64_t digest = 14695981039346656037ull;
    const toolkit::Color* pixels = window.surface().pixels();
    for (int i = 0; i < toolkit::Surface::kWidthPixels * toolkit::Surface::kHeightPixels; ++i)
        digest = (digest ^ pixels[i]) * 1099511628211ull;
    char hex[24];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(digest));
    out += ",\n\"drawing\":\"" + std::string(hex) + "\"}\n";
    return out;
}

}  // namespace zephra::web
