// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace arithmetic_practice {

/// The practice sheet: two operands, the operator between them, "=", the result, five buttons.
rt::FormDescription description();

}  // namespace arithmetic_practice
