#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The version and its release date are read by CMake from debian/changelog's top entry. Here
# dpkg reads the same entry, and its version and the day written in its trailer must be what
# CMake built with; CHANGELOG.md's latest release must name the same version and day.
set -euo pipefail
source_dir=$1
version=$2
release_date=$3
failures=0

changelog=$source_dir/debian/changelog
debian=$(dpkg-parsechangelog -l "$changelog" -S Version)
[ "$debian" = "$version" ] || { echo "FAIL: debian/changelog says $debian, CMake says $version" >&2; failures=1; }
# "Tue, 08 Dec 2026 12:00:00 +0000": the day as written, whatever the time zone.
written=$(dpkg-parsechangelog -l "$changelog" -S Date | cut -d' ' -f2-4)
debian_date=$(LC_ALL=C date -u -d "$written" +%F)
[ "$debian_date" = "$release_date" ] ||
    { echo "FAIL: debian/changelog is dated $debian_date, CMake says $release_date" >&2; failures=1; }

latest=$(grep -m1 -E '^## \[[0-9]' "$source_dir/CHANGELOG.md")
[ "$latest" = "## [$version] - $release_date" ] ||
    { echo "FAIL: CHANGELOG.md's latest release is '$latest', debian/changelog says $version of $release_date" >&2; failures=1; }

[ "$failures" -eq 0 ] && echo "version $version of $release_date everywhere"
exit "$failures"
