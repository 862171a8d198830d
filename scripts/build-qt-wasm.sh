#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Qt 6.4.2 (qtbase: Core, Gui, Widgets, PrintSupport, OpenGL, Test, Xml and the
# static wasm platform plugin; single-threaded, Release) for WebAssembly, built
# with Debian 12's Emscripten from Debian's own qt6-base source package, and
# installed in /opt/qt6-wasm. Run in an empty folder, as root or with sudo, on
# Debian 12 with deb-src lines for apt-get source; about 25 minutes on 2 cores.
set -eu
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    emscripten qt6-base-dev qt6-base-dev-tools cmake ninja-build dpkg-dev xz-utils
apt-get source -qq --download-only qt6-base=6.4.2+dfsg-10
tar xf qt6-base_6.4.2+dfsg.orig.tar.xz
cmake -G Ninja -S qtbase-everywhere-src-6.4.2 -B build \
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX=/opt/qt6-wasm -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF \
    -DFEATURE_network=OFF -DFEATURE_concurrent=OFF -DFEATURE_thread=OFF -DFEATURE_testlib=ON
cmake --build build --parallel "$(nproc)"
$SUDO cmake --install build
