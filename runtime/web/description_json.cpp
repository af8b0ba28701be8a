// SPDX-License-Identifier: MIT
#include "description_json.h"

#include <cstdio>

#include "rt/conversions.h"

namespace rt::web {

namespace {

const char* kind_name(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::TextBox: return "textbox";
        case ControlKind::CommandButton: return "button";
    }
    return "label";
}

const char* alignment_name(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return "left";
        case Alignment::Center: return "center";
        case Alignment::Right: return "right";
    }
    return "left";
}

/// Point sizes (14.25, 15.75) written as the runtime writes every number: never with a locale's
/// decimal comma, which JSON would not read.
std::string font_json(const Font& font) {
    return "{\"face\":" + json_string(font.face) + ",\"points\":" + StrR8(font.points) +
           ",\"weight\":" + std::to_string(font.weight) + "}";
}

std::string field(const char* name, const std::string& value) { return std::string("\"") + name + "\":" + value; }
std::string field(const char* name, int value) { return field(name, std::to_string(value)); }
std::string field(const char* name, bool value) { return field(name, std::string(value ? "true" : "false")); }

/// The control's accessible name, when its description gives one: the label that describes it,
/// or a text box's own short name.
std::string accessibility_json(const ControlOptions& options) {
    std::string out;
    if (!options.labelled_by.empty()) out += "," + field("labelledBy", json_string(options.labelled_by));
    if (!options.accessible_name.empty()) out += "," + field("accessibleName", json_string(options.accessible_name));
    return out;
}

}  // namespace

std::string json_string(const Text& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string control_state_json(const Control& control) {
    return "{" + field("text", json_string(control.content())) + "," + field("enabled", control.enabled()) + "," +
           field("fore", static_cast<int>(control.fore_color().bgr)) + "}";
}

std::string form_json(const Form& form) {
    const FormDescription& d = form.description();
    std::string out = "{" + field("caption", json_string(d.caption)) + "," + field("width", d.width) + "," +
                      field("height", d.height) + "," + field("font", font_json(form.font())) + ",\"controls\":[";
    for (const auto& control : form.controls()) {
        const ControlDescription& c = control->description();
        if (out.back() == '}') out += ',';
        out += "{" + field("name", json_string(c.name)) + "," + field("kind", json_string(kind_name(c.kind))) + "," +
               field("left", c.left) + "," + field("top", c.top) + "," + field("width", c.width) + "," +
               field("height", c.height) + "," + field("font", font_json(control->font())) + "," +
               field("align", json_string(alignment_name(c.options.alignment))) + "," +
               field("back", c.options.back_color ? static_cast<int>(c.options.back_color->bgr) : -1) + "," +
               field("maxLength", control->kind() == ControlKind::TextBox
                                      ? static_cast<const TextBox&>(*control).max_length()
                                      : 0) +
               "," + field("state", control_state_json(*control)) + accessibility_json(c.options) + "}";
    }
    return out + "]}";
}

}  // namespace rt::web
