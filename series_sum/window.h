// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace series_sum {

/// One sentence across the middle row (calculate 1+12+123+..., in all n terms' sum) and the
/// button below it; the sums are printed on the form.
rt::FormDescription description();

}  // namespace series_sum
