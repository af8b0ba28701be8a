#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes a program's code view as data: its form1.cpp, window.cpp and form1.h exactly as they
are, their colour runs from Pygments' C++ lexer, each bound handler's lines (found from the
tokens) and each control's row in the window description. As C++ for the desktop (OUTPUT.cpp),
or as JSON for the web page (OUTPUT.json; written so that it can sit inside a <script> element).

usage: code_view_data.py NAMESPACE FOLDER OUTPUT.cpp|OUTPUT.json
"""
import json
import sys

from pygments.lexers import CppLexer
from pygments.token import Comment, Keyword, Name, Number, Punctuation, String, Text, Whitespace

FILES = ("form1.cpp", "window.cpp", "form1.h")
CONTROL_MAKERS = {"label", "button", "text_box"}


def kind_of(token):
    """The colour kind of a Pygments token type; None for plain text."""
    if token in Comment.Preproc or token in Comment.PreprocFile:
        return "Preprocessor"
    if token in Comment:
        return "Comment"
    if token in String:
        return "String"
    if token in Number:
        return "Number"
    if token in Keyword.Type:
        return "Type"
    if token in Keyword:
        return "Keyword"
    return None


def lex(text):
    """The tokens as (token type, value, byte offset, line); the values join to the text."""
    tokens = []
    offset, line = 0, 1
    for _, token, value in CppLexer().get_tokens_unprocessed(text):
        tokens.append((token, value, offset, line))
        offset += len(value.encode("utf-8"))
        line += value.count("\n")
    if "".join(value for _, value, _, _ in tokens) != text:
        sys.exit("the lexer's tokens do not give back the file's text")
    return tokens


def runs(tokens):
    """Adjacent tokens of one kind as one run: (kind, begin, end) in bytes."""
    result = []
    for token, value, offset, _ in tokens:
        kind = kind_of(token)
        end = offset + len(value.encode("utf-8"))
        if kind is None or not value:
            continue
        if result and result[-1][0] == kind and result[-1][2] == offset:
            result[-1] = (kind, result[-1][1], end)
        else:
            result.append((kind, offset, end))
    return result


def significant(tokens):
    """The tokens without spaces and comments, with the lexer's two ':' of a '::' joined."""
    code = []
    for t in tokens:
        if t[0] in Text or t[0] in Whitespace or t[0] in Comment:
            continue
        if t[1] == ":" and code and code[-1][1] == ":" and code[-1][2] + 1 == t[2]:
            code[-1] = (code[-1][0], "::", code[-1][2], code[-1][3])
            continue
        code.append(t)
    return code


def bindings(tokens):
    """(button, handler) for each on_click(Button, &Form1::Handler) in the handlers' file."""
    words = [value for _, value, _, _ in significant(tokens)]
    found = []
    for i, word in enumerate(words):
        if word == "on_click" and words[i + 1 : i + 3] == ["(", words[i + 2]] and words[i + 3 : i + 7] == [",", "&", "Form1", "::"]:
            found.append((words[i + 2], words[i + 7]))
    return found


def definitions(tokens):
    """{handler: (first line, last line)} for each `void Form1::Name()` defined in the file."""
    code = significant(tokens)
    words = [value for _, value, _, _ in code]
    found = {}
    for i in range(len(words) - 5):
        if words[i : i + 3] == ["void", "Form1", "::"] and words[i + 4 : i + 6] == ["(", ")"]:
            depth, j = 0, i + 6
            if j >= len(words) or words[j] != "{":
                continue
            while j < len(words):
                if code[j][0] in Punctuation and words[j] in "{}":
                    depth += 1 if words[j] == "{" else -1
                    if depth == 0:
                        break
                j += 1
            found[words[i + 3]] = (code[i][3], code[j][3])
    return found


def rows(tokens):
    """(control, line) for each control row of the window description: label("Label1", ...)."""
    code = significant(tokens)
    found = []
    for i in range(len(code) - 2):
        if code[i][0] in Name and code[i][1] in CONTROL_MAKERS and code[i + 1][1] == "(" and code[i + 2][0] in String:
            # The lexer gives a string's quotes and its characters as tokens of their own.
            j, name = i + 2, ""
            while code[j][0] in String and not (name.endswith('"') and len(name) > 1):
                name += code[j][1]
                j += 1
            found.append((name.strip('"'), code[i][3]))
    return found


