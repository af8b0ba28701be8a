// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rt/text.h"

namespace rt {

/// A colour as 0x00BBGGRR: 255 is red, 65280 green.
struct Color {
    std::uint32_t bgr = 0;

    constexpr Color() = default;
    constexpr Color(std::uint32_t value) : bgr(value) {}
    constexpr int red() const { return static_cast<int>(bgr & 0xFF); }
    constexpr int green() const { return static_cast<int>((bgr >> 8) & 0xFF); }
    constexpr int blue() const { return static_cast<int>((bgr >> 16) & 0xFF); }
    friend constexpr bool operator==(const Color&, const Color&) = default;
};

struct Font {
    Text face;
    double points = 9;
    int charset = 134;  // GB2312
    int weight = 400;
    friend bool operator==(const Font&, const Font&) = default;
};

/// The Song-style face every window description uses, at the given size in points.
inline Font song(double points) { return Font{"宋体", points, 134, 400}; }

/// The runtime's default font: the same face at 9 points. Forms and controls whose description
/// sets no font use it.
inline Font default_font() { return song(9); }

/// Written where a control table leaves the font to the runtime.
inline constexpr std::nullopt_t runtime_font = std::nullopt;

enum class ControlKind { Label, TextBox, CommandButton };
enum class Alignment { Left, Center, Right };
/// The keyboard a touch screen brings up for a text box: Digits only where nothing but digits
/// makes sense (no sign, no decimal point).
enum class Keyboard { Text, Digits };

/// A control's rare properties, given after its table columns.
struct ControlOptions {
    std::optional<Color> back_color{};  ///< labels: opaque in this colour
    bool enabled = true;
    Alignment alignment = Alignment::Left;
    int max_length = 0;  ///< text boxes: most characters held; 0 for the runtime's limit
    /// The label whose caption says what this control shows or takes: screen readers read the
    /// two together ("当前筹码 50"). Empty when no label describes it.
    std::string labelled_by{};
    /// Text boxes that no label describes: the short name screen readers give them.
    Text accessible_name{};
    Keyboard keyboard = Keyboard::Text;  ///< text boxes only
};

/// One row of a control table: positions and sizes in twips (1/1440 inch).
struct ControlDescription {
    ControlKind kind;
    std::string name;
    Text caption;  ///< a label's or button's caption, a text box's initial text
    int left, top, width, height;
    std::optional<Font> font;
    ControlOptions options;
};

/// A form: its caption, client size in twips, font and controls in tab order.
struct FormDescription {
    std::string name = "Form1";
    Text caption;
    int width = 0, height = 0;
    std::optional<Font> font{};
    std::vector<ControlDescription> controls{};
};

// clang-format off
inline ControlDescription label(std::string name, Text caption, int left, int top, int width,
                                int height, std::optional<Font> font, ControlOptions options = {}) {
    return {ControlKind::Label, std::move(name), std::move(caption), left, top, width, height, std::move(font), options};
}
inline ControlDescription text_box(std::string name, Text text, int left, int top, int width,
                                   int height, std::optional<Font> font, ControlOptions options = {}) {
    return {ControlKind::TextBox, std::move(name), std::move(text), left, top, width, height, std::move(font), options};
}
inline ControlDescription button(std::string name, Text caption, int left, int top, int width,
                                 int height, std::optional<Font> font, ControlOptions options = {}) {
    return {ControlKind::CommandButton, std::move(name), std::move(caption), left, top, width, height, std::move(font), options};
}
// clang-format on

/// Throws DescriptionError naming the first mistake: a missing or repeated name, a size that is
/// not positive, a font without a face or size, a colour beyond 24 bits, a negative text limit,
/// a describing label that is not a label of the form, an accessible name or a keyboard on
/// anything but a text box.
void validate(const FormDescription& form);

/// Whether `other` reads on the same line as `first`: its middle lies within first's height.
bool on_one_line(const ControlDescription& first, const ControlDescription& other);

/// The controls' indices in the order a reader takes them in: top to bottom by rows (a control
/// on the line of the row's topmost one belongs to its row), each row left to right, each value
/// straight after the label that describes it ("当前筹码", "50"). Screen reader announcements,
/// the page's element order and narrow layouts all follow it.
std::vector<std::size_t> reading_order(const FormDescription& form);

}  // namespace rt
