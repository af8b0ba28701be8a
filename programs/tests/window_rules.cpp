// SPDX-License-Identifier: MIT
#include "window_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "rt/conversions.h"
#include "rt/testing/scripted_program.h"

namespace programs::testing {

using rt::ErrorKind;
using rt::Text;
using rt::testing::error_box;
using rt::testing::input_box;
using rt::testing::runtime_error_box;
using rt::testing::ShownDialog;

// ---------------------------------------------------------------------------------------------
// The window before and after a click.

namespace {

ControlState state_of(const rt::Control& control) {
    return {control.content(), control.enabled(), control.fore_color()};
}

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

WindowState WindowState::of(const rt::Form& form) {
    WindowState state;
    state.update(form);
    return state;
}

void WindowState::update(const rt::Form& form) {
    for (const auto& control : form.controls()) controls.insert_or_assign(control->name(), state_of(*control));
    const std::vector<Text>& now = form.printed().ended_lines();
    const bool grew = now.size() >= lines.size() && std::equal(lines.begin(), lines.end(), now.begin());
    if (grew)
        lines.insert(lines.end(), now.begin() + static_cast<std::ptrdiff_t>(lines.size()), now.end());
    else
        lines = now;
    current_line = form.printed().current_line();
}

const ControlState& WindowState::control(std::string_view name) const {
    const auto found = controls.find(name);
    if (found == controls.end()) throw std::out_of_range("no control " + std::string(name));
    return found->second;
}

std::optional<ShownDialog> Click::message() const {
    for (const ShownDialog& dialog : dialogs)
        if (dialog.kind == ShownDialog::Kind::MsgBox) return dialog;
    return std::nullopt;
}

bool Click::showed(const Text& prompt) const { return message() == error_box(prompt); }

bool Click::reported(ErrorKind kind) const { return message() == runtime_error_box(kind); }

std::span<const Text> Click::new_lines() const {
    const std::vector<Text>& now = after.printed().ended_lines();
    if (now.size() < before.lines.size()) return {};
    return std::span<const Text>(now).subspan(before.lines.size());
}

std::string visible(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::string out;
    for (std::size_t pos = 0; pos < text.size() && pos < kShown;) {
        const std::size_t size = rt::char_size(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (size == 1 && (byte < 0x20 || byte >= 0x7F)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += text.substr(pos, size);
        }
        pos += size;
    }
    if (text.size() > kShown) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

namespace {

std::string describe(const ShownDialog& dialog) {
    const bool box = dialog.kind == ShownDialog::Kind::MsgBox;
    return std::string(box ? "MsgBox" : "InputBox") + " \"" + visible(dialog.prompt) + "\" titled \"" +
           visible(dialog.title) + "\"";
}

std::string quoted(std::string_view text) { return "\"" + visible(text) + "\""; }

// ---------------------------------------------------------------------------------------------
// Independent reckoning of what the programs show, in plain C++ arithmetic. Only the reading of
// a typed number is left to the runtime's Val and rounding, which their own tests and the
// fuzz targets check.

/// The whole number a text holds, in the plain decimal form the programs write.
std::optional<long long> whole(const Text& text) {
    static const std::regex kWhole("-?(0|[1-9][0-9]{0,17})");
    if (!std::regex_match(text, kWhole) || text == "-0") return std::nullopt;
    return std::stoll(text);
}

/// A number as Print writes it: a blank or "-", the digits, one blank.
Text item(long long n) { return n < 0 ? std::to_string(n) + " " : " " + std::to_string(n) + " "; }

/// The number a program reads from a typed text: the runtime's Val (the rule for reading
/// typed numbers), then rounded into 16 or 32 bits. std::nullopt where that raises Overflow.
enum class Bits { Sixteen, ThirtyTwo };
std::optional<long long> read_whole(const Text& text, Bits bits) {
    try {
        const rt::Float64 value = rt::Val(text);
        return bits == Bits::Sixteen ? rt::FpI2(value).value() : rt::FpI4(value).value();
    } catch (const rt::RuntimeError& e) {
        if (e.kind() != ErrorKind::Overflow) throw;
        return std::nullopt;
    }
}
std::optional<double> read_number(const Text& text) {
    try {
        return rt::Val(text).value();
    } catch (const rt::RuntimeError& e) {
        if (e.kind() != ErrorKind::Overflow) throw;
        return std::nullopt;
    }
}

/// Expects the click to have ended with the given report.
void expect_report(const Click& click, ErrorKind kind, const std::string& why, Faults& faults) {
    if (!click.reported(kind))
        faults.push_back(why + ": expected the report \"" + rt::error_prompt(kind) + "\", saw " +
                         (click.message() ? describe(*click.message()) : "none"));
}
void expect_message(const Click& click, const Text& prompt, const std::string& why, Faults& faults) {
    if (!click.showed(prompt))
        faults.push_back(why + ": expected the message \"" + prompt + "\", saw " +
                         (click.message() ? describe(*click.message()) : "none"));
}
/// Expects a click that shows no message.
bool expect_success(const Click& click, const std::string& why, Faults& faults) {
    if (!click.message()) return true;
    faults.push_back(why + ": no message expected, saw " + describe(*click.message()));
    return false;
}
void expect_caption(const Click& click, std::string_view name, const Text& expected, Faults& faults) {
    if (click.content_after(name) != expected)
        faults.push_back(std::string(name) + " shows " + quoted(click.content_after(name)) + ", expected " +
                         quoted(expected));
}
void expect_lines(const Click& click, const std::vector<Text>& expected, Faults& faults) {
    const std::span<const Text> added = click.new_lines();
    if (!std::equal(added.begin(), added.end(), expected.begin(), expected.end())) {
        std::string seen;
        for (const Text& line : added) seen += quoted(line) + " ";
        faults.push_back("printed " + std::to_string(added.size()) + " lines " + seen + "instead of " +
                         std::to_string(expected.size()) + (expected.empty() ? "" : ", the first " + quoted(expected[0])));
    }
}
void expect_figure(const Click& click, const std::vector<Text>& expected, Faults& faults) {
    const std::vector<Text>& lines = click.after.printed().ended_lines();
    if (lines != expected || !click.after.printed().current_line().empty())
        faults.push_back("the window does not show exactly the expected figure of " + std::to_string(expected.size()) +
                         " lines (it has " + std::to_string(lines.size()) + ")");
}

// ---------------------------------------------------------------------------------------------
// orvane: the dice game.

namespace dice {

const Text kChoosePrompt = "请输入 大 或者 小";
const Text kBetPrompt = "请下注，不得少于5个筹码，也不得多于20个筹码";
const Text kChoiceWrong = "输入的内容不正确";
const Text kBetWrong = "您下注的筹码有误";
const Text kNoBet = "您尚未下注";
const Text kNoChoice = "您尚未选大小";
const Text kGameOver = "您已输光，游戏结束！~";
const Text kTooFewChips = "筹码不足5个，游戏结束！~";
constexpr int kRed = 255;
constexpr int kGreen = 65280;

/// The enabled flags of Command2, Command3, Command4, Command1 and Command5.
using Phase = std::array<bool, 5>;
constexpr Phase kBetting{true, true, true, false, false};
constexpr Phase kRolling{false, false, false, true, false};
constexpr Phase kSettling{false, false, false, false, true};
constexpr Phase kOver{false, false, false, false, false};
constexpr std::array<const char*, 5> kButtons{"Command2", "Command3", "Command4", "Command1", "Command5"};

Phase phase_of(const rt::Form& form) {
    Phase phase{};
    for (std::size_t i = 0; i < kButtons.size(); ++i) phase[i] = form.find(kButtons[i]).enabled();
    return phase;
}
std::string describe(const Phase& phase) {
    std::string out;
    for (std::size_t i = 0; i < kButtons.size(); ++i) out += std::string(kButtons[i]) + (phase[i] ? "+ " : "- ");
    return out;
}

void check(const Click& click, Faults& faults) {
    const Phase phase = phase_of(click.after);
    if (phase != kBetting && phase != kRolling && phase != kSettling && phase != kOver)
        faults.push_back("the enabled buttons are no row of the phase table: " + describe(phase));

    const Text& balance_text = click.content_after("Label2");
    const std::optional<long long> balance = whole(balance_text);
    if (!balance || *balance < 0) faults.push_back("the balance " + quoted(balance_text) + " is no whole number of chips");
    const std::optional<long long> rounds = whole(click.content_after("Label15"));
    const std::optional<long long> rounds_before = whole(click.content_before("Label15"));
    if (!rounds || !rounds_before || *rounds < *rounds_before)
        faults.push_back("the round counter went from " + quoted(click.content_before("Label15")) + " to " +
                         quoted(click.content_after("Label15")));
    const Text& choice = click.content_after("Label12");
    if (choice != "" && choice != "大" && choice != "小") faults.push_back("the choice shows " + quoted(choice));
    const Text& bet_text = click.content_after("Label4");
    const std::optional<long long> bet = whole(bet_text);
    if (bet_text != "" && (!bet || *bet < 5 || *bet > 20)) faults.push_back("the bet shows " + quoted(bet_text));
    if (!balance || !rounds) return;

    if (click.button == "Command2") {
        if (!click.answer) return faults.push_back("choosing opened no InputBox");
        if (*click.answer == "大" || *click.answer == "小") {
            if (expect_success(click, "a valid choice", faults)) expect_caption(click, "Label12", *click.answer, faults);
        } else {
            expect_message(click, kChoiceWrong, "the choice " + quoted(*click.answer), faults);
        }
    } else if (click.button == "Command3") {
        if (!click.answer) return faults.push_back("betting opened no InputBox");
        const std::optional<long long> chips = read_whole(*click.answer, Bits::Sixteen);
        const std::string why = "the bet " + quoted(*click.answer);
        if (!chips)
            expect_report(click, ErrorKind::Overflow, why, faults);
        else if (*chips >= 5 && *chips <= 20 && *chips <= *balance) {
            if (expect_success(click, why, faults)) expect_caption(click, "Label4", std::to_string(*chips), faults);
        } else
            expect_message(click, kBetWrong, why, faults);
    } else if (click.button == "Command4") {
        if (click.content_before("Label4").empty())
            expect_message(click, kNoBet, "locking without a bet", faults);
        else if (click.content_before("Label12").empty())
            expect_message(click, kNoChoice, "locking without a choice", faults);
        else if (expect_success(click, "locking", faults) && phase != kRolling)
            faults.push_back("locking did not start the roll phase: " + describe(phase));
    } else if (click.button == "Command1") {
        if (!expect_success(click, "rolling", faults)) return;
        long long total = 0;
        for (const char* die : {"Label6", "Label8", "Label10"}) {
            const std::optional<long long> face = whole(click.content_after(die));
            if (!face || *face < 1 || *face > 6) return faults.push_back(std::string(die) + " shows no die");
            total += *face;
        }
        const bool small_chosen = click.content_before("Label12") == "小";
        Text verdict = "豹子，庄家通吃";
        int colour = kRed;
        if (total != 3 && total != 18) {
            const bool small = total <= 9;
            const bool win = small == small_chosen;
            verdict = std::to_string(total) + (small ? "点小，" : "点大，") + (win ? "您赢" : "您输");
            colour = win ? kGreen : kRed;
        }
        expect_caption(click, "Label13", verdict, faults);
        if (click.after.find("Label13").fore_color() != rt::Color(colour))
            faults.push_back("the verdict is not in its colour");
        if (phase != kSettling) faults.push_back("rolling did not start the settle phase: " + describe(phase));
    } else if (click.button == "Command5") {
        if (!expect_success(click, "settling", faults)) return;
        if (*rounds != *rounds_before + 1) faults.push_back("settling did not count the round");
        const Text& verdict = click.content_before("Label13");
        const bool won = verdict.ends_with("赢");
        const long long stake = whole(click.content_before("Label4")).value_or(-1);
        const long long old_balance = whole(click.content_before("Label2")).value_or(-1);
        if (*balance != (won ? old_balance + stake : old_balance - stake))
            faults.push_back("settling moved the balance from " + std::to_string(old_balance) + " to " +
                             std::to_string(*balance) + " on a stake of " + std::to_string(stake));
        for (const char* cleared : {"Label4", "Label12", "Label6", "Label8", "Label10"})
            expect_caption(click, cleared, "", faults);
        if (click.after.find("Label13").fore_color() != click.before.control("Label13").fore_color)
            faults.push_back("settling changed the colour of the result line");
        const bool over = *balance < 5;
        expect_caption(click, "Label13", !over ? "" : *balance == 0 ? kGameOver : kTooFewChips, faults);
        if (phase != (over ? kOver : kBetting)) faults.push_back("settling left the phase " + describe(phase));
    }
}

Rules rules() {
    return {
        .program = "orvane",
        .dialogs = {input_box(kChoosePrompt, "选大小"), input_box(kBetPrompt, "下注"), error_box(kChoiceWrong),
                    error_box(kBetWrong), error_box(kNoBet), error_box(kNoChoice),
                    // A bet that rounds outside 16 bits.
                    runtime_error_box(ErrorKind::Overflow)},
        .written = {"Label2", "Label4", "Label6", "Label8", "Label10", "Label12", "Label13", "Label15", "Command1",
                    "Command2", "Command3", "Command4", "Command5"},
        .written_before_failure = {},
        .printing = Printing::Never,
        .check_click = check,
    };
}

}  // namespace dice

// ---------------------------------------------------------------------------------------------
// tilbry: the arithmetic practice tool.

namespace arithmetic {

void check(const Click& click, Faults& faults) {
    for (const char* operand : {"Text1", "Text2"}) {
        if (click.button == "Command1") {
            const std::optional<long long> value = whole(click.content_after(operand));
            if (!value || *value < 100 || *value > 500)
                faults.push_back(std::string(operand) + " got the operand " + quoted(click.content_after(operand)));
        } else if (click.content_after(operand) != click.content_before(operand)) {
            faults.push_back("an operation changed " + std::string(operand));
        }
    }
    if (click.button == "Command1") {
        expect_success(click, "new operands", faults);
        expect_caption(click, "Label1", click.content_before("Label1"), faults);
        expect_caption(click, "Text3", click.content_before("Text3"), faults);
        return;
    }

    const char* ops[] = {"+", "-", "*", "/"};
    const int op = click.button.back() - '2';
    if (op < 0 || op > 3) return faults.push_back("no such button " + std::string(click.button));
    expect_caption(click, "Label1", ops[op], faults);

    const std::optional<double> a = read_number(click.content_before("Text1"));
    const std::optional<double> b = read_number(click.content_before("Text2"));
    const std::string why = quoted(click.content_before("Text1")) + " " + ops[op] + " " +
                            quoted(click.content_before("Text2"));
    if (!a || !b) return expect_report(click, ErrorKind::Overflow, why + " (an operand beyond the range)", faults);
    // Zero over zero is an invalid operation, any other number over zero a division by zero.
    if (op == 3 && *b == 0)
        return expect_report(click, *a == 0 ? ErrorKind::FloatingPoint : ErrorKind::DivisionByZero, why, faults);
    const double r = op == 0 ? *a + *b : op == 1 ? *a - *b : op == 2 ? *a * *b : *a / *b;
    if (!std::isfinite(r)) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (!expect_success(click, why, faults)) return;

    // Text3 must show the result as a plain number: never "inf", "nan" or a digit count that
    // strays from the value. Fifteen significant digits, or three decimals for the quotient.
    const Text& shown = click.content_after("Text3");
    static const std::regex kReal("-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?");
    static const std::regex kQuotient("-?[0-9]+(\\.[0-9]{1,3})?");
    const bool written_well = std::regex_match(shown, op == 3 ? kQuotient : kReal) && shown != "-0";
    // Read in long double: fifteen digits of the largest double round beyond its range.
    const long double value = written_well ? std::strtold(shown.c_str(), nullptr) : NAN;
    const long double tolerance = (op == 3 ? 0.0005L : 0.0L) + 1e-14L * std::fabs(r) + 1e-300L;
    if (!written_well || !(std::fabs(value - r) <= tolerance))
        faults.push_back(why + " shows " + quoted(shown) + ", the value is " + std::to_string(r));
}

Rules rules() {
    return {
        .program = "tilbry",
        .dialogs = {runtime_error_box(ErrorKind::Overflow), runtime_error_box(ErrorKind::DivisionByZero),
                    runtime_error_box(ErrorKind::FloatingPoint)},
        .written = {"Label1", "Text1", "Text2", "Text3"},
        // The operator shows before the computation that may fail.
        .written_before_failure = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
    };
}

}  // namespace arithmetic

// ---------------------------------------------------------------------------------------------
// quennet: digit rearrangement.

namespace rearrangement {

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::ThirtyTwo);
    const std::string why = "the number " + quoted(typed);
    if (!n) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*n <= 0) return expect_report(click, ErrorKind::SubscriptOutOfRange, why, faults);
    std::string digits = std::to_string(*n);
    std::sort(digits.begin(), digits.end());
    const long long smallest = std::stoll(digits);
    std::sort(digits.rbegin(), digits.rend());
    const long long largest = std::stoll(digits);
    if (largest > INT32_MAX) return expect_report(click, ErrorKind::Overflow, why + " (largest arrangement)", faults);
    if (!expect_success(click, why, faults)) return;
    expect_lines(click,
                 {item(*n) + "能组成的最大数字与最小数字之差为" + item(largest) + "-" + item(smallest) + "=" +
                  item(largest - smallest)},
                 faults);
}

Rules rules() {
    return {
        .program = "quennet",
        .dialogs = {runtime_error_box(ErrorKind::Overflow), runtime_error_box(ErrorKind::SubscriptOutOfRange)},
        .written = {},
        .written_before_failure = {},
        .printing = Printing::Appends,
        .check_click = check,
    };
}

}  // namespace rearrangement

// ---------------------------------------------------------------------------------------------
// brasky: star patterns.

namespace stars {

/// A line of the triangles and the solid diamond: blanks, then stars.
Text line(int blanks, int stars) { return Text(blanks, ' ') + Text(stars, '*'); }

std::vector<Text> figure(int button) {
    std::vector<Text> lines;
    for (int i = 1; i <= 11; ++i) {
        const int w = i <= 6 ? i : 12 - i;  // the diamonds' half-width
        switch (button) {
            case 1: lines.push_back(line(11 - i, 2 * i - 1)); break;
            case 2: lines.push_back(line(i - 1, 2 * (11 - i) + 1)); break;
            case 3: lines.push_back(line(6 - w, 2 * w - 1)); break;
            default: {
                Text hollow(21, ' ');
                hollow[6 - w] = '*';
                hollow[4 + w] = '*';
                lines.push_back(hollow);
            }
        }
    }
    return lines;
}

void check(const Click& click, Faults& faults) {
    if (!expect_success(click, "a figure", faults)) return;
    expect_figure(click, figure(click.button.back() - '0'), faults);
}

Rules rules() {
    return {.program = "brasky", .printing = Printing::Replaces, .check_click = check};
}

}  // namespace stars

// ---------------------------------------------------------------------------------------------
// mondrel: digit matrix.

namespace matrix {

const Text kSizeWrong = "请输入3-9范围内的整数";

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::Sixteen);
    const std::string why = "the size " + quoted(typed);
    if (!n) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*n < 3 || *n > 9) return expect_message(click, kSizeWrong, why, faults);
    if (!expect_success(click, why, faults)) return;
    std::vector<Text> rows;
    for (long long i = 1; i <= *n; ++i) {
        Text row;
        for (long long p = 1; p <= *n; ++p) row += item((i + p - 2) % *n + 1);
        rows.push_back(row);
    }
    expect_figure(click, rows, faults);
}

