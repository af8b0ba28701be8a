// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace prime_list {

/// One button under the area where the primes are printed.
rt::FormDescription description();

}  // namespace prime_list
