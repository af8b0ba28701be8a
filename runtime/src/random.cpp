// SPDX-License-Identifier: MIT
#include "rt/random.h"

#include <bit>
#include <cstring>
#include <ctime>

namespace rt {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

/// The time in nanoseconds, from C's timespec_get: it cannot throw (the C++ clocks may, which
/// also brings their error messages and a printf into the web build).
std::uint64_t clock_seed() {
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    return static_cast<std::uint64_t>(now.tv_sec) * 1'000'000'000U + static_cast<std::uint64_t>(now.tv_nsec);
}

}  // namespace

Generator::Generator() : m_state(clock_seed()) {}

void Generator::Randomize(Float64 seed) {
    const double bits = seed.value();
#if defined(__cpp_lib_bit_cast) && !defined(RT_PORTABLE_CONVERSIONS)
    m_state = std::bit_cast<std::uint64_t>(bits);
#else
    std::memcpy(&m_state, &bits, sizeof m_state);  // where the library has no std::bit_cast
#endif
    splitmix64(m_state);
}

Float32 Generator::RandomNext() {
    // 24 bits fill a float's mantissa exactly: the values are k / 2^24 for k = 0 .. 2^24 - 1.
    const auto bits = static_cast<std::uint32_t>(splitmix64(m_state) >> 40);
    return Float32(static_cast<float>(bits) * 0x1p-24f);
}

Float64 SystemClock::time_of_day() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1'000'000;
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(micros) / 1e6;
}

}  // namespace rt
