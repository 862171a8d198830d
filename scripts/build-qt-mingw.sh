#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds Qt 6.4.2 for 64-bit Windows with Debian 12's MinGW-w64 cross compiler
# (GCC 12, posix threads) from Debian's own qt6-base source package, installs
# it in /opt/qt6-mingw and packs it as qt6-mingw-6.4.2-x86_64.tar.xz in the
# current folder. What scripts/build-windows.sh does when no archive of that
# build is at hand: about 17 minutes of 2 cores.
#
# Modules: Core, Gui, Widgets, PrintSupport, Test, Xml; the platform plugins
# windows, offscreen, minimal and direct2d, the windowsvista style, and the
# gif, ico and jpeg image formats (PNG is built in). Left out: OpenGL, tablet
# events (Debian's source lacks the non-free wintab.h), D-Bus, SQL, network.
# Needs deb-src lines for Debian's main archive (added here when missing).
# Uses sudo when not run as root.
set -eu
out=$(pwd)
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
work=${OILDROP_QT_BUILD_DIR:-/opt/qt-build}

if ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    # With the key the archive's own entry names: apt refuses one archive
    # signed by two different keys (or by a key and by none).
    key=$(grep -hs '^Signed-By:' /etc/apt/sources.list.d/debian.sources | head -n 1 | cut -d' ' -f2)
    echo "deb-src ${key:+[signed-by=$key] }http://deb.debian.org/debian bookworm main" \
        | $SUDO tee /etc/apt/sources.list.d/oildrop-deb-src.list >/dev/null
    $SUDO apt-get update -qq
fi
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils

$SUDO mkdir -p "$work" /opt/qt6-mingw
$SUDO chown "$(id -u):$(id -g)" "$work" /opt/qt6-mingw
cd "$work"
apt-get source -qq --download-only qt6-base=6.4.2+dfsg-10
tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
cp "$here/../packaging/windows/mingw-w64-x86_64.cmake" toolchain.cmake
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
    -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX=/opt/qt6-mingw -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DFEATURE_tabletevent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
    -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_testlib=ON -DFEATURE_printsupport=ON
cmake --build build --parallel "$(nproc)"
cmake --install build
find /opt/qt6-mingw -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} \;
tar -C / -cJf "$out/qt6-mingw-6.4.2-x86_64.tar.xz" opt/qt6-mingw
sha256sum "$out/qt6-mingw-6.4.2-x86_64.tar.xz"
