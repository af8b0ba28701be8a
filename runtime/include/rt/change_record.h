// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

#include "rt/printing.h"
#include "rt/text.h"

namespace rt {

/// What the program has changed on its form since a starting point (the start of a click): the
/// controls whose caption or text it wrote, and where the text printed since then begins.
class ChangeRecord {
public:
    /// Starts afresh: nothing written yet, new printed text begins at the end of `printed`.
    void restart(const PrintedText& printed, std::size_t control_count);
    void content_written(std::size_t control_index);
    /// Cls: whatever is printed from now on is new, from the top.
    void printed_cleared();

    /// Whether the program wrote the content of the control with this index (its tab index).
    bool written(std::size_t control_index) const;
    /// The text printed since the start, from what `printed` holds now.
    Text printed_since(const PrintedText& printed) const;

private:
    std::vector<bool> m_written;
    std::size_t m_line = 0;    // the first line with new text
    std::size_t m_column = 0;  // bytes of that line that were there before
};

}  // namespace rt
