#!/bin/sh
# Checks the built help documents of the program.
#
#   check_pdfs.sh OUTPUT_DIR INSTRUCTION_SOURCE
#
# OUTPUT_DIR holds spravka.pdf, spravka2.pdf, history.pdf, uprav.pdf and
# instruction.txt as the build leaves them next to the executable. For every
# PDF: it opens, has at least one page, carries a title, and its extracted text
# holds characteristic Russian phrases and numbers and the page footer. The
# instruction must be a non-empty copy of its source in valid UTF-8 without
# carriage returns. Exit status 0: all passed; 1: a check failed; 77: the
# poppler tools are missing (the test is then skipped).

set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 OUTPUT_DIR INSTRUCTION_SOURCE" >&2
    exit 1
fi
dir=$1
instruction_source=$2

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
    for phrase in "$@" "стр. 1 из $pages" "стр. $pages из $pages"; do
        if ! grep -qF -- "$phrase" "$work/$name.flat"; then
            fail "$name: text \"$phrase\" not found"
        fi
    done
    # U+FFFD marks text that could not be mapped back to characters.
    if grep -qF "$(printf '\357\277\275')" "$work/$name.flat"; then
        fail "$name: contains unmappable characters"
    fi
    if [ "$failures" -eq "$before" ]; then
        echo "ok: $name ($pages pages)"
    fi
}

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

instruction=$dir/instruction.txt
if [ ! -s "$instruction" ]; then
    fail "$instruction is missing or empty"
else
    if ! iconv -f UTF-8 -t UTF-8 "$instruction" >/dev/null 2>&1; then
        fail "instruction.txt is not valid UTF-8"
    fi
    if grep -q "$(printf '\r')" "$instruction"; then
        fail "instruction.txt contains carriage returns"
    fi
    if ! cmp -s "$instruction" "$instruction_source"; then
        fail "instruction.txt differs from its source $instruction_source"
    fi
    before=$failures
    for phrase in "ПУСК" "НАПРЯЖЕНИЕ" "СВЕТ" "опыт Вельтрана" "V2max" "V3max"; do
        if ! grep -qF -- "$phrase" "$instruction"; then
            fail "instruction.txt: text \"$phrase\" not found"
        fi
    done
    if [ "$failures" -eq "$before" ]; then
        echo "ok: instruction.txt"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all documents passed"
exit 0
