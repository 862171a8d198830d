#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that every C++ source of the repository keeps the style of
# .clang-format (Debian 12's clang-format 14). Prints the files that do not.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
# shellcheck disable=SC2086
if ! clang-format --dry-run --Werror $files 2>/tmp/oildrop-format.$$; then
    # Only the diagnostics' own lines (file:line:column: ...), not the quoted source.
    sed -n 's/^\([^: ]*\.\(cpp\|h\)\):[0-9]*:[0-9]*: .*/not formatted: \1/p' /tmp/oildrop-format.$$ | sort -u
    rm -f /tmp/oildrop-format.$$
    echo "run: clang-format -i \$(git ls-files '*.cpp' '*.h')"
    exit 1
fi
rm -f /tmp/oildrop-format.$$
echo "formatting: all $(echo "$files" | wc -l) sources keep the style"
