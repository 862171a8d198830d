#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the pictures of the README and the documentation under Xvfb:
#   docs/screenshot.png   the main window in the middle of an experiment,
#                         velocity plot shown (Russian);
#   docs/readout.png      the read-out under the mouse on the velocity plot
#                         after an irradiated run (Russian);
#   docs/screenshots/english-480x512.png, english-800x600.png
#                         the English interface at both sizes;
#   docs/screenshots/authors.png
#                         the Authors window;
#   docs/screenshots/laboratory-stopwatch.png
#                         the laboratory's panel beside the main window while
#                         a drop is held;
#   docs/screenshots/laboratory-hold.png, laboratory-journal.png,
#   laboratory-measurements.png, laboratory-slip.png
#                         a drop held through several rises and falls, and the
#                         journal after a student's ten drops: the finding of
#                         e with its plots, and the timings; the finding of e
#                         from drops with the slip of the air at three
#                         pressures, with the extrapolation (made offscreen by
#                         the build's tests/gui/lab_session).
#   docs/screenshots/microscope-spray.png, microscope-caught.png,
#   microscope-blurred.png, microscope-out-of-focus.png
#                         the microscope's window just after a spray, with a
#                         droplet caught and held alone, with it blurred and
#                         out of focus (lab_session too).
#   docs/screenshots/report-page1.png, class-journals.png
#                         the first page of that student's report, and the
#                         group's window with the journal among six others
#                         (one of them damaged).
# Usage: scripts/screenshot.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
mkdir -p docs/screenshots
display=:$((80 + $$ % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.5; done

# start LOCALE WIDTH HEIGHT [arguments]: the program with a client area of WIDTH × HEIGHT.
start() {
    locale=$1 SW=$2 SH=$3
    shift 3
    LC_ALL=$locale LANG=$locale LANGUAGE="${locale%%_*}" QT_QPA_PLATFORM=xcb "$build/bin/oildrop" "$@" \
        >/dev/null 2>&1 &
    app=$!
    window=$(timeout 20 xdotool search --sync --class oildrop | head -n 1)
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
    menu=$((HEIGHT - 512)) # the client area starts 480 × 512 below the menu bar
    xdotool windowsize "$window" "$SW" $((SH + menu))
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$window")"
}
stop() {
    kill "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
    app=""
}
at() { xdotool mousemove $((X + $1)) $((Y + menu + $2)); }
click() { at "$1" "$2"; xdotool click 1; }
# The start, the voltage, the light, a second and a half apart.
experiment() {
    click $((SW - 252)) $((SH / 2 + 16))  # ПУСК
    sleep 1.2
    click $((SW - 252)) $((SH / 2 + 44))  # НАПРЯЖЕНИЕ
    sleep 1.6
    click $((SW - 252)) $((SH / 2 + 72))  # СВЕТ
}
velocityView() { click $((SW - 100)) $((SH / 2 + 72)); }  # Проекция Vx

start ru_RU.UTF-8 960 600
experiment
sleep 2.8
velocityView
sleep 0.5
import -window "$window" docs/screenshot.png
echo "saved docs/screenshot.png"
sleep 6 # the run and its verdict are over
velocityView
sleep 0.5
at 120 95 # on the curve, where the limiting velocity V2max holds
sleep 0.5
import -window "$window" docs/readout.png
echo "saved docs/readout.png"
stop

for size in "480 512" "800 600"; do
    set -- $size
    start en_US.UTF-8 "$1" "$2"
    experiment
    sleep 0.6
    import -window "$window" "docs/screenshots/english-$1x$2.png"
    echo "saved docs/screenshots/english-$1x$2.png"
    stop
done

start ru_RU.UTF-8 480 512
xdotool mousemove $((X + 75)) $((Y + 10)) click 1 # Помощь
sleep 0.5
xdotool key Down Down Down Down Return              # Авторы
sleep 1
authors=""
for id in $(xdotool search --name .); do # xdotool's patterns do not take Cyrillic
    [ "$(xdotool getwindowname "$id")" = "Авторы" ] && authors=$id
done
[ -n "$authors" ] || { echo "the Authors window did not open" >&2; exit 1; }
import -window "$authors" docs/screenshots/authors.png
echo "saved docs/screenshots/authors.png"
stop

# The laboratory: a drop held and timed, by the keys; −5085 V × 1.1^17 ≈ −25.8 kV.
start ru_RU.UTF-8 800 600
click 200 200
xdotool key ctrl+l
sleep 1
# Who measures, asked as the laboratory opens: answered with nothing.
for id in $(xdotool search --name .); do
    [ "$(xdotool getwindowname "$id")" = "Кто измерял" ] && xdotool windowfocus "$id" key Escape
done
sleep 0.5
xdotool windowfocus "$window"
xdotool key --delay 60 --repeat 17 shift+Prior
xdotool key F5
sleep 1
xdotool key F8
sleep 1.5
xdotool key F9 F6
sleep 2
import -window root -crop "$((WIDTH + 360))x$((HEIGHT + 40))+$X+$Y" +repage docs/screenshots/laboratory-stopwatch.png
echo "saved docs/screenshots/laboratory-stopwatch.png"
stop

QT_QPA_PLATFORM=offscreen "$build/tests/gui/lab_session" docs/screenshots
pdftoppm -f 1 -l 1 -r 80 -png -singlefile docs/screenshots/lab-report.pdf docs/screenshots/report-page1
rm docs/screenshots/lab-report.pdf
echo "saved docs/screenshots/laboratory-hold.png, laboratory-journal.png, laboratory-measurements.png,"
echo "      report-page1.png, class-journals.png, microscope-spray.png, microscope-caught.png,"
echo "      microscope-blurred.png, microscope-out-of-focus.png"
