// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace hex_conversion {

/// The number box, "变为16进制等于" and the orange result label above the convert button.
rt::FormDescription description();

}  // namespace hex_conversion
