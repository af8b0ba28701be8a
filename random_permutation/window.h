// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace random_permutation {

/// One wide button under the area where the arrangements are printed.
rt::FormDescription description();

}  // namespace random_permutation
