#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows build under Wine, on a private Xvfb (after
# scripts/build-windows.sh --tests):
#   1. the test suite's window-free tests, the painted charts and the tones
#      through waveOut (ctest in build-windows/);
#   2. a smoke run of portable/oildrop.exe: the window's title in the
#      language of Windows (Russian, and English for an English Windows), one
#      run to its verdict, a timing recorded into the journal, saved in the
#      user's application-data folder and read back by the next start;
#   3. the installer, silent (/S): the program installed with its Start-menu
#      entry, and the installed program starts.
# With OILDROP_SCREENSHOTS=<folder>, the main window after a run and the
# journal are saved there as PNG.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
build=build-windows
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Russian and English locales, for Windows' language under Wine.
for l in ru_RU en_US; do
    locale -a | grep -qx "$l.utf8" || { [ "$(id -u)" -eq 0 ] && localedef -i "$l" -f UTF-8 "$l.UTF-8" \
        || sudo localedef -i "$l" -f UTF-8 "$l.UTF-8"; }
done

display=:$((60 + $$ % 30))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.5; done

# A Windows of its own (64-bit), without the .NET and HTML engines' prompts.
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=ru_RU.UTF-8
wine cmd /c exit 2>/dev/null || true
# No window manager here: Wine draws the windows' frames and titles itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wineserver -w

echo "== tests under Wine"
# The tests find Qt's and MinGW's DLLs on the path; the program (below) only
# what lies beside it.
(cd "$build" && WINEPATH='Z:\opt\qt6-mingw\bin;Z:\usr\lib\gcc\x86_64-w64-mingw32\12-posix;Z:\usr\x86_64-w64-mingw32\lib' \
    ctest --output-on-failure -j "$(nproc)")

