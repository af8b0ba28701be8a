// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace star_patterns {

/// Four buttons in two rows under the area where the figures are printed.
rt::FormDescription description();

}  // namespace star_patterns
