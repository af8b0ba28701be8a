// SPDX-License-Identifier: MIT
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

namespace rt {

/// The runtime errors a running handler can raise. No program handles them: the click
/// dispatcher ends the handler and reports the error.
enum class ErrorKind {
    Overflow,             ///< an integer result, a conversion or a float result out of range
    SubscriptOutOfRange,  ///< an index outside an array's bounds, or an empty resize
    DivisionByZero,       ///< a division by zero, 0 / 0 included
    FloatingPoint,        ///< any other invalid float operation (the square root of -1)
    InvalidCall,          ///< a text function called with an argument it cannot take
    OutOfMemory,          ///< an allocation the machine could not satisfy
};

/// The prompt of the error report, for example "溢出" for Overflow.
const char* error_prompt(ErrorKind kind);

/// The one exception type of the runtime. Thrown only by runtime operations, through raise().
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorKind kind) : m_kind(kind) {}
    ErrorKind kind() const { return m_kind; }
    const char* what() const noexcept override { return error_prompt(m_kind); }

private:
    ErrorKind m_kind;
};

/// Ends the running handler with the given error.
[[noreturn]] void raise(ErrorKind kind);

/// A mistake in a window description or a form module's bindings, found at start-up.
class DescriptionError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

}  // namespace rt
