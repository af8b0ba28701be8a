#!/usr/bin/env bash
# Builds the Debian package from a finished build, checks that it holds exactly what the
# install step puts, and starts programs extracted from it on Qt's offscreen platform.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# What the install step puts, relative to the /usr prefix.
cmake --install "$build" --prefix "$work/installed/usr" >/dev/null
(cd "$work/installed" && find . -type f -o -type l | sed 's|^\./|/|' | sort) >"$work/installed.list"

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null) || fail "cpack -G DEB failed"
deb=$(ls "$work"/package/*.deb)
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort >"$work/packaged.list"
diff -u "$work/installed.list" "$work/packaged.list" || fail "the package does not hold what the install step puts"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-arphic-uming qt6-translations-l10n libqt6widgets6; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ $recommends == *"fcitx5-frontend-qt6 | ibus"* ]] || fail "Recommends lacks the input-method front end: $recommends"

dpkg-deb -x "$deb" "$work/root"
for program in orvane luvesk teaching-programs; do
    out=$(cd "$work" && QT_QPA_PLATFORM=offscreen RT_FIRST_FRAME_REPORT=quit timeout 20 "$work/root/usr/bin/$program")
    [[ $out == first-frame* ]] || fail "$program from the package showed no window: $out"
    echo "$program: ${out#first-frame * * * }"
done
echo "package $(basename "$deb"): $(wc -l <"$work/packaged.list") files, as installed"
