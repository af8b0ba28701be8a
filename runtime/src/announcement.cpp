// SPDX-License-Identifier: MIT
#include "rt/announcement.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

namespace {

constexpr std::string_view kJoin = "，";
constexpr std::size_t kMostLinesAsPrinted = 3;
constexpr std::size_t kMostCharactersAsPrinted = 80;

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

/// The text without blanks at either end, each run of blanks inside made one: what a reader
/// says is the same, and numbers printed with their sign's blank read cleanly.
Text squeezed(std::string_view text) {
    Text out;
    bool blank = false;
    for (const char c : text) {
        if (is_blank(c)) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

std::size_t characters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += char_size(text, pos)) ++count;
    return count;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> found;
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        if (end > pos) found.push_back(line.substr(pos, end - pos));
        pos = end + 1;
    }
    return found;
}

/// A number as Print writes one: a sign, digits, a decimal point, an exponent.
bool is_number(std::string_view word) {
    const std::string_view digits = word.substr(word.front() == '-' ? 1 : 0);
    return !digits.empty() && is_digit(digits.front()) && std::all_of(digits.begin(), digits.end(), [](char c) {
        return is_digit(c) || c == '.' || c == 'E' || c == '+' || c == '-';
    });
}

bool is_star_line(std::string_view line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == '*' || c == ' '; });
}

Text joined(const std::vector<Text>& parts) {
    Text out;
    for (const Text& part : parts) {
        if (!out.empty()) out += kJoin;
        out += part;
    }
    return out;
}

/// What a reader hears of newly printed text: short text as it stands, longer text or a figure
/// summed up.
Text printed_part(std::string_view added) {
    std::vector<Text> lines;
    for (std::size_t pos = 0; pos <= added.size();) {
        const std::size_t end = std::min(added.find('\n', pos), added.size());
        if (Text line = squeezed(added.substr(pos, end - pos)); !line.empty()) lines.push_back(std::move(line));
        pos = end + 1;
    }
    if (lines.empty()) return {};
    if (std::all_of(lines.begin(), lines.end(), is_star_line))
        return "打印了 " + std::to_string(lines.size()) + " 行星号图形";
    std::size_t length = 0;
    for (const Text& line : lines) length += characters(line);
    if (lines.size() <= kMostLinesAsPrinted && length <= kMostCharactersAsPrinted) return joined(lines);
    std::size_t numbers = 0;
    bool only_numbers = true;
    for (const Text& line : lines)
        for (const std::string_view word : words(line)) {
            only_numbers = only_numbers && is_number(word);
            ++numbers;
        }
    if (only_numbers) return "打印了 " + std::to_string(numbers) + " 个数";
    return "打印了 " + std::to_string(lines.size()) + " 行文字";
}

bool describes_something(const FormDescription& form, const std::string& label) {
    return std::any_of(form.controls.begin(), form.controls.end(),
                       [&](const ControlDescription& c) { return c.options.labelled_by == label; });
}

/// The label that closes a value's phrase ("回合" after "您已坚持 1"): the next control in
/// reading order, when it is a label with fixed words of its own on the value's line that
/// neither describes anything nor is described.
const Control* closing_label(const Form& form, const ControlDescription& value, const Control* next) {
    if (next == nullptr || next->kind() != ControlKind::Label) return nullptr;
    const ControlDescription& d = next->description();
    if (d.caption.empty() || !d.options.labelled_by.empty() || describes_something(form.description(), d.name) ||
        !on_one_line(value, d))
        return nullptr;
    return next;
}

}  // namespace

Text announcement(const Form& form) {
    const ChangeRecord& changes = form.changes();
    const std::vector<std::size_t> order = reading_order(form.description());
    std::vector<bool> said(order.size(), false);
    std::vector<Text> parts;
    for (std::size_t at = 0; at < order.size(); ++at) {
        const Control& control = *form.controls()[order[at]];
        if (!changes.written(order[at]) || said[order[at]]) continue;
        Text part = squeezed(control.content());
        if (part.empty()) continue;
        const ControlOptions& options = control.description().options;
        if (!options.labelled_by.empty()) {
            const Text label = squeezed(form.find(options.labelled_by).content());
            if (!label.empty()) part = label + " " + part;
            const Control* next = at + 1 < order.size() ? form.controls()[order[at + 1]].get() : nullptr;
            if (const Control* closing = closing_label(form, control.description(), next)) {
                if (const Text words = squeezed(closing->content()); !words.empty()) part += " " + words;
                said[order[at + 1]] = true;
            }
        } else if (!options.accessible_name.empty()) {
            part = squeezed(options.accessible_name) + " " + part;
        }
        parts.push_back(std::move(part));
    }
    if (Text printed = printed_part(changes.printed_since(form.printed())); !printed.empty())
        parts.push_back(std::move(printed));
    return joined(parts);
}

}  // namespace rt
