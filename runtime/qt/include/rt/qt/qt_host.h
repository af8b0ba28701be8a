// SPDX-License-Identifier: MIT
#pragma once

#include "rt/code_view.h"
#include "rt/description.h"
#include "rt/program.h"

namespace rt {

/// Shows the form as a real window and runs until it is closed; returns the exit status.
/// A mistake in the description or the module is reported on stderr with status 2. The window's
/// 代码 shows the program's own code.
int run_qt(const FormDescription& description, const ModuleFactory& make_module, const CodeView& code, int argc,
           char** argv);

template <class Module>
int run_qt(const FormDescription& description, const CodeView& code, int argc, char** argv) {
    return run_qt(description, module_factory<Module>(), code, argc, argv);
}

}  // namespace rt
