// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <compare>
#include <concepts>
#include <limits>

#include "rt/errors.h"
#include "rt/integer.h"

namespace rt {

namespace detail {

/// A float result that is not finite: NaN is an invalid operation, infinity an overflow.
template <std::floating_point T>
constexpr T finite_or_raise(T result) {
    if (std::isnan(result)) raise(ErrorKind::FloatingPoint);
    if (std::isinf(result)) raise(ErrorKind::Overflow);
    return result;
}

/// a / b, with a non-zero number divided by zero raising DivisionByZero; 0 / 0 gives NaN,
/// which the caller reports as the invalid operation it is.
template <std::floating_point T>
constexpr T checked_quotient(T a, T b) {
    if (b == 0 && a != 0 && !std::isnan(a)) raise(ErrorKind::DivisionByZero);
    return a / b;
}

}  // namespace detail

/// A 64-bit float whose arithmetic raises the runtime's float errors instead of producing
/// infinity or NaN: x / 0 raises DivisionByZero, 0 / 0 (an invalid operation) FloatingPoint,
/// and a result beyond the range Overflow.
class Float64 {
public:
    constexpr Float64() = default;
    template <class U>
        requires std::is_arithmetic_v<U> && (!std::same_as<U, bool>)
    constexpr Float64(U value) : m_value(static_cast<double>(value)) {}
    template <std::signed_integral U>
    constexpr Float64(CheckedInt<U> value) : m_value(value.value()) {}

    constexpr double value() const { return m_value; }

    Float64& operator+=(Float64 b);
    Float64& operator-=(Float64 b);

private:
    double m_value = 0;
};

// Float64 arithmetic and comparisons live in the namespace rather than in the class, so that
// they also serve a Float32 or an integer mixed with a double: 7 + 0.5 is done in 64 bits.
inline Float64 operator+(Float64 a, Float64 b) { return detail::finite_or_raise(a.value() + b.value()); }
inline Float64 operator-(Float64 a, Float64 b) { return detail::finite_or_raise(a.value() - b.value()); }
inline Float64 operator*(Float64 a, Float64 b) { return detail::finite_or_raise(a.value() * b.value()); }
inline Float64 operator/(Float64 a, Float64 b) {
    return detail::finite_or_raise(detail::checked_quotient(a.value(), b.value()));
}
constexpr Float64 operator-(Float64 a) { return -a.value(); }
constexpr bool operator==(Float64 a, Float64 b) { return a.value() == b.value(); }
constexpr std::partial_ordering operator<=>(Float64 a, Float64 b) { return a.value() <=> b.value(); }

inline Float64& Float64::operator+=(Float64 b) { return *this = *this + b; }
inline Float64& Float64::operator-=(Float64 b) { return *this = *this - b; }

/// A 32-bit float with the same checks. Arithmetic with a Float64 is done in 64 bits;
/// a Float64 narrows to 32 bits only explicitly, with Overflow past the 32-bit range.
class Float32 {
public:
    constexpr Float32() = default;
    template <class U>
        requires PlainInteger<U> || std::same_as<U, float>
    constexpr Float32(U value) : m_value(static_cast<float>(value)) {}
    constexpr Float32(Int16 value) : m_value(value.value()) {}
    explicit Float32(Float64 value) : m_value(narrow(value.value())) {}

    constexpr float value() const { return m_value; }
    constexpr operator Float64() const { return Float64(m_value); }

    friend Float32 operator+(Float32 a, Float32 b) { return detail::finite_or_raise(a.m_value + b.m_value); }
    friend Float32 operator-(Float32 a, Float32 b) { return detail::finite_or_raise(a.m_value - b.m_value); }
    friend Float32 operator*(Float32 a, Float32 b) { return detail::finite_or_raise(a.m_value * b.m_value); }
    friend Float32 operator/(Float32 a, Float32 b) {
        return detail::finite_or_raise(detail::checked_quotient(a.m_value, b.m_value));
    }
    friend constexpr Float32 operator-(Float32 a) { return -a.m_value; }

    friend constexpr bool operator==(const Float32&, const Float32&) = default;
    friend constexpr auto operator<=>(const Float32&, const Float32&) = default;

private:
    static float narrow(double value) {
        if (std::isnan(value)) raise(ErrorKind::FloatingPoint);
        const auto narrowed = static_cast<float>(value);
        if (std::isinf(narrowed) && !std::isinf(value)) raise(ErrorKind::Overflow);
        return detail::finite_or_raise(narrowed);
    }

    float m_value = 0;
};

}  // namespace rt
