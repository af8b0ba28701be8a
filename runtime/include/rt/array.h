// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "rt/integer.h"

namespace rt {

/// A one-dimensional array of 16-bit integers with explicit bounds. Every element access is
/// tested against the bounds (Subscript out of range). Default-constructed it has no bounds
/// until Redim gives it some.
class Int16Array {
public:
    Int16Array() = default;
    /// An array with bounds lower..upper, every element 0.
    Int16Array(Int32 lower, Int32 upper);

    Int16& operator()(Int32 index);
    Int16 operator()(Int32 index) const;

    /// New bounds, every element 0. Subscript out of range when upper < lower.
    friend void Redim(Int16Array& array, Int32 lower, Int32 upper);
    /// New bounds, keeping the elements whose index lies in both the old and the new bounds.
    friend void RedimPreserve(Int16Array& array, Int32 lower, Int32 upper);
    /// The bounds; Subscript out of range for an array without bounds.
    friend Int32 Lbound(const Int16Array& array);
    friend Int32 Ubound(const Int16Array& array);

private:
    std::size_t offset(Int32 index) const;

    Int32 m_lower = 0;
    std::vector<Int16> m_elements;
    bool m_dimensioned = false;
};

}  // namespace rt
