// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace digit_rearrangement {

/// Splits the typed number into its digits, sorts them both ways and prints the largest number
/// they form minus the smallest. Each click adds one line below the previous ones.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();

    /// The decimal digits of n, units first, in an array with bounds 0 to count - 1.
    /// Subscript out of range when n <= 0, which has no digits to hold.
    rt::Int16Array SplitDigits(rt::Int32 n);
    /// Bubble sort into ascending order.
    void SortDigitsAscending(rt::Int16Array& digits);
    /// Insertion sort into descending order; equal digits keep their order.
    void SortDigitsDescending(rt::Int16Array& digits);
    /// The number whose decimal digits are the elements in index order; Overflow past 32 bits.
    rt::Int32 JoinDigits(rt::Int16Array& digits);

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");
    rt::CommandButton& Command1 = button("Command1");
    // clang-format on
};

}  // namespace digit_rearrangement
