// SPDX-License-Identifier: MIT
// FpI2 and FpI4 on any 64-bit float, NaN and infinities included. Each agrees with a reference
// rounding to the nearest whole number with halves to even, and raises Overflow exactly when
// that whole number lies outside its type's range or the value is not finite. FpI2 also agrees
// with I2I4(FpI4(value)), error for error.

#include <cmath>
#include <limits>

#include "fuzz_support.h"
#include "rt/conversions.h"

namespace {

/// The nearest whole number, halves to even; a value that is not finite stays as it is.
double reference_round(double value) {
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    // Exact while |value| >= 1; for smaller values any rounding of it keeps the right side of 0.5.
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

template <class Int>
void check_rounding(const char* name, double value, const fuzz::Outcome<Int>& result) {
    using T = typename Int::value_type;
    const double rounded = reference_round(value);
    const bool in_range =
        std::isfinite(rounded) && rounded >= std::numeric_limits<T>::min() && rounded <= std::numeric_limits<T>::max();
    const std::string context = std::string(name) + "(" + fuzz::show(value) + ")";
    if (!in_range) {
        FUZZ_CHECK(result.error == rt::ErrorKind::Overflow,
                   context + ": expected Overflow, got " +
                       (result.value ? std::to_string(result.value->value()) : fuzz::kind_name(result.error)));
        return;
    }
    FUZZ_CHECK(result.value, context + ": raised " + fuzz::kind_name(result.error));
    FUZZ_CHECK(result.value->value() == rounded,
               context + ": gave " + std::to_string(result.value->value()) + ", expected " + fuzz::show(rounded));
}

}  // namespace

// Input: a mode byte, then
//   mode 0: a float's 8 bytes, any bit pattern;
//   mode 1: an integer n of 8 bytes, for the value n / 4 (every half and quarter near the bounds);
//   mode 2: a float's 8 bytes and a signed step byte, for the float that many steps away.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const auto mode = in.take<std::uint8_t>() % 3;
    double value = 0;
    if (mode == 0) {
        value = in.take<double>();
    } else if (mode == 1) {
        value = static_cast<double>(in.take<std::int64_t>() % (std::int64_t{1} << 42)) / 4;
    } else {
        value = in.take<double>();
        const auto steps = in.take<std::int8_t>();
        const double toward = steps < 0 ? -INFINITY : INFINITY;
        for (int i = 0; i < std::abs(steps); ++i) value = std::nextafter(value, toward);
    }

    const auto i2 = fuzz::attempt([&] { return rt::FpI2(value); });
    const auto i4 = fuzz::attempt([&] { return rt::FpI4(value); });
    check_rounding("FpI2", value, i2);
    check_rounding("FpI4", value, i4);

    const auto narrowed = fuzz::attempt([&] { return rt::I2I4(rt::FpI4(value)); });
    FUZZ_CHECK(narrowed.error == i2.error && narrowed.value == i2.value,
               "I2I4(FpI4(" + fuzz::show(value) + ")) differs from FpI2");
    return 0;
}
