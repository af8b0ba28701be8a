// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

#include "rt/errors.h"

namespace rt {

template <class T>
concept PlainInteger = std::integral<T> && !std::same_as<T, bool>;

/// A signed integer whose arithmetic raises Overflow instead of wrapping. Int16 and Int32 mix
/// as the language does: a 16-bit value widens silently, a 32-bit one narrows only through
/// I2I4. Integer literals convert implicitly, with the same range test.
template <std::signed_integral T>
class CheckedInt {
public:
    using value_type = T;

    constexpr CheckedInt() = default;

    template <PlainInteger U>
    constexpr CheckedInt(U value) : m_value(narrow(value)) {}

    template <std::signed_integral U>
        requires(sizeof(U) < sizeof(T))
    constexpr CheckedInt(CheckedInt<U> value) : m_value(value.value()) {}

    constexpr T value() const { return m_value; }

    friend constexpr CheckedInt operator+(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_add_overflow(a.m_value, b.m_value, &r)) raise(ErrorKind::Overflow);
        return from_raw(r);
    }
    friend constexpr CheckedInt operator-(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_sub_overflow(a.m_value, b.m_value, &r)) raise(ErrorKind::Overflow);
        return from_raw(r);
    }
    friend constexpr CheckedInt operator*(CheckedInt a, CheckedInt b) {
        T r{};
        if (__builtin_mul_overflow(a.m_value, b.m_value, &r)) raise(ErrorKind::Overflow);
        return from_raw(r);
    }
    /// Integer division, truncated toward zero.
    friend constexpr CheckedInt operator/(CheckedInt a, CheckedInt b) {
        if (b.m_value == 0) raise(ErrorKind::DivisionByZero);
        if (a.m_value == kMin && b.m_value == -1) raise(ErrorKind::Overflow);
        return from_raw(static_cast<T>(a.m_value / b.m_value));
    }
    /// The remainder of integer division; it takes the sign of the dividend.
    friend constexpr CheckedInt operator%(CheckedInt a, CheckedInt b) {
        if (b.m_value == 0) raise(ErrorKind::DivisionByZero);
        if (b.m_value == -1) return from_raw(0);
        return from_raw(static_cast<T>(a.m_value % b.m_value));
    }
    friend constexpr CheckedInt operator-(CheckedInt a) { return CheckedInt(0) - a; }

    constexpr CheckedInt& operator+=(CheckedInt b) { return *this = *this + b; }
    constexpr CheckedInt& operator-=(CheckedInt b) { return *this = *this - b; }
    constexpr CheckedInt& operator*=(CheckedInt b) { return *this = *this * b; }
    constexpr CheckedInt& operator++() { return *this += 1; }
    constexpr CheckedInt& operator--() { return *this -= 1; }

    friend constexpr bool operator==(const CheckedInt&, const CheckedInt&) = default;
    friend constexpr auto operator<=>(const CheckedInt&, const CheckedInt&) = default;

private:
    static constexpr T kMin = std::numeric_limits<T>::min();
    static constexpr T kMax = std::numeric_limits<T>::max();

    template <PlainInteger U>
    static constexpr T narrow(U value) {
        if (std::cmp_less(value, kMin) || std::cmp_greater(value, kMax)) raise(ErrorKind::Overflow);
        return static_cast<T>(value);
    }
    static constexpr CheckedInt from_raw(T value) {
        CheckedInt r;
        r.m_value = value;
        return r;
    }

    T m_value = 0;
};

using Int16 = CheckedInt<std::int16_t>;  ///< 16-bit signed integer
using Int32 = CheckedInt<std::int32_t>;  ///< 32-bit signed integer

/// Narrows a 32-bit integer to 16 bits; Overflow when it does not fit.
constexpr Int16 I2I4(Int32 value) { return Int16(value.value()); }

}  // namespace rt
