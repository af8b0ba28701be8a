// SPDX-License-Identifier: MIT
#include "all_programs.h"

#include <stdexcept>
#include <string>

// Each program's form module and window description (generated from programs.tsv).
#include "program_headers.inc"

namespace programs {

std::span<const ProgramModule> all() {
    static const ProgramModule kPrograms[] = {
#include "program_modules.inc"
    };
    return kPrograms;
}

const ProgramModule& find(std::string_view name) {
    for (const ProgramModule& program : all())
        if (program.name == name) return program;
    throw std::out_of_range("no program named " + std::string(name));
}

}  // namespace programs
