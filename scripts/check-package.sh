#!/bin/sh
# SPDX-FileCopyrightText: 2026 The oildrop developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks the built Debian package and the licensing of the sources:
#   - lintian on <build-dir>/oildrop_*.deb: any error or warning fails, and its
#     whole output, info tags included, is shown;
#   - reuse lint at the top of the repository: every file has its copyright
#     and licence.
# Both run even when the first fails, so one run shows every problem.
# Usage: scripts/check-package.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
status=0

found=no
for deb in "$build"/oildrop_*.deb; do
    [ -e "$deb" ] || continue
    found=yes
    echo "== lintian $deb"
    if lintian --fail-on error,warning --display-info "$deb"; then
        echo "lintian: no errors, no warnings"
    else
        echo "FAIL: lintian reports errors or warnings in $deb"
        status=1
    fi
done
if [ "$found" = no ]; then
    echo "FAIL: no package $build/oildrop_*.deb; build it first with (cd $build && cpack)"
    status=1
fi

echo "== reuse lint"
if ! reuse lint; then
    echo "FAIL: reuse lint"
    status=1
fi

exit "$status"
