#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program on the real X11 platform of Qt, under a private Xvfb
# server, so that it can check what the window system itself shows (titles,
# icons, window types). Skips (77) when Xvfb or xprop is missing. The screen
# is 1280 × 1024 unless OILDROP_XVFB_SCREEN gives another (1024x600x24).
#   under_xvfb.sh PROGRAM [ARGUMENTS...]
set -eu
command -v Xvfb >/dev/null && command -v xprop >/dev/null || { echo "no Xvfb/xprop: skipped"; exit 77; }
display=:$((200 + $$ % 500))
Xvfb "$display" -screen 0 "${OILDROP_XVFB_SCREEN:-1280x1024x24}" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    DISPLAY="$display" xprop -root >/dev/null 2>&1 && break
    sleep 0.25
done
status=0
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@" || status=$?
exit "$status"
