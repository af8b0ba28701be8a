// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string_view>

#include "rt/description.h"
#include "rt/program.h"

namespace programs {

/// One program as tools and cross-program tests take it: its name, window and form module.
struct ProgramModule {
    std::string_view name;
    rt::FormDescription (*window)();
    rt::ModuleFactory make_module;
};

/// The ten programs, in their usual order.
std::span<const ProgramModule> all();
/// The named program; std::out_of_range when there is none.
const ProgramModule& find(std::string_view name);

}  // namespace programs