def cxx_string(text):
    """The text as C++ string literals, one a line, byte for byte."""
    pieces = []
    for line in text.encode("utf-8").split(b"\n"):
        pieces.append(line + b"\n")
    pieces[-1] = pieces[-1][:-1]
    literals = []
    for piece in pieces:
        if not piece:
            continue
        out = []
        for byte in piece:
            if 0x20 <= byte < 0x7F and chr(byte) not in '\\"?':
                out.append(chr(byte))
            else:
                out.append("\\%03o" % byte)
        literals.append('"' + "".join(out) + '"')
    return "\n        ".join(literals) if literals else '""'


def code_view(folder):
    """The files' texts, their runs, the bound handlers and the control rows."""
    texts = []
    for name in FILES:
        with open(f"{folder}/{name}", encoding="utf-8", newline="") as f:
            texts.append(f.read())
    lexed = [lex(text) for text in texts]
    handlers = definitions(lexed[0])
    bound = []
    for button, handler in bindings(lexed[0]):
        if handler not in handlers:
            sys.exit(f"{folder}/form1.cpp: {button} is bound to {handler}, which is not defined there")
        bound.append((button, handler, handlers[handler]))
    if not bound:
        sys.exit(f"{folder}/form1.cpp: no on_click bindings found")
    files = [(name, text, runs(tokens)) for name, text, tokens in zip(FILES, texts, lexed)]
    return files, bound, rows(lexed[1])


def as_cxx(namespace, files, bound, control_rows):
    lines = ["// Generated from the program's folder by tools/code_view_data.py: edit those files.",
             '#include "rt/code_view.h"', "", f"namespace {namespace} {{", "", "namespace {", ""]
    for index, (name, text, file_runs) in enumerate(files):
        lines.append(f"constexpr char kText{index}[] =\n        {cxx_string(text)};")
        body = ", ".join(f"{{rt::TokenKind::{k}, {b}, {e}}}" for k, b, e in file_runs)
        lines.append(f"constexpr rt::TokenRun kRuns{index}[] = {{{body}}};")
    lines.append("constexpr rt::SourceFile kFiles[] = {")
    for index, (name, _, _) in enumerate(files):
        lines.append(f'    {{"{name}", {{kText{index}, sizeof kText{index} - 1}}, kRuns{index}}},')
    lines.append("};")
    handlers = [f'    {{"{button}", "{handler}", {{{first}, {last}}}}},' for button, handler, (first, last) in bound]
    lines += ["constexpr rt::HandlerCode kHandlers[] = {"] + handlers + ["};"]
    lines += ["constexpr rt::ControlRow kRows[] = {"] + [f'    {{"{c}", {line}}},' for c, line in control_rows] + ["};"]
    lines += ["", "}  // namespace", "",
              "const rt::CodeView& code_view() {",
              "    static constexpr rt::CodeView kCode{kFiles, kHandlers, kRows};",
              "    return kCode;", "}", "", f"}}  // namespace {namespace}", ""]
    return "\n".join(lines)


def as_json(files, bound, control_rows):
    """The same data for the page. A file's runs are flat, three numbers each: the kind, the
    bytes of UTF-8 from the previous run's end to its begin, and its length in bytes (a third
    smaller after gzip than begin and end). Kinds are their names' first letters (Keyword K,
    Type T, String S, Number N, Comment C, Preprocessor P). "<" is escaped, so no text can end
    the <script> element that holds it."""
    def flat(file_runs):
        values, previous_end = [], 0
        for kind, begin, end in file_runs:
            values += [kind[0], begin - previous_end, end - begin]
            previous_end = end
        return values

    data = {
        "files": [{"name": name, "text": text, "runs": flat(file_runs)} for name, text, file_runs in files],
        "handlers": [{"button": button, "handler": handler, "first": first, "last": last}
                     for button, handler, (first, last) in bound],
        "rows": [{"control": c, "line": line} for c, line in control_rows],
    }
    return json.dumps(data, ensure_ascii=False, separators=(",", ":")).replace("<", "\\u003c")


def main():
    namespace, folder, output = sys.argv[1:4]
    files, bound, control_rows = code_view(folder)
    text = as_json(files, bound, control_rows) if output.endswith(".json") else as_cxx(namespace, files, bound, control_rows)
    with open(output, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
