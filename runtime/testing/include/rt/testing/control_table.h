// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <optional>

#include "rt/description.h"

namespace rt::testing {

/// One row of a control table as the window must have it.
struct ControlRow {
    const char* name;
    ControlKind kind;
    const char* caption;
    int left, top, width, height;
    std::optional<Font> font;
    ControlOptions options = {};
};

/// Checks a window's controls against its control table: one control per row, in tab order,
/// every column and option equal.
void expect_control_table(const FormDescription& form, std::initializer_list<ControlRow> rows);

}  // namespace rt::testing
