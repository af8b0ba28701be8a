// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"
#include "rt/program.h"

namespace rt {

/// Shows the form as a real window and runs until it is closed; returns the exit status.
/// A mistake in the description or the module is reported on stderr with status 2.
int run_qt(const FormDescription& description, const ModuleFactory& make_module, int argc, char** argv);

template <class Module>
int run_qt(const FormDescription& description, int argc, char** argv) {
    return run_qt(description, module_factory<Module>(), argc, argv);
}

}  // namespace rt
