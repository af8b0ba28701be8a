// SPDX-License-Identifier: MIT
// What big-number addition must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "rt/conversions.h"
#include "sweep_scene.h"
#include "window_rules.h"

namespace big_number_addition::tests {

using namespace programs::testing;

const Text kNotANumber = "请输入不超过50位的非负整数";

/// The digits of a text that is a non-negative whole number of at most 50 digits, ASCII or
/// full-width, with blanks (ASCII or full-width) around it; std::nullopt for any other text.
std::optional<std::string> digits_of(const Text& text) {
    const Text fullwidth_blank = "\u3000";
    std::vector<Text> characters;
    for (std::size_t pos = 0; pos < text.size(); pos += rt::char_size(text, pos))
        characters.push_back(text.substr(pos, rt::char_size(text, pos)));
    auto first = characters.begin();
    auto last = characters.end();
    while (first != last && (*first == " " || *first == fullwidth_blank)) ++first;
    while (last != first && (*(last - 1) == " " || *(last - 1) == fullwidth_blank)) --last;
    std::string digits;
    for (auto c = first; c != last; ++c) {
        // "０" to "９" are EF BC 90 to EF BC 99.
        const auto last_byte = static_cast<unsigned char>(c->back());
        if (c->size() == 1 && last_byte >= '0' && last_byte <= '9')
            digits += c->back();
        else if (c->size() == 3 && c->starts_with("\xEF\xBC") && last_byte >= 0x90 && last_byte <= 0x99)
            digits += static_cast<char>('0' + (last_byte - 0x90));
        else
            return std::nullopt;
    }
    if (digits.size() > 50) return std::nullopt;
    return digits;
}

std::string sum(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
        const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
        out.insert(out.begin(), static_cast<char>('0' + (x + y + carry) % 10));
        carry = (x + y + carry) / 10;
    }
    const auto nonzero = out.find_first_not_of('0');
    return nonzero == std::string::npos ? "0" : out.substr(nonzero);
}

void check(const Click& click, Faults& faults) {
    const std::optional<std::string> a = digits_of(click.content_before("Text1"));
    const std::optional<std::string> b = digits_of(click.content_before("Text2"));
    const std::string why = quoted(click.content_before("Text1")) + " + " + quoted(click.content_before("Text2"));
    if (!a || !b) return expect_message(click, kNotANumber, why, faults);
    if (expect_success(click, why, faults)) expect_caption(click, "Label1", sum(*a, *b), faults);
}

SweepScene sweep_scene() {
    return {enter({{"Text1", "123"}, {"Text2", "456"}}, "Command1"), {{"Text1", "123"}, {"Text2", "456"}}};
}

Rules rules() {
    return {
        .program = "grentam",
        .dialogs = {error_box(kNotANumber)},
        .written = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
        .sweep = sweep_scene(),
        .longest_captions = {{"Label1", "100000000000000000000000000000000000000000000000000"}},
    };
}

}  // namespace big_number_addition::tests
