#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every executable answers --help and --version without a display, refuses unknown options
# and arguments with status 2 and the help, and still takes Qt's own options.
set -uo pipefail
bin=$1
version=$2
programs_json=$3
failures=0
err_file=$(mktemp)
trap 'rm -f "$err_file"' EXIT
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# No display: a window, or even a QApplication on xcb, would abort.
export QT_QPA_PLATFORM=xcb
unset DISPLAY WAYLAND_DISPLAY

# option | status | stream that must hold the text | text
cases='
--help|0|out|用法：NAME [选项]
-h|0|out|-v, --version
--version|0|out|NAME（
-v|0|out|）VERSION
--colour|2|err|NAME：未知选项“--colour”
-x|2|err|用法：NAME [选项]
extra-argument|2|err|不接受参数“extra-argument”
-platform|2|err|选项“-platform”缺少取值'

names=$(python3 -c 'import json, sys; print(*(p["name"] for p in json.load(open(sys.argv[1]))))' "$programs_json")
for exe in "$bin"/teaching-programs $(printf "$bin/%s\n" $names); do
    name=$(basename "$exe")
    while IFS='|' read -r option status stream text; do
        [ -n "$option" ] || continue
        text=${text//NAME/$name}
        text=${text//VERSION/$version}
        out=$("$exe" "$option" 2>"$err_file")
        got=$?
        err=$(cat "$err_file")
        [ "$got" = "$status" ] || fail "$name $option: status $got, not $status"
        if [ "$stream" = out ]; then haystack=$out; else haystack=$err; fi
        [[ $haystack == *"$text"* ]] || fail "$name $option: std$stream lacks '$text': $haystack"
    done <<<"$cases"
done

# The exact version line, and Qt's options passed on to Qt, of the first program in the list.
read -r first title < <(python3 -c 'import json, sys; p = json.load(open(sys.argv[1]))[0]; print(p["name"], p["title_zh"])' "$programs_json")
[ "$("$bin/$first" --version)" = "$first（$title）$version" ] || fail "$first --version: $("$bin/$first" --version)"
# A hang bound: the first frame comes within a second alone, a few on a busy machine.
out=$(RT_FIRST_FRAME_REPORT=quit timeout 120 "$bin/$first" -platform offscreen -style fusion 2>/dev/null)
[[ $out == first-frame* ]] || fail "$first -platform offscreen -style fusion showed no window: $out"

[ "$failures" -eq 0 ] || exit 1
echo "all executables: help, version and unknown options as expected"
