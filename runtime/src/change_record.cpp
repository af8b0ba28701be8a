// SPDX-License-Identifier: MIT
#include "rt/change_record.h"

namespace rt {

void ChangeRecord::restart(const PrintedText& printed, std::size_t control_count) {
    m_written.assign(control_count, false);
    m_line = printed.ended_lines().size();
    m_column = printed.current_line().size();
}

void ChangeRecord::content_written(std::size_t control_index) {
    if (control_index < m_written.size()) m_written[control_index] = true;
}

void ChangeRecord::printed_cleared() {
    m_line = 0;
    m_column = 0;
}

bool ChangeRecord::written(std::size_t control_index) const {
    return control_index < m_written.size() && m_written[control_index];
}

Text ChangeRecord::printed_since(const PrintedText& printed) const {
    const std::vector<Text>& ended = printed.ended_lines();
    Text added;
    std::size_t column = m_column;
    for (std::size_t line = m_line; line < ended.size(); ++line, column = 0) {
        added.append(ended[line], column);
        added += '\n';
    }
    if (m_line <= ended.size()) added.append(printed.current_line(), m_line == ended.size() ? m_column : 0);
    return added;
}

}  // namespace rt
