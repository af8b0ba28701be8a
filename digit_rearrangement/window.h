// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace digit_rearrangement {

/// The number box and the button; the lines are printed on the form in its own font.
rt::FormDescription description();

}  // namespace digit_rearrangement
