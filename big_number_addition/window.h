// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace big_number_addition {

/// Two wide text boxes for the numbers, the button, and the pink label that shows the sum.
rt::FormDescription description();

}  // namespace big_number_addition
