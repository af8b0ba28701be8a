// SPDX-License-Identifier: MIT
#pragma once

#include "rt/description.h"

namespace digit_matrix {

/// One row along the bottom, "[打印] 尺寸为 [n] 的数字矩阵"; the matrix is printed above it.
rt::FormDescription description();

}  // namespace digit_matrix
