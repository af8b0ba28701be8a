#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# compare_locale_transcripts.sh PROGRAM LOCALE_DIR LOCALE...: runs PROGRAM under C.UTF-8 and then
# under each locale (from LOCALE_DIR), and fails unless every transcript is byte-identical to the
# C.UTF-8 one and the locale really was in force (PROGRAM names it on its standard error).
set -euo pipefail
program=$1
locale_dir=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

LC_ALL=C.UTF-8 "$program" >"$work/C.UTF-8.txt" 2>"$work/C.UTF-8.err"
lines=$(wc -l <"$work/C.UTF-8.txt")
[ "$lines" -gt 100 ] || { echo "the C.UTF-8 transcript has only $lines lines" >&2; exit 1; }
status=0
for locale in "$@"; do
    LOCPATH=$locale_dir LC_ALL=$locale "$program" >"$work/$locale.txt" 2>"$work/$locale.err"
    if ! grep -q "^locale $locale," "$work/$locale.err"; then
        echo "$locale was not in force:" >&2
        cat "$work/$locale.err" >&2
        status=1
    elif ! cmp -s "$work/C.UTF-8.txt" "$work/$locale.txt"; then
        echo "$locale differs from C.UTF-8 ($(grep "^locale " "$work/$locale.err")):" >&2
        diff -u "$work/C.UTF-8.txt" "$work/$locale.txt" | head -n 40 >&2 || true
        status=1
    else
        echo "$locale: $lines lines, identical ($(grep "^locale " "$work/$locale.err"))"
    fi
done
exit $status
