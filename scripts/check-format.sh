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
    grep -o '^[^:]*\.\(cpp\|h\)' /tmp/oildrop-format.$$ | sort -u | sed 's/^/not formatted: /'
    rm -f /tmp/oildrop-format.$$
    echo "run: clang-format -i \$(git ls-files '*.cpp' '*.h')"
    exit 1
fi
rm -f /tmp/oildrop-format.$$
echo "formatting: all $(echo "$files" | wc -l) sources keep the style"
