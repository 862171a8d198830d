#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the main window in the middle of an experiment (velocity plot shown)
# under Xvfb and saves it as docs/screenshot.png, the picture in the README.
# Usage: scripts/screenshot.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
out=docs/screenshot.png
display=:$((80 + $$ % 9))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$app" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.5; done

# A Russian desktop: decimal commas in the read-outs.
LC_ALL=ru_RU.UTF-8 LANG=ru_RU.UTF-8 QT_QPA_PLATFORM=xcb "$build/bin/oildrop" >/dev/null 2>&1 &
app=$!
window=$(timeout 20 xdotool search --sync --class oildrop | head -n 1)
sleep 1

# Client area 960 × 600 below a menu bar as tall as the window's extra height.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 512))
SW=960
SH=600
xdotool windowsize "$window" "$SW" $((SH + menu))
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
click() { xdotool mousemove $((X + $1)) $((Y + menu + $2)) click 1; }

click $((SW - 252)) $((SH / 2 + 16))  # ПУСК
sleep 1.2
click $((SW - 252)) $((SH / 2 + 44))  # НАПРЯЖЕНИЕ
sleep 1.6
click $((SW - 252)) $((SH / 2 + 72))  # СВЕТ
sleep 2.8
click $((SW - 100)) $((SH / 2 + 72))  # Проекция Vx
sleep 0.5
import -window "$window" "$out"
echo "saved $out"
