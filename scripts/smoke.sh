#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Smoke run of the installed program under Xvfb, on a Russian desktop
# (ru_RU.UTF-8, whose C library writes a decimal comma):
#   - installs the build into a temporary prefix;
#   - starts the program from an empty folder; its window must appear and not be blank;
#   - the input D= must show the plate gap as " 0.0160" (selected, read off the X selection);
#   - "Справка1" must hand the installed spravka.pdf to the desktop's opener;
#   - a click on "Характеристики" plays a tone: the installed sound module loads;
#   - Ctrl+L and Ctrl+J open the stopwatch and the journal;
#   - "Выход" answered Yes must end the program with status 0.
# Usage: scripts/smoke.sh [build-dir]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT
app=""

cmake --install "$build" --prefix "$work/prefix" >/dev/null

# The desktop's opener, replaced by one that notes what it was asked to open.
mkdir -p "$work/shim" "$work/empty"
cat > "$work/shim/xdg-open" <<SHIM
#!/bin/sh
echo "\$@" >> "$work/opened.txt"
SHIM
chmod +x "$work/shim/xdg-open"

display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
for _ in 1 2 3 4 5 6 7 8 9 10; do xdpyinfo >/dev/null 2>&1 && break; sleep 0.5; done

# A home of its own: the journal saves itself there.
mkdir -p "$work/home"
locale -a | grep -qx ru_RU.utf8 || { echo "FAIL: the locale ru_RU.UTF-8 is missing (scripts/install-deps.sh makes it)"; exit 1; }
(cd "$work/empty" && HOME="$work/home" PATH="$work/shim:$PATH" LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 \
    QT_QPA_PLATFORM=xcb exec "$work/prefix/bin/oildrop") \
    >"$work/program.log" 2>&1 &
app=$!

window=$(timeout 20 xdotool search --sync --class oildrop | head -n 1)
sleep 1
import -window "$window" "$work/window.png"
colours=$(convert "$work/window.png" -format %k info:)
echo "window $window shows $colours colours"
[ "$colours" -gt 50 ] || { echo "FAIL: the window looks blank"; exit 1; }

eval "$(xdotool getwindowgeometry --shell "$window")"
menu() { xdotool mousemove $((X + 20)) $((Y + 10)) click 1; sleep 0.5; }
client_top=$((HEIGHT - 512))

# The input D= (the parameter column's first row), its text selected: the X
# selection holds what the input shows.
xdotool mousemove $((X + 237)) $((Y + client_top + 43)) click 1 key ctrl+a
sleep 0.5
shown=$(xclip -o)
echo "D= shows \"$shown\""
[ "$shown" = " 0.0160" ] || { echo "FAIL: D= should show \" 0.0160\""; exit 1; }

# Файл → Справка1 (the first item).
menu
xdotool key Down Return
for _ in 1 2 3 4 5 6 7 8 9 10; do [ -s "$work/opened.txt" ] && break; sleep 0.5; done
echo "opened: $(cat "$work/opened.txt" 2>/dev/null)"
grep -q "$work/prefix/share/oildrop/spravka.pdf" "$work/opened.txt" \
    || { echo "FAIL: Справка1 did not open the installed document"; cat "$work/program.log"; exit 1; }

# The heading "Характеристики" (right column, top): its tone loads the sound module.
xdotool mousemove $((X + 480 - 82)) $((Y + client_top + 16)) click 1
sleep 4
if grep -q "liboildrop-sound.so" "$work/program.log"; then
    echo "FAIL: the installed sound module did not load"; cat "$work/program.log"; exit 1
fi
echo "sound module: $(grep -c 'no sound' "$work/program.log" || true) warning(s) (no audio device here)"

# The laboratory: the stopwatch, then the journal with its plots.
xdotool mousemove $((X + 100)) $((Y + client_top + 100)) click 1
xdotool key ctrl+l
timeout 10 xdotool search --sync --name "Секундомер" >/dev/null || { echo "FAIL: no stopwatch"; exit 1; }
# The laboratory asks who measures as it opens: answered with nothing (Escape).
who=$(timeout 10 xdotool search --sync --name "Кто измерял" | head -n 1) || { echo "FAIL: who measures not asked"; exit 1; }
xdotool windowfocus "$who" key Escape
sleep 0.5
xdotool windowfocus "$window"
xdotool key ctrl+j
journal=$(timeout 10 xdotool search --sync --name "Лабораторный журнал" | head -n 1) || { echo "FAIL: no journal"; exit 1; }
sleep 1
echo "laboratory: stopwatch and journal open"
# Closed again (there is no window manager to move the focus).
xdotool windowfocus "$journal" key ctrl+w
sleep 0.5
xdotool windowfocus "$window"

# Файл → Выход (the last item), then Yes, the default button.
menu
xdotool key Up Return
sleep 1
xdotool key Return
status=0
timeout 10 sh -c "while kill -0 $app 2>/dev/null; do sleep 0.2; done" || { echo "FAIL: still running"; exit 1; }
wait "$app" || status=$?
app=""
echo "exit status $status"
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$work/program.log"; exit 1; }
echo "smoke test passed"
