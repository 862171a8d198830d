#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the converter oildrop-mkpdf on its own:
#
#   check_mkpdf.sh PATH_TO_OILDROP_MKPDF
#
# - with QT_QPA_PLATFORM unset it still runs without a display;
# - Cyrillic and Greek text, the title and the footer come back out of the PDF;
# - a missing input, an input that is not UTF-8, an output in a missing folder
#   and wrong usage give a non-zero status and a message, and leave no file.
# Exit status 0: all passed; 1: a check failed; 77: poppler tools missing.

set -u

if [ $# -ne 1 ]; then
    echo "usage: $0 PATH_TO_OILDROP_MKPDF" >&2
    exit 1
fi
tool=$1

for t in pdftotext pdfinfo pdffonts; do
    if ! command -v "$t" >/dev/null 2>&1; then
        echo "SKIP: $t is not installed (Debian package poppler-utils)" >&2
        exit 77
    fi
done

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT INT TERM

unset QT_QPA_PLATFORM

cat >"$work/good.html" <<'HTML'
<html><body>
<h1>Проба печати</h1>
<p>Съешь же ещё этих мягких французских булок, да выпей чаю.</p>
<p>Греческие буквы: ρ η τ π.</p>
</body></html>
HTML

# expect_failure LABEL OUTPUT ARGS...: the tool must fail, say why, write nothing.
expect_failure() {
    label=$1
    output=$2
    shift 2
    "$tool" "$@" >"$work/out.log" 2>"$work/err.log"
    status=$?
    if [ "$status" -eq 0 ]; then
        fail "$label: exit status 0"
    fi
    if [ ! -s "$work/err.log" ]; then
        fail "$label: no message on standard error"
    fi
    if [ -n "$output" ] && [ -e "$output" ]; then
        fail "$label: left a file $output"
    fi
}

# A good document.
if "$tool" "$work/good.html" "$work/good.pdf" "Заголовок пробы" 2>"$work/err.log"; then
    if ! pdftotext -enc UTF-8 "$work/good.pdf" "$work/good.txt" 2>/dev/null; then
        fail "good: pdftotext cannot read the output"
    else
        tr '\n\f' '  ' <"$work/good.txt" | tr -s ' ' >"$work/good.flat"
        for phrase in "Проба печати" "Съешь же ещё этих мягких французских булок, да выпей чаю." \
            "ρ η τ π" "Заголовок пробы" "стр. 1 из 1"; do
            grep -qF -- "$phrase" "$work/good.flat" || fail "good: text \"$phrase\" not found"
        done
    fi
    pdfinfo "$work/good.pdf" 2>/dev/null | grep -q '^Title:[[:space:]]*Заголовок пробы' ||
        fail "good: PDF title is not set"
    pdfinfo "$work/good.pdf" 2>/dev/null | grep -q '^Page size:.*(A4)' ||
        fail "good: page size is not A4"
    pdffonts "$work/good.pdf" 2>/dev/null | grep -q 'LiberationSerif' ||
        fail "good: font Liberation Serif is not embedded"
else
    fail "good: the tool failed: $(cat "$work/err.log")"
fi

expect_failure "missing input" "$work/missing.pdf" "$work/no-such-file.html" "$work/missing.pdf" "T"

printf '<p>\377\376 broken</p>\n' >"$work/bad.html"
expect_failure "input not UTF-8" "$work/bad.pdf" "$work/bad.html" "$work/bad.pdf" "T"

expect_failure "output folder missing" "$work/no/such/folder/x.pdf" \
    "$work/good.html" "$work/no/such/folder/x.pdf" "T"

expect_failure "output is a folder" "" "$work/good.html" "$work" "T"

expect_failure "too few arguments" "" "$work/good.html" "$work/y.pdf"
if [ -e "$work/y.pdf" ]; then
    fail "too few arguments: wrote a file"
fi

# A failed run must not damage an existing output.
cp "$work/good.pdf" "$work/keep.pdf" 2>/dev/null
if [ -f "$work/keep.pdf" ]; then
    "$tool" "$work/no-such-file.html" "$work/keep.pdf" "T" 2>/dev/null
    cmp -s "$work/good.pdf" "$work/keep.pdf" || fail "a failed run changed the existing output"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "oildrop-mkpdf passed"
exit 0
