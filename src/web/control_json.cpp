// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/control_json.h"

#include <cstdio>
#include <string_view>

#include "toolkit/twips.h"

namespace zephra::web {

using toolkit::ControlKind;

namespace {

constexpr std::string_view kKindNames[] = {"button", "check",  "option", "text",  "label",
                                           "frame",  "scroll", "image",  "shape", "line"};
constexpr std::string_view kFontNames[] = {"caption", "scenario", "numeric", "sansbold", "verdana"};
constexpr std::string_view kAlignments[] = {"left", "right", "center"};

class JsonObject {
  public:
    JsonObject() { out_ = "{"; }
    JsonObject& field(std::string_view key, int value) { return raw(key, std::to_string(value)); }
    JsonObject& flag(std::string_view key, bool value) { return raw(key, value ? "true" : "false"); }
    JsonObject& text(std::string_view key, std::string_view value) {
        std::string quoted = "\"";
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (c == '"' || c == '\\') {
                (quoted += '\\') += c;
            } else if (c == '\r') {
                // The window's line break, alone or before a line feed.
                if (i + 1 == value.size() || value[i + 1] != '\n') quoted += "\\n";
            } else if (static_cast<unsigned char>(c) < 0x20) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", c);
                quoted += code;
            } else {
                quoted += c;
            }
        }
        return raw(key, quoted + '"');
    }
    JsonObject& color(std::string_view key, toolkit::Color c) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%06x", static_cast<unsigned>(c));
        return text(key, hex);
    }
    std::string done() { return out_ + '}'; }

  private:
    JsonObject& raw(std::string_view key, std::string_view value) {
        if (out_.size() > 1) out_ += ',';
        ((out_ += '"') += key) += "\":";
        out_ += value;
        return *this;
    }
    std::string out_;
};

int pixels(int twips) {
    return twips / toolkit::kTwipsPerPixel;
}

}  // namespace

std::string controlJson(const toolkit::Control& c, int id, int containerId) {
    JsonObject o;
    o.field("id", id).field("container", containerId);
    o.text("kind", kKindNames[static_cast<int>(c.kind())]).text("name", c.name()).field("index", c.index());
    o.field("x", pixels(c.left())).field("y", pixels(c.top()));
    o.field("w", pixels(c.width())).field("h", pixels(c.height()));
    o.flag("visible", c.visible()).flag("enabled", c.enabled());
    o.color("fore", c.foreColor()).color("back", c.backColor());
    o.text("tip", c.toolTip()).text("font", kFontNames[static_cast<int>(c.font())]);
    o.text("caption", c.caption());
    switch (c.kind()) {
        case ControlKind::CheckBox:
            o.field("value", static_cast<const toolkit::CheckBox&>(c).value());
            break;
        case ControlKind::OptionButton:
            o.field("value", static_cast<const toolkit::OptionButton&>(c).value());
            break;
        case ControlKind::TextBox: {
            const auto& box = static_cast<const toolkit::TextBox&>(c);
            o.text("text", box.text()).flag("locked", box.locked()).flag("multiLine", box.multiLine());
            o.text("align", kAlignments[static_cast<int>(box.alignment())]);
            break;
        }
        case ControlKind::Label: {
            const auto& label = static_cast<const toolkit::Label&>(c);
            o.text("align", kAlignments[static_cast<int>(label.alignment())]);
            o.flag("transparent", label.transparent());
            break;
        }
        case ControlKind::Frame:
            o.flag("bordered", static_cast<const toolkit::Frame&>(c).bordered());
            break;
        case ControlKind::HScrollBar: {
            const auto& bar = static_cast<const toolkit::HScrollBar&>(c);
            o.field("value", bar.value()).field("min", bar.min()).field("max", bar.max());
            o.field("small", bar.smallChange()).field("large", bar.largeChange());
            break;
        }
        case ControlKind::Shape: {
            const auto& shape = static_cast<const toolkit::Shape&>(c);
            o.color("border", shape.borderColor()).color("fill", shape.fillColor());
            break;
        }
        case ControlKind::Line: {
            const auto& line = static_cast<const toolkit::Line&>(c);
            o.field("x1", pixels(line.x1())).field("y1", pixels(line.y1()));
            o.field("x2", pixels(line.x2())).field("y2", pixels(line.y2()));
            break;
        }
        case ControlKind::CommandButton:
        case ControlKind::Image:
            break;
    }
    return o.done();
}

}  // namespace zephra::web
