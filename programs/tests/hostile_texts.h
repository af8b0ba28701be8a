// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "rt/text.h"

namespace programs::testing {

/// A text a pupil could type or paste, with a name to tell it by in a failure message.
struct HostileText {
    std::string name;
    rt::Text text;
};

/// The one list of hostile texts that every text box and every InputBox receives: empty and
/// blank texts, a megabyte of digits, a number longer than a text box holds, control
/// characters, bytes that are not UTF-8, emoji and combining marks, direction marks, numbers
/// beyond every range, and forms of numbers that other systems read (hexadecimal, digit
/// grouping, full-width and Arabic-Indic digits).
const std::vector<HostileText>& hostile_texts();

}  // namespace programs::testing
