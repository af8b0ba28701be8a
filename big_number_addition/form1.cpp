// SPDX-License-Identifier: MIT
#include "form1.h"

namespace big_number_addition {

using namespace rt;

namespace {

// clang-format off
const Text kNotANumber                     = "请输入不超过50位的非负整数";
const Text kErrorTitle                     = "错误";
constexpr std::string_view kBlank          = " ";
constexpr std::string_view kFullWidthBlank = "　";
constexpr int kPositions                   = 50;  // digit positions of each number; a longer text is refused
// clang-format on

/// True for one character "0" to "9" or its full-width form "０" to "９". UTF-8 keeps the order
/// of the code points, so a single character lies between two others exactly when its text does.
bool is_digit(const Text& character) {
    return (character >= "0" && character <= "9") || (character >= "０" && character <= "９");
}

/// The text without the blanks, ASCII or full-width, before and after it. A box may hold tens
/// of thousands of blanks, so the text is walked once from each end rather than by Mid.
Text without_surrounding_blanks(std::string_view text) {
    while (text.starts_with(kBlank) || text.starts_with(kFullWidthBlank))
        text.remove_prefix(text.starts_with(kBlank) ? kBlank.size() : kFullWidthBlank.size());
    while (text.ends_with(kBlank) || text.ends_with(kFullWidthBlank))
        text.remove_suffix(text.ends_with(kBlank) ? kBlank.size() : kFullWidthBlank.size());
    return Text(text);
}

/// True for a text of at most 50 digits. The empty text is accepted: it counts as 0.
bool is_whole_number(const Text& text) {
    if (Len(text) > kPositions) return false;
    for (Int32 i = 1; i <= Len(text); ++i)
        if (!is_digit(Mid(text, i, 1))) return false;
    return true;
}

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    // Every character takes one digit position, so a sign, a point, a letter or a blank inside
    // the number would silently give a wrong sum: such a text is refused before anything changes.
    Text firstText = without_surrounding_blanks(Text1.Text());
    Text secondText = without_surrounding_blanks(Text2.Text());
    if (!is_whole_number(firstText) || !is_whole_number(secondText)) {
        MsgBox(kNotANumber, MsgBoxStyle::Critical, kErrorTitle);
        return;
    }

    // Both numbers are laid out as 50 positions aligned at the right: "0"s go in front.
    if (Len(firstText) < kPositions)
        for (Int16 i = I2I4(Len(firstText) + 1); i <= kPositions; ++i) firstText = "0" + firstText;
    if (Len(secondText) < kPositions)
        for (Int16 i = I2I4(Len(secondText) + 1); i <= kPositions; ++i) secondText = "0" + secondText;

    // Position 0 holds the most significant digit, position 49 the units. Val reads a full-width
    // digit as its ASCII form, so both forms give the same digit value.
    Int16Array firstDigits(0, 49);
    Int16Array secondDigits(0, 49);
    Int16Array sumDigits(0, 49);
    for (Int16 i = 0; i <= 49; ++i) firstDigits(i) = FpI2(Val(Mid(firstText, i + 1, 1)));
    for (Int16 i = 0; i <= 49; ++i) secondDigits(i) = FpI2(Val(Mid(secondText, i + 1, 1)));

    // As on paper: from the units upward, carrying one into the next position.
    Int16 carry = 0;
    for (Int16 i = 49; i >= 0; --i) {
        sumDigits(i) = secondDigits(i) + firstDigits(i) + carry;
        if (sumDigits(i) > 9) {
            sumDigits(i) = sumDigits(i) - 10;
            carry = 1;
        } else {
            carry = 0;
        }
    }

    // The label is rebuilt from empty, one digit per assignment. A carry out of the top position
    // is the 51st digit. Otherwise leading zeros are dropped, but the units digit always shows,
    // so a sum of 0 shows "0".
    Label1.SetCaption("");
    Int16 first = 0;
    if (carry == 1)
        Label1.SetCaption("1");
    else
        while (first < 49 && sumDigits(first) == 0) ++first;
    for (Int16 i = first; i <= 49; ++i) Label1.SetCaption(Label1.Caption() + StrI2(sumDigits(i)));
}

}  // namespace big_number_addition
