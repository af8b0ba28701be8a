// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace rt {

/// What a piece of code is, for its colour.
enum class TokenKind : std::uint8_t { Keyword, Type, String, Number, Comment, Preprocessor };

/// A stretch of one kind in a file's text, in bytes; text between runs is plain.
struct TokenRun {
    TokenKind kind;
    std::uint32_t begin;
    std::uint32_t end;
};

/// One source file of a program as it was compiled: its name, its exact text and its runs.
struct SourceFile {
    std::string_view name;
    std::string_view text;
    std::span<const TokenRun> runs;
};

/// Lines of a file, counted from 1, both included.
struct LineRange {
    int first;
    int last;
    friend bool operator==(const LineRange&, const LineRange&) = default;
};

/// A handler's definition in the handlers' file, from its first line to its closing brace.
struct HandlerCode {
    std::string_view button;
    std::string_view handler;
    LineRange lines;
};

/// A control's row in the window description.
struct ControlRow {
    std::string_view control;
    int line;
};

/// A program's own code as its code view shows it, embedded at build time from the files:
/// the handlers' file first, then the window description and the form module's header.
struct CodeView {
    std::span<const SourceFile> files;
    std::span<const HandlerCode> handlers;
    std::span<const ControlRow> rows;
};

/// The indices of the files the marks refer to.
inline constexpr std::size_t kHandlersFile = 0;
inline constexpr std::size_t kWindowFile = 1;

/// The handler the button runs; nullptr when the code has none for it.
const HandlerCode* handler_of(const CodeView& code, std::string_view button);
/// The control's row in the window description; 0 when it has none.
int row_of(const CodeView& code, std::string_view control);

}  // namespace rt
