// SPDX-License-Identifier: MIT
#include "rt/printing.h"

#include "rt/conversions.h"

namespace rt {

namespace {

/// A number as Print writes it: the sign's place (a blank, or "-"), the digits, one blank.
Text number_item(const Text& digits) {
    return digits.front() == '-' ? digits + " " : " " + digits + " ";
}

}  // namespace

PrintItem::PrintItem(Int16 number) : m_text(number_item(StrI2(number))) {}
PrintItem::PrintItem(Int32 number) : m_text(number_item(StrI4(number))) {}
PrintItem::PrintItem(Float32 number) : m_text(number_item(StrR4(number))) {}
PrintItem::PrintItem(Float64 number) : m_text(number_item(StrR8(number))) {}

void PrintedText::print(std::initializer_list<PrintItem> items, PrintEnd end) {
    for (const PrintItem& item : items) m_current += item.text();
    if (end == PrintEnd::NewLine) {
        m_ended.push_back(std::move(m_current));
        m_current.clear();
    }
}

void PrintedText::clear() {
    m_ended.clear();
    m_current.clear();
}

Text PrintedText::text() const {
    Text out;
    for (const Text& line : m_ended) {
        out += line;
        out += '\n';
    }
    return out + m_current;
}

}  // namespace rt
