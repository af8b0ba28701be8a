// SPDX-License-Identifier: MIT
// The rendering of Print items and the printed text, driven by a stream of operations. A text
// item is the text as it stands; a whole-number item is a blank (or the minus), the digits and
// one blank, and a number beyond the 32-bit range raises Overflow; a float item is a blank (or
// the minus), the value rounded to 15 (64-bit) or 7 (32-bit) significant digits in the StrR8
// shape and one blank, and a float that is not finite raises Overflow, so no item ever holds
// "inf" or "nan". A Print adds exactly its items to the line in progress, then ends it unless
// it ends with `;`; the printed text only grows until Cls, which empties it.

#include <algorithm>
#include <cmath>
#include <vector>

#include "exact_decimal.h"
#include "fuzz_support.h"
#include "real_text_shape.h"
#include "rt/printing.h"

namespace {

void check_whole_number_item(std::int64_t number, const rt::PrintItem& item) {
    const std::string expected = (number < 0 ? "" : " ") + std::to_string(number) + " ";
    FUZZ_CHECK(item.text() == expected, "the item of " + std::to_string(number) + " is " + fuzz::quoted(item.text()) +
                                            ", expected " + fuzz::quoted(expected));
}

void check_float_item(double value, int significant, const rt::PrintItem& item) {
    const std::string& text = item.text();
    const std::string call = "the item of " + fuzz::show(value) + " " + fuzz::quoted(text);
    FUZZ_CHECK(text.size() >= 3 && text.back() == ' ' && text.front() == (value < 0 ? '-' : ' '),
               call + ": not the sign's place, the digits and one blank");
    const std::string digits = text.substr(text.front() == ' ' ? 1 : 0, text.size() - (text.front() == ' ' ? 2 : 1));
    const std::string error = fuzz::real_text_shape_error(digits, significant);
    FUZZ_CHECK(error.empty(), call + ": " + error);
    const auto nearest = fuzz::round_significant(fuzz::exact(value), significant);
    FUZZ_CHECK(std::find(nearest.begin(), nearest.end(), *fuzz::parse_decimal(digits)) != nearest.end(),
               call + ": not the value rounded to " + std::to_string(significant) + " digits");
}

/// Makes the item; a float that is not finite and a whole number beyond 32 bits must raise
/// Overflow and give no item.
template <class Make>
std::optional<rt::PrintItem> make_item(const std::string& what, bool must_overflow, Make make) {
    const auto item = fuzz::attempt(make);
    if (must_overflow) {
        FUZZ_CHECK(item.error == rt::ErrorKind::Overflow,
                   "the item of " + what + ": expected Overflow, got " +
                       (item.value ? fuzz::quoted(item.value->text()) : fuzz::kind_name(item.error)));
        return std::nullopt;
    }
    FUZZ_CHECK(item.value, "the item of " + what + " raised " + fuzz::kind_name(item.error));
    return item.value;
}

void print(rt::PrintedText& printed, const std::vector<rt::PrintItem>& items, rt::PrintEnd end) {
    const std::string before = printed.text();
    const std::string line_before = printed.current_line();
    const std::size_t lines_before = printed.ended_lines().size();
    std::string added;
    for (const rt::PrintItem& item : items) added += item.text();

    switch (items.size()) {
        case 0: printed.print({}, end); break;
        case 1: printed.print({items[0]}, end); break;
        case 2: printed.print({items[0], items[1]}, end); break;
        case 3: printed.print({items[0], items[1], items[2]}, end); break;
        default: printed.print({items[0], items[1], items[2], items[3]}, end); break;
    }

    const bool new_line = end == rt::PrintEnd::NewLine;
    FUZZ_CHECK(printed.text() == before + added + (new_line ? "\n" : ""), "Print of " + fuzz::quoted(added) +
                                                                              " after " + fuzz::quoted(before) +
                                                                              " shows " + fuzz::quoted(printed.text()));
    FUZZ_CHECK(printed.ended_lines().size() == lines_before + (new_line ? 1 : 0),
               "a Print ended the wrong number of lines");
    if (new_line)
        FUZZ_CHECK(printed.ended_lines().back() == line_before + added && printed.current_line().empty(),
                   "the ended line is not the line in progress with the items");
    else
        FUZZ_CHECK(printed.current_line() == line_before + added, "the items did not go on the line in progress");
}

}  // namespace

// Input: operations, each a byte and its operands:
//   0 a text item (a length byte, then that many bytes)   1 an Int16 item (2 bytes)
//   2 an Int32 item (4 bytes)     3 a Float32 item (4 bytes, any bit pattern)
//   4 a Float64 item (8 bytes)    5 a 64-bit whole number item (8 bytes)
//   6 Print the items gathered (a byte: even ends the line, odd is `;`)   7 Cls
// A Print takes at most four items: a fifth first prints the four with `;`.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    rt::PrintedText printed;
    std::vector<rt::PrintItem> items;
    while (!in.rest().empty()) {
        std::optional<rt::PrintItem> item;
        switch (in.take<std::uint8_t>() % 8) {
            case 0: {
                const std::size_t length = std::min<std::size_t>(in.take<std::uint8_t>(), in.rest().size());
                const std::string text(in.rest().substr(0, length));
                for (std::size_t i = 0; i < length; ++i) in.take<char>();
                item = rt::PrintItem(text);
                FUZZ_CHECK(item->text() == text,
                           "the text item " + fuzz::quoted(text) + " is " + fuzz::quoted(item->text()));
                break;
            }
            case 1: {
                const auto n = in.take<std::int16_t>();
                item = make_item(std::to_string(n), false, [&] { return rt::PrintItem(rt::Int16(n)); });
                check_whole_number_item(n, *item);
                break;
            }
            case 2: {
                const auto n = in.take<std::int32_t>();
                item = make_item(std::to_string(n), false, [&] { return rt::PrintItem(rt::Int32(n)); });
                check_whole_number_item(n, *item);
                break;
            }
            case 3: {
                const auto x = in.take<float>();
                item = make_item(fuzz::show(x), !std::isfinite(x), [&] { return rt::PrintItem(rt::Float32(x)); });
                if (item) check_float_item(x, 7, *item);
                break;
            }
            case 4: {
                const auto x = in.take<double>();
                item = make_item(fuzz::show(x), !std::isfinite(x), [&] { return rt::PrintItem(rt::Float64(x)); });
                if (item) check_float_item(x, 15, *item);
                break;
            }
            case 5: {
                const auto n = in.take<std::int64_t>();
                const bool beyond = n < INT32_MIN || n > INT32_MAX;
                item = make_item(std::to_string(n), beyond, [&] { return rt::PrintItem(static_cast<long long>(n)); });
                if (item) check_whole_number_item(n, *item);
                break;
            }
            case 6:
                print(printed, items,
                      in.take<std::uint8_t>() % 2 == 0 ? rt::PrintEnd::NewLine : rt::PrintEnd::Semicolon);
                items.clear();
                break;
            case 7:
                printed.clear();
                FUZZ_CHECK(printed.text().empty() && printed.ended_lines().empty() && printed.current_line().empty(),
                           "Cls left printed text");
                break;
        }
        if (!item) continue;
        if (items.size() == 4) {
            print(printed, items, rt::PrintEnd::Semicolon);
            items.clear();
        }
        items.push_back(*item);
    }
    return 0;
}