Rules rules() {
    return {
        .program = "mondrel",
        .dialogs = {error_box(kSizeWrong), runtime_error_box(ErrorKind::Overflow)},
        .printing = Printing::Replaces,
        .check_click = check,
    };
}

}  // namespace matrix

// ---------------------------------------------------------------------------------------------
// sarnic: hexadecimal conversion.

namespace hex {

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::ThirtyTwo);
    if (!n) return expect_report(click, ErrorKind::Overflow, "the number " + quoted(typed), faults);
    if (!expect_success(click, "the number " + quoted(typed), faults)) return;
    char digits[24];
    std::snprintf(digits, sizeof digits, "%llX", static_cast<unsigned long long>(*n < 0 ? -*n : *n));
    expect_caption(click, "Label1", (*n < 0 ? "-" : "") + Text(digits), faults);
}

Rules rules() {
    return {
        .program = "sarnic",
        .dialogs = {runtime_error_box(ErrorKind::Overflow)},
        .written = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
    };
}

}  // namespace hex

// ---------------------------------------------------------------------------------------------
// pellow: series sum.

namespace series {

const Text kOutOfRange = "输入的数据超出范围";

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> terms = read_whole(typed, Bits::Sixteen);
    const std::string why = "the number of terms " + quoted(typed);
    if (!terms) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*terms < 1 || *terms > 10) return expect_message(click, kOutOfRange, why, faults);
    if (!expect_success(click, why, faults)) return;
    long long term = 0;
    long long total = 0;
    for (long long i = 1; i <= *terms; ++i) {
        term = term * 10 + i;
        total += term;
    }
    expect_lines(click, {item(*terms) + "项的和是 " + item(total)}, faults);
}

