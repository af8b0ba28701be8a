// SPDX-License-Identifier: MIT
#include "rt/web/description_json.h"

#include <charconv>
#include <string_view>

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

// Everything is appended in place to one string. In the web build each call that may throw,
// made from a function that owns something to destroy, goes out through JavaScript and back;
// the helpers below own nothing, so only their callers pay that, once per field rather than
// once per character or piece.

/// `,"name":`, the comma left out after an opening brace or bracket.
void key(std::string& out, const char* name) {
    if (out.back() != '{' && out.back() != '[') out += ',';
    out += '"';
    out += name;
    out += "\":";
}

void append_int(std::string& out, int value) {
    char digits[16];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void append_string(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plain = 0;  // start of the run of characters that stand for themselves
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\') continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default: {
                constexpr char kHex[] = "0123456789abcdef";
                const char escaped[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
                out.append(escaped, sizeof escaped);
            }
        }
    }
    out.append(text, plain);
    out += '"';
}

void put(std::string& out, const char* name, int value) {
    key(out, name);
    append_int(out, value);
}
void put(std::string& out, const char* name, bool value) {
    key(out, name);
    out += value ? "true" : "false";
}
void put(std::string& out, const char* name, std::string_view text) {
    key(out, name);
    append_string(out, text);
}

/// Point sizes (14.25, 15.75) written as the runtime writes every number: never with a locale's
/// decimal comma, which JSON would not read.
void put_font(std::string& out, const char* name, const Font& font) {
    key(out, name);
    out += '{';
    put(out, "face", std::string_view(font.face));
    key(out, "points");
    out += StrR8(font.points);
    put(out, "weight", font.weight);
    out += '}';
}

void put_state(std::string& out, const Control& control) {
    out += '{';
    put(out, "text", std::string_view(control.content()));
    put(out, "enabled", control.enabled());
    put(out, "fore", static_cast<int>(control.fore_color().bgr));
    out += '}';
}

}  // namespace

std::string json_string(const Text& text) {
    std::string out;
    append_string(out, text);
    return out;
}

std::string control_state_json(const Control& control) {
    std::string out;
    put_state(out, control);
    return out;
}

std::string form_json(const Form& form) {
    const FormDescription& d = form.description();
    std::string out = "{";
    put(out, "caption", std::string_view(d.caption));
    put(out, "width", d.width);
    put(out, "height", d.height);
    put_font(out, "font", form.font());
    key(out, "controls");
    out += '[';
    for (const auto& control : form.controls()) {
        const ControlDescription& c = control->description();
        if (out.back() == '}') out += ',';
        out += '{';
        put(out, "name", std::string_view(c.name));
        put(out, "kind", std::string_view(kind_name(c.kind)));
        put(out, "left", c.left);
        put(out, "top", c.top);
        put(out, "width", c.width);
        put(out, "height", c.height);
        put_font(out, "font", control->font());
        put(out, "align", std::string_view(alignment_name(c.options.alignment)));
        put(out, "back", c.options.back_color ? static_cast<int>(c.options.back_color->bgr) : -1);
        put(out, "maxLength",
            control->kind() == ControlKind::TextBox ? static_cast<const TextBox&>(*control).max_length() : 0);
        key(out, "state");
        put_state(out, *control);
        // The control's accessible name, when its description gives one: the label that
        // describes it, or a text box's own short name.
        if (!c.options.labelled_by.empty()) put(out, "labelledBy", std::string_view(c.options.labelled_by));
        if (!c.options.accessible_name.empty())
            put(out, "accessibleName", std::string_view(c.options.accessible_name));
        if (c.options.keyboard == Keyboard::Digits) put(out, "inputMode", std::string_view("numeric"));
        out += '}';
    }
    out += ']';
    // The controls' indices as a reader takes them: the page lays its elements out in this order.
    key(out, "readingOrder");
    out += '[';
    for (const std::size_t i : reading_order(d)) {
        if (out.back() != '[') out += ',';
        append_int(out, static_cast<int>(i));
    }
    out += "]}";
    return out;
}

}  // namespace rt::web
