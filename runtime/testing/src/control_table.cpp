// SPDX-License-Identifier: MIT
#include "rt/testing/control_table.h"

#include <gtest/gtest.h>

#include <tuple>

namespace rt::testing {

void expect_control_table(const FormDescription& form, std::initializer_list<ControlRow> rows) {
    ASSERT_EQ(form.controls.size(), rows.size()) << "one control per row, in tab order";
    auto control = form.controls.begin();
    for (const ControlRow& row : rows) {
        const ControlDescription& c = *control++;
        SCOPED_TRACE(row.name);
        EXPECT_EQ(c.name, row.name);
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.caption, row.caption);
        EXPECT_EQ(std::tie(c.left, c.top, c.width, c.height), std::tie(row.left, row.top, row.width, row.height));
        EXPECT_EQ(c.font, row.font);
        EXPECT_EQ(c.options.back_color, row.options.back_color);
        EXPECT_EQ(c.options.enabled, row.options.enabled);
        EXPECT_EQ(c.options.alignment, row.options.alignment);
        EXPECT_EQ(c.options.max_length, row.options.max_length);
    }
}

}  // namespace rt::testing