Rules rules() {
    return {
        .program = "pellow",
        .dialogs = {error_box(kOutOfRange), runtime_error_box(ErrorKind::Overflow)},
        .printing = Printing::Appends,
        .check_click = check,
    };
}

}  // namespace series

// ---------------------------------------------------------------------------------------------
// grentam: big-number addition.

namespace addition {

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

Rules rules() {
    return {
        .program = "grentam",
        .dialogs = {error_box(kNotANumber)},
        .written = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
    };
}

}  // namespace addition

// ---------------------------------------------------------------------------------------------
// luvesk: the first 100 primes.

namespace primes {

std::vector<Text> lines() {
    std::vector<Text> out;
    Text line;
    int found = 0;
    for (int n = 2; found < 100; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n; ++d) prime = prime && n % d != 0;
        if (!prime) continue;
        line += item(n);
        if (++found % 10 == 0) out.push_back(std::exchange(line, Text()));
    }
    return out;
}

void check(const Click& click, Faults& faults) {
    if (expect_success(click, "the primes", faults)) expect_lines(click, lines(), faults);
}

Rules rules() { return {.program = "luvesk", .printing = Printing::Appends, .check_click = check}; }

}  // namespace primes

// ---------------------------------------------------------------------------------------------
// farrowd: a random permutation of the digits.