echo "== smoke run of the portable program under Wine"
program="$root/$build/portable/oildrop.exe"
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/oildrop"
start() { # language
    (LANG=$1 exec wine "$program") >>"$work/program.log" 2>&1 &
    app=$!
}
stop() {
    wineserver -k 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
    # Killed with the whole of Wine, the program leaves its journal's lock;
    # the next Wine gives that process number to one of its own services,
    # whose name Qt cannot read, so the lock would look held. (A program
    # closed as a user closes it removes its lock.)
    rm -f "$appdata"/*.lock
}
shot() { # window file
    import -window "$1" "$work/shot.png"
    [ -n "${OILDROP_SCREENSHOTS:-}" ] && cp "$work/shot.png" "$OILDROP_SCREENSHOTS/$2"
    return 0
}
# The laboratory asks who measures as it opens (when its journal does not
# say): answered with nothing (Escape), the main window focused again.
answerWho() { # main-window
    who=$(timeout 8 xdotool search --sync --name "^Кто измерял\$" | head -n 1) || return 0
    xdotool windowfocus "$who" key Escape
    sleep 0.5
    xdotool windowfocus "$1" 2>/dev/null || true
}
# The window's picture, twice 1.5 s apart the same: nothing moves any more.
settled() { # window
    for _ in $(seq 1 40); do
        import -window "$1" "$work/a.png"
        sleep 1.5
        import -window "$1" "$work/b.png"
        [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)" = 0 ] && return 0
    done
    return 1
}

start en_US.UTF-8
timeout 60 xdotool search --sync --name "^Simulation of Veltran's Experiment\$" >/dev/null \
    || { echo "FAIL: no English window for an English Windows"; cat "$work/program.log"; exit 1; }
echo "English Windows: window \"Simulation of Veltran's Experiment\""
stop

start ru_RU.UTF-8
window=$(timeout 60 xdotool search --sync --name "^Моделирование опыта Вельтрана\$" | head -n 1) \
    || { echo "FAIL: no window titled «Моделирование опыта Вельтрана»"; cat "$work/program.log"; exit 1; }
echo "Russian Windows: window «Моделирование опыта Вельтрана»"
focus() { xdotool windowfocus "$1" 2>/dev/null || true; }
# ПУСК (F5): one run of the demonstration without irradiation, to its verdict:
# the remark that the experiment was done wrong.
focus "$window"
xdotool key F5
remark=$(timeout 60 xdotool search --sync --name "^ЗАМЕЧАНИЕ\$" | head -n 1) \
    || { echo "FAIL: the run came to no verdict"; cat "$work/program.log"; exit 1; }
echo "a run to its verdict: «ЗАМЕЧАНИЕ» shown"
focus "$remark"
xdotool key Return
sleep 1
# And one done right: the field on (F6), the drop irradiated (F7); its
# velocities come out (the picture of the main window after a run).
focus "$window"
xdotool key F5
sleep 1
xdotool key F6
sleep 3
xdotool key F7
sleep 3
settled "$window" || { echo "FAIL: the second run did not come to an end"; exit 1; }
xdotool search --name "^ЗАМЕЧАНИЕ\$" >/dev/null && { echo "FAIL: the irradiated drop was judged wrong"; exit 1; }
shot "$window" oildrop-windows-run.png

# The laboratory: a drop (F5), timed with the stopwatch (F8, F8) and recorded
# (F12). The stopwatch's window takes the focus; a click on an empty part of
# the main window gives it back.
# The keys go to the main window: focused, and clicked on an empty part (the
# verdict may have left the focus nowhere, with no window manager to give it).
focus "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 300)) $((Y + 450)) click 1
xdotool key ctrl+l
timeout 20 xdotool search --sync --name "^Секундомер" >/dev/null || { echo "FAIL: no stopwatch"; exit 1; }
answerWho "$window"
sleep 1
xdotool mousemove $((X + 300)) $((Y + 450)) click 1
xdotool key F5
sleep 2
for _ in 1 2 3; do
    xdotool key F8
    sleep 2
    xdotool key F8
    sleep 0.5
    xdotool key F12
    sleep 1
    grep -qs '"bands"' "$appdata/journal.json" && break
done
grep -qs '"bands"' "$appdata/journal.json" \
    || { echo "FAIL: no timing in the journal in $appdata"; cat "$work/program.log"; exit 1; }
cp "$appdata/journal.json" "$work/saved.json"
echo "journal saved: AppData/Roaming/oildrop/journal.json, $(wc -c <"$work/saved.json") bytes"
stop

# Read back: the next start takes the journal up again (a journal it could not
# read would be set aside as journal-damaged-*.json).
start ru_RU.UTF-8
window=$(timeout 60 xdotool search --sync --name "^Моделирование опыта Вельтрана\$" | head -n 1)
sleep 2
focus "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 300)) $((Y + 450)) click 1
xdotool key ctrl+l
sleep 2
answerWho "$window"
xdotool mousemove $((X + 300)) $((Y + 450)) click 1
xdotool key ctrl+j
journal=$(timeout 20 xdotool search --sync --name "^Лабораторный журнал" | head -n 1) \
    || { echo "FAIL: no journal window"; cat "$work/program.log"; exit 1; }
settled "$journal" || true
import -window "$journal" "$work/shot.png"
# The first row of the table holds the timing: text on its white.
row=$(convert "$work/shot.png" -crop 560x20+30+88 -colorspace Gray -format '%[fx:mean]' info:)
awk "BEGIN { exit !($row < 0.97) }" || { echo "FAIL: the journal's first row is empty ($row)"; exit 1; }
ls "$appdata"/journal-damaged-*.json >/dev/null 2>&1 && { echo "FAIL: the journal was not read back"; exit 1; }
cmp -s "$appdata/journal.json" "$work/saved.json" || { echo "FAIL: the journal changed on reading"; exit 1; }
echo "journal read back"
stop

# A journal of ten drops from the native build's simulated student (when
# there is one): the Windows program finds e from it and paints its charts.
student=$root/build/tests/gui/lab_session
if [ -x "$student" ]; then
    (cd "$work" && HOME="$work/student" XDG_DATA_HOME="$work/student/share" QT_QPA_PLATFORM=offscreen \
        "$student" "$work" >"$work/student.log" 2>&1)
    cp "$(find "$work/student" -name journal.json | head -n 1)" "$appdata/journal.json"
    start ru_RU.UTF-8
    window=$(timeout 60 xdotool search --sync --name "^Моделирование опыта Вельтрана\$" | head -n 1)
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + 300)) $((Y + 450)) click 1
    xdotool key ctrl+l
    sleep 2
    answerWho "$window"
    xdotool mousemove $((X + 300)) $((Y + 450)) click 1
    xdotool key ctrl+j
    journal=$(timeout 20 xdotool search --sync --name "^Лабораторный журнал" | head -n 1) \
        || { echo "FAIL: no journal window"; exit 1; }
    sleep 2
    # The tab «Определение e» (below the student's and the group's fields):
    # the estimate and its two charts.
    eval "$(xdotool getwindowgeometry --shell "$journal")"
    xdotool mousemove $((X + 217)) $((Y + 86)) click 1
    settled "$journal" || true
    shot "$journal" oildrop-windows-journal.png
    bars=$(convert "$work/shot.png" -fill black +opaque 'rgb(120,150,230)' -fill white -opaque 'rgb(120,150,230)' \
        -format '%[fx:round(mean*w*h)]' info:)
    [ "$bars" -gt 200 ] || { echo "FAIL: no histogram in the journal ($bars pixels of its bars)"; exit 1; }
    echo "the student's journal of ten drops: e found, charts painted ($bars pixels of bars)"
    stop
fi

echo "== the installer, silent"
wine "$root/$build/oildrop-$version-setup.exe" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/oildrop"
[ -f "$installed/oildrop.exe" ] && [ -f "$installed/uninstall.exe" ] || { echo "FAIL: not installed"; exit 1; }
menu=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name '*.lnk' | head -n 1)
[ -n "$menu" ] || { echo "FAIL: no Start-menu entry"; exit 1; }
echo "installed: $(find "$installed" -type f | wc -l) files; Start menu: $(basename "$(dirname "$menu")")"
program="$installed/oildrop.exe"
start ru_RU.UTF-8
timeout 60 xdotool search --sync --name "^Моделирование опыта Вельтрана\$" >/dev/null \
    || { echo "FAIL: the installed program shows no window"; cat "$work/program.log"; exit 1; }
echo "the installed program starts"
stop
wine "$installed/uninstall.exe" /S
wineserver -w
sleep 2
[ ! -f "$installed/oildrop.exe" ] || { echo "FAIL: the uninstaller left the program"; exit 1; }
echo "uninstalled"
echo "== Windows tests passed"
