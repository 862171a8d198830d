#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs every Debian 12 package needed to build, test, package and run oildrop.
# Uses sudo when not run as root. Safe to run again: apt-get skips what is present.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6
  qt6-qpa-plugins qt6-translations-l10n libgl-dev
  fonts-liberation fonts-dejavu-core
  libgtest-dev libbenchmark-dev
  clang clang-format libclang-rt-14-dev valgrind
  xvfb xauth x11-utils xdotool xclip imagemagick dbus-daemon at-spi2-core
  poppler-utils appstream desktop-file-utils dpkg-dev file
  xdg-utils pulseaudio pulseaudio-utils
  lintian reuse qt6-l10n-tools qt6-tools-dev
  locales
"

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  # shellcheck disable=SC2086
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
fi

# The locales the tests run under: Russian (the users' own, with a decimal
# comma), English, and German (another comma locale). Debian generates none
# of them by itself.
locale -a | grep -qx ru_RU.utf8 || $SUDO localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
locale -a | grep -qx en_US.utf8 || $SUDO localedef -i en_US -f UTF-8 en_US.UTF-8
locale -a | grep -qx de_DE.utf8 || $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
