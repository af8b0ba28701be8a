// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "rt/code_view.h"
#include "rt/description.h"
#include "rt/program.h"

namespace programs {

/// One program as tools and cross-program tests take it: its name and folder, its window's
/// description, its form module, its own code (null in the web build, whose page shows no code
/// yet), and what a user typically does with it (in the step language of rt/testing/steps.h,
/// one step a line).
struct ProgramModule {
    std::string_view name;
    std::string_view folder;
    rt::FormDescription (*description)();
    rt::ModuleFactory make_module;
    const rt::CodeView& (*code_view)();
    std::string_view typical_use;
};

/// The programs of programs.tsv, in its order (generated from it).
std::span<const ProgramModule> all();
/// The named program; std::out_of_range when there is none.
const ProgramModule& find(std::string_view name);

}  // namespace programs
