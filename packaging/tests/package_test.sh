#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package the conventional way in a copy of the tracked files (no build
# folder, no node_modules), checks the source and binary packages with lintian, installs the
# .deb with apt-get when run as root (otherwise extracts it), starts every program on Qt's
# offscreen platform, checks that each names the package's version, and purges the package
# again.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
installed=false
cleanup() {
    if $installed; then apt-get purge -y -q -o DPkg::Lock::Timeout=300 teaching-programs >/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The tracked files as they are in the work tree, so that uncommitted edits are tested too.
tree=$work/teaching-programs
mkdir "$tree"
git -C "$source_dir" ls-files -z | while IFS= read -r -d '' file; do
    [ -e "$source_dir/$file" ] && printf '%s\0' "$file"
done | (cd "$source_dir" && xargs -0 cp --parents -t "$tree")

(cd "$work" && dpkg-source -b teaching-programs >"$work/source.log") || { cat "$work/source.log"; fail "dpkg-source -b"; }
# nocheck: the package's own quick tests run in ./test already; here the package is tested.
(cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" DEB_BUILD_PROFILES=nocheck \
    dpkg-buildpackage -us -uc -b >"$work/build.log" 2>&1) || { tail -40 "$work/build.log"; fail "dpkg-buildpackage"; }
dsc=$(ls "$work"/teaching-programs_*.dsc)
deb=$(ls "$work"/teaching-programs_*.deb)
echo "built $(basename "$dsc") and $(basename "$deb")"

# No error, warning, info or pedantic tag: each is fixed or overridden with a reason.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$dsc" "$deb" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log"; fail "lintian"; }
if grep -E '^[EWIPX]: ' "$work/lintian.log"; then fail "lintian reports tags"; fi

depends=$(dpkg-deb -f "$deb" Depends)
for needed in "fonts-arphic-uming | fonts-noto-cjk" qt6-translations-l10n qt6-qpa-plugins libqt6widgets6; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# Installed with apt-get as root, unless it is installed already; otherwise extracted.
root=$work/root
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${db:Status-Status}' teaching-programs 2>/dev/null | grep -qx installed; then
    installed=true
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        -o DPkg::Lock::Timeout=1800 "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install"; }
    root=
    echo "installed with apt-get"
else
    dpkg-deb -x "$deb" "$root"
    echo "extracted (not root, or installed already)"
fi

# The programs as the package lists them.
list=$root/usr/share/teaching-programs/programs.json
[ -f "$list" ] || fail "the package lacks its list of programs"
programs=(teaching-programs $(python3 -c 'import json, sys; print(*(p["name"] for p in json.load(open(sys.argv[1]))))' "$list"))
# Every program names the package's version, which it was built with.
version=$(dpkg-deb -f "$deb" Version)
for program in "${programs[@]}"; do
    for file in /usr/bin/$program /usr/share/applications/$program.desktop \
                /usr/share/icons/hicolor/scalable/apps/$program.svg /usr/share/icons/hicolor/48x48/apps/$program.png \
                /usr/share/man/man1/$program.1.gz; do
        [ -e "$root$file" ] || fail "the package lacks $file"
    done
    # A hang bound: the first frame comes within a second alone, a few on a busy machine.
    out=$(cd "$work" && QT_QPA_PLATFORM=offscreen RT_FIRST_FRAME_REPORT=quit timeout 120 "$root/usr/bin/$program" 2>/dev/null) ||
        fail "$program from the package failed"
    [[ $out == first-frame* ]] || fail "$program from the package showed no window: $out"
    [[ $("$root/usr/bin/$program" --version) == *"）$version" ]] || fail "$program --version does not name $version"
    echo "$program: ${out#first-frame * * * }"
done
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "the package lacks its metainfo"

if $installed; then
    apt-get purge -y -q -o DPkg::Lock::Timeout=300 teaching-programs >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
    installed=false
    for left in "/usr/bin/${programs[1]}" /usr/share/doc/teaching-programs /usr/share/man/man1/teaching-programs.1.gz; do
        [ ! -e "$left" ] || fail "purge left $left"
    done
    echo "purged"
fi
echo "package $(basename "$deb"): lintian clean, $(dpkg-deb -c "$deb" | wc -l) entries, every program starts"
