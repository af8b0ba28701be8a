#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The version lives in CMake's project(); debian/changelog (where dpkg reads it) and
# CHANGELOG.md must name the same version, CHANGELOG.md with the same release date.
set -euo pipefail
source_dir=$1
version=$2
release_date=$3
failures=0

debian=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' "$source_dir/debian/changelog")
[ "$debian" = "$version" ] || { echo "FAIL: debian/changelog says $debian, CMake says $version" >&2; failures=1; }

latest=$(grep -m1 -E '^## \[[0-9]' "$source_dir/CHANGELOG.md")
[ "$latest" = "## [$version] - $release_date" ] ||
    { echo "FAIL: CHANGELOG.md's latest release is '$latest', CMake says $version of $release_date" >&2; failures=1; }

[ "$failures" -eq 0 ] && echo "version $version of $release_date everywhere"
exit "$failures"
