// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "rt/errors.h"

namespace fuzz {

/// Writes the broken property and what showed it, then aborts, which libFuzzer reports as a
/// crash and saves the input for replay.
[[noreturn]] inline void fail(const char* property, const std::string& detail) {
    std::fprintf(stderr, "\n=== property broken: %s\n=== %s\n", property, detail.c_str());
    std::abort();
}

/// Checks a property; `detail` is only built when it fails.
#define FUZZ_CHECK(property, detail)                      \
    do {                                                  \
        if (!(property)) ::fuzz::fail(#property, detail); \
    } while (false)

/// The bytes as a C string literal, with every byte outside printable ASCII escaped.
inline std::string quoted(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        }
    }
    return out + "\"";
}

/// A double with all the digits it needs to be read back.
inline std::string show(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

inline const char* kind_name(std::optional<rt::ErrorKind> kind) {
    if (!kind) return "no runtime error";
    switch (*kind) {
        case rt::ErrorKind::Overflow: return "Overflow";
        case rt::ErrorKind::SubscriptOutOfRange: return "SubscriptOutOfRange";
        case rt::ErrorKind::DivisionByZero: return "DivisionByZero";
        case rt::ErrorKind::FloatingPoint: return "FloatingPoint";
        case rt::ErrorKind::InvalidCall: return "InvalidCall";
        case rt::ErrorKind::OutOfMemory: return "OutOfMemory";
    }
    return "an unknown error";
}

/// What a runtime call gave: its result, or the runtime error it raised. Any other exception
/// goes on to libFuzzer, which reports it.
template <class T>
struct Outcome {
    std::optional<T> value;
    std::optional<rt::ErrorKind> error;
};

template <class F>
auto attempt(F&& call) {
    Outcome<std::decay_t<decltype(call())>> outcome;
    try {
        outcome.value = call();
    } catch (const rt::RuntimeError& e) {
        outcome.error = e.kind();
    }
    return outcome;
}

/// Reads fixed-size fields from the front of the input; a field past the end reads as zeros.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(reinterpret_cast<const char*>(data), size) {}

    template <class T>
        requires std::is_trivially_copyable_v<T>
    T take() {
        char raw[sizeof(T)] = {};
        const std::size_t n = std::min(sizeof(T), m_data.size());
        std::memcpy(raw, m_data.data(), n);
        m_data.remove_prefix(n);
        T value;
        std::memcpy(&value, raw, sizeof(T));
        return value;
    }

    std::string_view rest() const { return m_data; }

private:
    std::string_view m_data;
};

}  // namespace fuzz
