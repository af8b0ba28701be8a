// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace rt::qt {

/// What --help and --version say about an executable.
struct ProgramIdentity {
    const char* name;     ///< the executable
    const char* title;    ///< its Chinese title
    const char* summary;  ///< what it does, in one Chinese line
    const char* version;  ///< the project's version
};

/// This executable's identity. The build generates it for each program and the launcher
/// (runtime/qt/program_identity.cpp.in), from programs.tsv and the project's version.
const ProgramIdentity& this_program();

/// Reads the command line before any window exists, so that it needs no display. --help and
/// --version print to standard output and give 0; an unknown option or any other argument
/// prints the error and the help to standard error and gives 2. Qt's own options (-platform,
/// -style, ...) are accepted and left for Qt. Gives nothing when the program should start.
std::optional<int> handle_command_line(const ProgramIdentity& program, int argc, char** argv);

}  // namespace rt::qt