namespace permutation {

void check(const Click& click, Faults& faults) {
    if (!expect_success(click, "a permutation", faults)) return;
    const std::span<const Text> added = click.new_lines();
    if (added.size() != 1) return faults.push_back("the click printed " + std::to_string(added.size()) + " lines");
    // Ten items " d ": twenty blanks and each digit once.
    Text sorted = added[0];
    std::sort(sorted.begin(), sorted.end());
    if (sorted != Text(20, ' ') + "0123456789")
        return faults.push_back("the click printed no line of the ten digits: " + quoted(added[0]));
    for (std::size_t i = 0; i < 10; ++i)
        if (added[0][3 * i] != ' ' || added[0][3 * i + 2] != ' ')
            return faults.push_back("the digits are not printed as number items: " + quoted(added[0]));
}

Rules rules() { return {.program = "farrowd", .printing = Printing::Appends, .check_click = check}; }

}  // namespace permutation

}  // namespace

// ---------------------------------------------------------------------------------------------

const Rules& rules_for(std::string_view program) {
    static const std::vector<Rules> kRules = {
        dice::rules(),  arithmetic::rules(), rearrangement::rules(), stars::rules(),  matrix::rules(),
        hex::rules(),   series::rules(),     addition::rules(),      primes::rules(), permutation::rules(),
    };
    for (const Rules& rules : kRules)
        if (rules.program == program) return rules;
    throw std::out_of_range("no rules for " + std::string(program));
}

