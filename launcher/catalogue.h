// SPDX-License-Identifier: MIT
#pragma once

#include <span>

namespace launcher {

/// One of the ten programs as the launcher lists it.
struct ProgramEntry {
    const char* name;   ///< the executable
    const char* title;  ///< its Chinese title
    const char* line;   ///< what it does, in one Chinese line
};

/// The ten programs in their usual order (generated from programs.tsv).
std::span<const ProgramEntry> catalogue();

}  // namespace launcher
