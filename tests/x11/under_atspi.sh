#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a test program as a screen reader's user would run the program: on
# Qt's X11 platform under a private Xvfb server, in a D-Bus session of its
# own with the AT-SPI accessibility bus running, and the program's
# accessibility switched on as a screen reader switches it on. Skips (77)
# when one of them is missing.
#   under_atspi.sh PROGRAM [ARGUMENTS...]
set -eu
launcher=/usr/libexec/at-spi-bus-launcher
command -v dbus-run-session >/dev/null && [ -x "$launcher" ] || { echo "no D-Bus or AT-SPI: skipped"; exit 77; }
here=$(dirname "$0")
# The bus lives as long as the session; the launcher goes with it.
exec dbus-run-session -- sh -c '
    "$1" >/dev/null 2>&1 &
    shift
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec sh "$0" "$@"
' "$here/under_xvfb.sh" "$launcher" "$@"
