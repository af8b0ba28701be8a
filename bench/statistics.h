// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

/// The middle of the samples (the mean of the two middle ones for an even count); NaN for none.
inline double median(std::vector<double> v) {
    if (v.empty()) return NAN;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

/// The fastest of the samples; NaN for none.
inline double minimum(const std::vector<double>& v) { return v.empty() ? NAN : *std::min_element(v.begin(), v.end()); }

}  // namespace bench
