#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the built help documents of the program in one language.
#
#   check_pdfs.sh ru|en OUTPUT_DIR INSTRUCTION_SOURCE
#
# OUTPUT_DIR holds spravka.pdf, spravka2.pdf, history.pdf, uprav.pdf and
# instruction.txt (Russian) and the same names with the suffix _en (English)
# as the build leaves them next to the executable. For every PDF of the
# language: it opens, has at least one page, carries a title, and its
# extracted text holds characteristic phrases and numbers and the page footer;
# the English ones hold no Cyrillic letter. The instruction must be a
# non-empty copy of its source in valid UTF-8 without carriage returns, with
# lines of at most 78 characters. Exit status 0: all passed; 1: a check
# failed; 77: the poppler tools are missing (the test is then skipped).

set -u

if [ $# -ne 3 ] || { [ "$1" != ru ] && [ "$1" != en ]; }; then
    echo "usage: $0 ru|en OUTPUT_DIR INSTRUCTION_SOURCE" >&2
    exit 1
fi
language=$1
dir=$2
instruction_source=$3
if [ "$language" = en ]; then
    suffix=_en
else
    suffix=
fi

for tool in pdftotext pdfinfo iconv; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (Debian packages poppler-utils, libc-bin)" >&2
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

# check_no_cyrillic NAME FILE: FILE (UTF-8) holds no letter of the Cyrillic
# blocks U+0400..U+052F, whose encodings start with the bytes 0xD0..0xD4.
check_no_cyrillic() {
    if LC_ALL=C grep -n "$(printf '[\320-\324][\200-\277]')" "$2" >"$work/cyrillic" 2>/dev/null; then
        fail "$1: Cyrillic text in the English document: $(head -n 3 "$work/cyrillic" | tr '\n' ' ')"
    fi
}

# check_pdf NAME PHRASE...
check_pdf() {
    before=$failures
    name=$1
    shift
    pdf=$dir/$name
    if [ ! -s "$pdf" ]; then
        fail "$pdf is missing or empty (build the target oildrop_docs)"
        return
    fi
    if ! pdfinfo "$pdf" >"$work/$name.info" 2>"$work/$name.err"; then
        fail "$name: pdfinfo cannot read it: $(cat "$work/$name.err")"
        return
    fi
    pages=$(sed -n 's/^Pages:[[:space:]]*//p' "$work/$name.info")
    case $pages in
        '' | *[!0-9]*)
            fail "$name: no page count"
            return
            ;;
    esac
    if [ "$pages" -lt 1 ]; then
        fail "$name: has no pages"
        return
    fi
    if ! grep -q '^Title:[[:space:]]*[^[:space:]]' "$work/$name.info"; then
        fail "$name: has no title"
    fi
    if ! pdftotext -enc UTF-8 "$pdf" "$work/$name.txt" 2>"$work/$name.err"; then
        fail "$name: pdftotext failed: $(cat "$work/$name.err")"
        return
    fi
    # One line with single blanks, so that phrases broken across lines match.
    tr '\n\f\t' '   ' <"$work/$name.txt" | tr -s ' ' >"$work/$name.flat"
    if [ "$language" = en ]; then
        set -- "$@" "Page 1 of $pages" "Page $pages of $pages"
    else
        set -- "$@" "стр. 1 из $pages" "стр. $pages из $pages"
    fi
    for phrase in "$@"; do
        if ! grep -qF -- "$phrase" "$work/$name.flat"; then
            fail "$name: text \"$phrase\" not found"
        fi
    done
    if [ "$language" = en ]; then
        check_no_cyrillic "$name" "$work/$name.txt"
    fi
    # U+FFFD marks text that could not be mapped back to characters.
    if grep -qF "$(printf '\357\277\275')" "$work/$name.flat"; then
        fail "$name: contains unmappable characters"
    fi
    if [ "$failures" -eq "$before" ]; then
        echo "ok: $name ($pages pages)"
    fi
}