Faults check(const Rules& rules, const Click& click) {
    Faults faults;
    const rt::PrintedText& printed = click.after.printed();
    const bool printed_unchanged =
        click.before.lines == printed.ended_lines() && click.before.current_line == printed.current_line();
    auto changed = [&](const std::string& name, const ControlState& before) {
        return before != state_of(click.after.find(name));
    };

    if (!click.before.control(click.button).enabled) {
        // A disabled button delivers nothing.
        if (!click.dialogs.empty()) faults.push_back("the disabled button opened " + describe(click.dialogs[0]));
        for (const auto& [name, state] : click.before.controls)
            if (changed(name, state)) faults.push_back("the disabled button changed " + name);
        if (!printed_unchanged) faults.push_back("the disabled button printed");
        return faults;
    }

    int boxes = 0;
    for (const ShownDialog& dialog : click.dialogs) {
        if (std::find(rules.dialogs.begin(), rules.dialogs.end(), dialog) == rules.dialogs.end())
            faults.push_back("opened " + describe(dialog) + ", which the program never shows");
        if (dialog.kind == ShownDialog::Kind::MsgBox) ++boxes;
    }
    if (boxes > 1) faults.push_back("showed " + std::to_string(boxes) + " message boxes in one click");

    for (const auto& [name, state] : click.before.controls)
        if (!contains(rules.written, name) && changed(name, state))
            faults.push_back(name + " changed from " + quoted(state.content) + " to " +
                             quoted(click.after.find(name).content()) + ", though no handler writes it");

    // A click that ends in a message or a report takes nothing away: whatever it did before
    // failing is limited to the controls its rules name.
    if (click.message()) {
        for (const auto& [name, state] : click.before.controls)
            if (!contains(rules.written_before_failure, name) && changed(name, state))
                faults.push_back(name + " changed from " + quoted(state.content) + " to " +
                                 quoted(click.after.find(name).content()) + " in a click that failed");
        if (!printed_unchanged) faults.push_back("a click that failed changed the printed text");
    }

    switch (rules.printing) {
        case Printing::Never:
            if (!printed.ended_lines().empty() || !printed.current_line().empty())
                faults.push_back("the program printed on its window");
            break;
        case Printing::Appends: {
            const std::vector<Text>& now = printed.ended_lines();
            if (now.size() < click.before.lines.size() ||
                !std::equal(click.before.lines.begin(), click.before.lines.end(), now.begin()))
                faults.push_back("earlier printed lines were lost or changed");
            if (!printed.current_line().empty()) faults.push_back("a printed line was left unended");
            break;
        }
        case Printing::Replaces: break;  // the program's own check compares the whole figure
    }

    rules.check_click(click, faults);
    return faults;
}

}  // namespace programs::testing
