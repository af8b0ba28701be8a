#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Adding a program takes one folder and one line: in a scratch copy of the project, the prime
# list's folder is copied to a new folder, its program name, folder name and namespace renamed
# inside it (file names included), one line added to programs.tsv and nothing else changed.
# Then the new program must be everywhere: its executable and tests, the launcher's list, the
# menu entries, the manual page, the sweep, the monkey run, the benchmarks, the screenshot tool
# and the page's list of programs. Only the new program and what the list generates are built.
#
#     new_program_drill.sh SOURCE_DIR SCRATCH_DIR
set -euo pipefail
source_dir=$1
scratch=$2
name=drillon
folder=drill_program
fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/src"
# The project as it stands: tracked files and new ones not yet added, without build folders.
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard | xargs -0 cp --parents -t "$scratch/src")
src=$scratch/src

# The copy, renamed inside and out.
cp -r "$src/prime_list" "$src/$folder"
for file in $(cd "$src/$folder" && find . -name '*prime_list*'); do
    mv "$src/$folder/$file" "$src/$folder/${file//prime_list/$folder}"
done
grep -rl -e prime_list -e luvesk "$src/$folder" | xargs sed -i -e "s/prime_list/$folder/g" -e "s/luvesk/$name/g"
printf '%s\t%s\t演练程序\tDrill program\t复制一个程序的文件夹而成\tA program made by copying a folder\t演練程式\tMath\tdrill\t演练\n' \
    "$name" "$folder" >>"$src/programs.tsv"

# Configured as the default preset, built only where the new program shows.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$src" -B "$scratch/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$scratch/build" --parallel "$(nproc)" --target \
    "$name" "${name}_test" "${name}_qt_test" teaching-programs hostile_input_test monkey_test screenshot-tool \
    handlers-bench
build=$scratch/build
bin=$build/bin

# Its own tests, as ./test --quick runs them.
"$bin/${name}_test" --gtest_brief=1 || fail "the new program's tests"
QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96 "$bin/${name}_qt_test" --gtest_brief=1 || fail "the new program's Qt tests"
"$bin/$name" --version | grep -q "^$name（演练程序）" || fail "$name --version"

# The lists generated from programs.tsv.
grep -q "\"$name\"" "$build/launcher/catalogue.cpp" || fail "the launcher does not list $name"
desktop-file-validate "$build/applications/$name.desktop" || fail "no valid menu entry for $name"
grep -qx ".B $name" "$build/packaging/teaching-programs.1" || fail "the manual page does not list $name"
grep -q "^eleven small desktop programs\|^Eleven small desktop programs" "$build/packaging/teaching-programs.1" ||
    fail "the manual page does not count eleven programs"
python3 - "$build/programs.json" "$name" <<'PY' || fail "the page's list of programs lacks $name or its typical use"
import json, sys
programs = {p["name"]: p for p in json.load(open(sys.argv[1]))}
assert programs[sys.argv[2]]["typical_use"] == ["click:Command1"], programs.get(sys.argv[2])
PY

# The sweep and the monkey run go over it.
"$bin/hostile_input_test" --gtest_filter="*/$name" --gtest_brief=1 | grep -q "1 test" || fail "the sweep skips $name"
MONKEY_STEPS=300 "$bin/monkey_test" --gtest_filter="*/$name" --gtest_brief=1 | grep -q "1 test" ||
    fail "the monkey run skips $name"

# The screenshot tool draws it.
shots=$scratch/shots
mkdir -p "$shots"
QT_QPA_PLATFORM=offscreen "$bin/screenshot-tool" "$shots" >/dev/null || fail "the screenshot tool"
[ -s "$shots/$name.png" ] || fail "the screenshot tool did not draw $name"

echo "$name in $folder/: built, tested, listed by the launcher, the menus, the manual page, the page's list, the sweep, the monkey run and the screenshots"
