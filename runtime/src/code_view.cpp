// SPDX-License-Identifier: MIT
#include "rt/code_view.h"

namespace rt {

const HandlerCode* handler_of(const CodeView& code, std::string_view button) {
    for (const HandlerCode& handler : code.handlers)
        if (handler.button == button) return &handler;
    return nullptr;
}

int row_of(const CodeView& code, std::string_view control) {
    for (const ControlRow& row : code.rows)
        if (row.control == control) return row.line;
    return 0;
}

}  // namespace rt
