#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program for the web (WebAssembly) as a static site, on Debian 12:
#   build-web/site/               the page (index.html), oildrop.js, oildrop.wasm,
#                                 qtloader.js, help/, licences/
#   build-web/oildrop-<version>-web.zip
# Qt 6.4.2 for WebAssembly comes from ../shared/web/ when its checksum
# matches, else it is built from Debian's source (scripts/build-qt-wasm.sh,
# about 25 minutes on 2 cores). Serve the site over HTTP, for instance
#   python3 -m http.server 8000 --directory build-web/site
# (browsers do not load WebAssembly from file://).
set -eu
cd "$(dirname "$0")/.."
root=$PWD
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
# shellcheck source=scripts/cross-build-tools.sh
. "$root/scripts/cross-build-tools.sh"

qt_version=6.4.2
qt_prefix=/opt/qt6-wasm
qt_archive=${OILDROP_QT_WASM_ARCHIVE:-$root/../shared/web/qt6-wasm-$qt_version.tar.xz}
qt_sha256=0f3306906b2e3cca4ab16d4a8f6f08351c9227be27b802690339e4085be794b4

echo "== Debian packages for the web build"
packages="emscripten chromium python3-websocket zip qt6-base-dev-tools qt6-l10n-tools fonts-liberation2"
install_packages "$packages"

echo "== Qt $qt_version for WebAssembly"
install_qt "$qt_prefix" "$qt_archive" "$qt_sha256" build-qt-wasm.sh build-qt-wasm

# Qt's CMake checks Emscripten's version in an emsdk folder, which Debian's
# package does not have: a stand-in is enough. Emscripten's JavaScript tools
# need Debian's Node modules (acorn).
shim=$root/build-web-emsdk
mkdir -p "$shim/upstream/emscripten"
ln -sf /usr/bin/emcc "$shim/upstream/emscripten/emcc"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$shim/.emscripten"
export EMSDK="$shim" NODE_PATH=/usr/share/nodejs

echo "== the native build's tools"
build_native_tools

echo "== the web build"
"$qt_prefix/bin/qt-cmake" -G Ninja -S . -B build-web \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DOILDROP_WERROR=ON -DOILDROP_BENCHMARKS=OFF -DBUILD_TESTING=OFF \
    -DOILDROP_HOST_BUILD_DIR="$root/build" >/dev/null
cmake --build build-web

echo "== the site"
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
site=build-web/site
cp scripts/build-qt-wasm.sh "$site/licences/"
# The program's source beside it: what a user needs to relink with another Qt.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git archive --format=tar.gz --prefix="oildrop-$version/" -o "$site/licences/oildrop-$version-source.tar.gz" HEAD
fi
zip_file=build-web/oildrop-$version-web.zip
rm -f "$zip_file"
(cd build-web && rm -rf "oildrop-$version-web" && cp -r site "oildrop-$version-web" \
    && zip -qr9 "oildrop-$version-web.zip" "oildrop-$version-web" && rm -rf "oildrop-$version-web")
wasm_bytes=$(stat -c %s "$site/oildrop.wasm")
transfer=0
for f in "$site"/index.html "$site"/qtloader.js "$site"/oildrop.js "$site"/oildrop.wasm; do
    transfer=$((transfer + $(gzip -9 -c "$f" | wc -c)))
done
echo "oildrop.wasm: $((wasm_bytes / 1024)) KiB; the page's transfer, gzip: $((transfer / 1024)) KiB"
ls -l "$zip_file"