# check_instruction PHRASE...: the instruction of the language.
check_instruction() {
    name=instruction$suffix.txt
    instruction=$dir/$name
    if [ ! -s "$instruction" ]; then
        fail "$instruction is missing or empty"
        return
    fi
    before=$failures
    if ! iconv -f UTF-8 -t UTF-8 "$instruction" >/dev/null 2>&1; then
        fail "$name is not valid UTF-8"
    fi
    if grep -q "$(printf '\r')" "$instruction"; then
        fail "$name contains carriage returns"
    fi
    # wc -L counts characters, not bytes, in a UTF-8 locale.
    width=$(LC_ALL=C.UTF-8 wc -L <"$instruction")
    if [ "$width" -gt 78 ]; then
        fail "$name has lines of $width characters (at most 78)"
    fi
    if ! cmp -s "$instruction" "$instruction_source"; then
        fail "$name differs from its source $instruction_source"
    fi
    for phrase in "$@"; do
        if ! grep -qF -- "$phrase" "$instruction"; then
            fail "$name: text \"$phrase\" not found"
        fi
    done
    if [ "$language" = en ]; then
        check_no_cyrillic "$name" "$instruction"
    fi
    if [ "$failures" -eq "$before" ]; then
        echo "ok: $name"
    fi
}

if [ "$language" = en ]; then
    check_pdf spravka_en.pdf \
        "Stokes' law" "Archimedes" "relaxation time" "terminal velocity" \
        "3.1415926535" "9.814" "1.6021766208" "e−T" "dV/dT = V∞ − V"

    check_pdf spravka2_en.pdf \
        "m = 8.102E-14 kg" "Ex = -3.178E+05 V/m" "tau = 8.557E-05 s" "Vg = 8.387E-04 m/s" \
        "a = -6.412E-02" "V2max= 6.773E-04 m/s" "V3max= 4.622E-04 m/s" \
        "q3/q2= 2.333" "q3-q2= 4.000e" "q2= 3.0e" "q3= 7.0e" "Velocity Vx" "0.807632" "0.551140"

    check_pdf history_en.pdf \
        "Veltran's experiment" "Faraday" "electrolysis" "1.602176634" "2019" "1.6021766208"

    check_pdf uprav_en.pdf \
        "START" "VOLTAGE" "LIGHT" "Random" "Graphs" "Motion" "Coordinate" "Velocity Vx" \
        "Parameters" "Characteristics" "Velocities" "Time slow-down" "Reference 1" "About" \
        "Dynamic viscosity of the medium" "A zero voltage makes no sense!" \
        "Rising droplets are not modelled" "For a vacuum, everything is known already!" "REMARK" \
        "Simulation of Veltran's Experiment" "Irradiate the droplet with X-rays" \
        "You are not Veltran!" "Are you absolutely sure?"

    check_instruction "START" "VOLTAGE" "LIGHT" "Veltran's experiment" "V2max" "V3max"
else
    check_pdf spravka.pdf \
        "Стокс" "Архимед" "время релаксации" "предельная скорость" \
        "3,1415926535" "9,814" "1,6021766208" "e−T" "dV/dT = V∞ − V"

    check_pdf spravka2.pdf \
        "m = 8,102E-14 кг" "Ex = -3,178E+05 В/м" "tau = 8,557E-05 c" "Vg = 8,387E-04 м/c" \
        "a = -6,412E-02" "V2max= 6,773E-04 м/c" "V3max= 4,622E-04 м/c" \
        "q3/q2= 2,333" "q3-q2= 4,000e" "q2= 3,0e" "q3= 7,0e" "Проекция Vx" "0,807632" "0,551140"

    check_pdf history.pdf \
        "опыт Вельтрана" "Фарадей" "электролиз" "1,602176634" "2019" "1,6021766208"

    check_pdf uprav.pdf \
        "ПУСК" "НАПРЯЖЕНИЕ" "СВЕТ" "Выбор" "Графики" "Движение" "Координата" "Проекция Vx" \
        "Параметры" "Характеристики" "Скорости" "Замедление времени" "Справка1" "О программе" \
        "Коэффициент динамической вязкости среды" "Нулевое напряжение бессмысленно!" \
        "Всплывание не моделируется" "Для вакуума всё и так известно!" "ЗАМЕЧАНИЕ"

    check_instruction "ПУСК" "НАПРЯЖЕНИЕ" "СВЕТ" "опыт Вельтрана" "V2max" "V3max"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all documents passed"
exit 0
