// SPDX-License-Identifier: MIT
#include "rt/array.h"

#include <algorithm>
#include <cstdint>

namespace rt {

namespace {

// Far more than any program needs, and few enough that a resize never exhausts the machine.
constexpr std::int64_t kMostElements = std::int64_t{1} << 24;

std::size_t element_count(Int32 lower, Int32 upper) {
    if (upper < lower) raise(ErrorKind::SubscriptOutOfRange);
    const std::int64_t count = std::int64_t{upper.value()} - lower.value() + 1;
    if (count > kMostElements) raise(ErrorKind::OutOfMemory);
    return static_cast<std::size_t>(count);
}

}  // namespace

Int16Array::Int16Array(Int32 lower, Int32 upper) { Redim(*this, lower, upper); }

std::size_t Int16Array::offset(Int32 index) const {
    const std::int64_t offset = std::int64_t{index.value()} - m_lower.value();
    if (!m_dimensioned || offset < 0 || offset >= static_cast<std::int64_t>(m_elements.size()))
        raise(ErrorKind::SubscriptOutOfRange);
    return static_cast<std::size_t>(offset);
}

Int16& Int16Array::operator()(Int32 index) { return m_elements[offset(index)]; }
Int16 Int16Array::operator()(Int32 index) const { return m_elements[offset(index)]; }

void Redim(Int16Array& array, Int32 lower, Int32 upper) {
    array.m_elements.assign(element_count(lower, upper), Int16(0));
    array.m_lower = lower;
    array.m_dimensioned = true;
}

void RedimPreserve(Int16Array& array, Int32 lower, Int32 upper) {
    std::vector<Int16> kept(element_count(lower, upper), Int16(0));
    if (array.m_dimensioned) {
        // Copy the elements whose index lies in both the old and the new bounds.
        const std::int64_t old_lower = array.m_lower.value();
        const std::int64_t old_upper = old_lower + static_cast<std::int64_t>(array.m_elements.size()) - 1;
        const std::int64_t from = std::max<std::int64_t>(old_lower, lower.value());
        const std::int64_t to = std::min<std::int64_t>(old_upper, upper.value());
        for (std::int64_t i = from; i <= to; ++i)
            kept[static_cast<std::size_t>(i - lower.value())] = array.m_elements[static_cast<std::size_t>(i - old_lower)];
    }
    array.m_elements = std::move(kept);
    array.m_lower = lower;
    array.m_dimensioned = true;
}

Int32 Lbound(const Int16Array& array) {
    if (!array.m_dimensioned) raise(ErrorKind::SubscriptOutOfRange);
    return array.m_lower;
}

Int32 Ubound(const Int16Array& array) {
    if (!array.m_dimensioned) raise(ErrorKind::SubscriptOutOfRange);
    return Int32(std::int64_t{array.m_lower.value()} + static_cast<std::int64_t>(array.m_elements.size()) - 1);
}

}  // namespace rt
