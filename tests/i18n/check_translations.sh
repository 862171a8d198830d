#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The English translation is complete and up to date: lupdate run over the
# sources (as the target update_translations does) finds no text without a
# finished translation and none that the code no longer has.
#   check_translations.sh LUPDATE SOURCE_DIR TS_FILE
set -eu
lupdate=$1
src=$2
ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -source-language ru_RU -target-language en_US -locations none -no-obsolete \
    "$src/model" "$src/laboratory" "$src/journal" "$src/assignments" "$src/reports" "$src/plots" "$src/platform" \
    "$src/shell" "$src/ui" "$src/app" "$src/charts" "$src/grading" -ts "$work/check.ts"
messages=$(grep -c '<message>' "$work/check.ts" || true)
unfinished=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
echo "$messages texts, $unfinished without a finished translation"
if [ "$unfinished" -ne 0 ]; then
    grep -B3 'type="unfinished"' "$work/check.ts" | grep '<source>' | sed 's/^/untranslated: /'
    echo "run the target update_translations and translate them in $ts"
    exit 1
fi
if ! cmp -s "$ts" "$work/check.ts"; then
    diff "$ts" "$work/check.ts" | head -20
    echo "$ts is not up to date with the code: run the target update_translations"
    exit 1
fi
