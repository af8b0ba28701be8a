// SPDX-License-Identifier: MIT
#pragma once

#include <concepts>
#include <string_view>
#include <vector>

#include "rt/floating.h"
#include "rt/integer.h"
#include "rt/text.h"

namespace rt {

/// One item of a Print: a text as it stands, or a number as a blank (or "-" for a negative
/// number), its digits and one trailing blank. So Print 2; 3; shows " 2  3 ".
class PrintItem {
public:
    PrintItem(const char* text) : m_text(text) {}
    PrintItem(std::string_view text) : m_text(text) {}
    PrintItem(const Text& text) : m_text(text) {}
    PrintItem(Int16 number);
    PrintItem(Int32 number);
    PrintItem(Float32 number);
    PrintItem(Float64 number);
    template <PlainInteger I>
    PrintItem(I number) : PrintItem(Int32(number)) {}

    const Text& text() const { return m_text; }

private:
    Text m_text;
};

/// What follows the last item of a Print: the end of the line, or `;`, which keeps the print
/// position right after the item.
enum class PrintEnd { NewLine, Semicolon };

/// The text printed on a form since the last Cls: the ended lines and the line in progress.
class PrintedText {
public:
    void print(std::initializer_list<PrintItem> items, PrintEnd end);
    void clear();

    const std::vector<Text>& ended_lines() const { return m_ended; }
    const Text& current_line() const { return m_current; }
    /// Every ended line followed by "\n", then the line in progress.
    Text text() const;

private:
    std::vector<Text> m_ended;
    Text m_current;
};

}  // namespace rt
