#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the program for 64-bit Windows on Debian 12 and packs it:
#   build-windows/portable/              oildrop.exe with every DLL, plugin,
#                                        translation and help document beside it
#   build-windows/oildrop-<version>-windows.zip   that folder, zipped
#   build-windows/oildrop-<version>-setup.exe     the installer (NSIS)
# Steps: the Debian packages (MinGW-w64, Wine, NSIS); Qt for Windows -- the
# archive ../shared/windows/qt6-mingw-6.4.2-x86_64.tar.xz (or the file named
# by OILDROP_QT_MINGW_ARCHIVE) when its checksum matches, else built from
# Debian's source package (scripts/build-qt-mingw.sh, about 17 minutes); the
# native build's tools in build/ (the help documents' converter, the icon
# exporter: built there if missing); the cross-build; the folder, zip and
# installer. Usage: scripts/build-windows.sh [--tests] (--tests also builds
# the Windows test programs, which scripts/test-windows.sh runs under Wine).
set -eu
cd "$(dirname "$0")/.."
root=$PWD
if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
# shellcheck source=scripts/cross-build-tools.sh
. "$root/scripts/cross-build-tools.sh"
testing=OFF
[ "${1:-}" = "--tests" ] && testing=ON

qt_version=6.4.2
qt_prefix=/opt/qt6-mingw
qt_archive=${OILDROP_QT_MINGW_ARCHIVE:-$root/../shared/windows/qt6-mingw-$qt_version-x86_64.tar.xz}
# The archive this script was written against: Debian's qt6-base 6.4.2+dfsg-10,
# built by scripts/build-qt-mingw.sh.
qt_sha256=ed59b4c86ffea8de6bc8677438e426d802927544adfca64fc2a3712f3a738d80
mingw_gcc=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
mingw_lib=/usr/x86_64-w64-mingw32/lib

echo "== Debian packages for the Windows build"
packages="g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 nsis zip xvfb xauth x11-utils xdotool imagemagick qt6-translations-l10n pulseaudio-utils"
install_packages "$packages"

echo "== Qt $qt_version for Windows"
install_qt "$qt_prefix" "$qt_archive" "$qt_sha256" build-qt-mingw.sh build-qt

echo "== the native build's tools"
build_native_tools

echo "== cross-build"
# Release without debug information, and a unity build (each library's
# sources compiled together, Qt's headers parsed once per library): the
# quickest to compile and link, about half the work of one file at a time.
"$qt_prefix/bin/qt-cmake" -G Ninja -S . -B build-windows \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_UNITY_BUILD=ON -DOILDROP_WERROR=ON -DOILDROP_BENCHMARKS=OFF -DBUILD_TESTING=$testing \
    -DOILDROP_HOST_BUILD_DIR="$root/build" -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build build-windows

echo "== the portable folder"
version=$(sed -n 's/^ *VERSION \([0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
portable=build-windows/portable
rm -rf "$portable"
mkdir -p "$portable/platforms" "$portable/styles" "$portable/translations" "$portable/licences"
bin=build-windows/bin
cp "$bin/oildrop.exe" "$bin/liboildrop-sound.dll" "$bin"/*.pdf "$bin"/*.txt "$portable/"
cp "$qt_prefix/plugins/platforms/qwindows.dll" "$portable/platforms/"
cp "$qt_prefix/plugins/styles/qwindowsvistastyle.dll" "$portable/styles/"
# The toolkit's own texts (standard buttons, dialogs) in Russian; the
# program's English is built into it.
cp /usr/share/qt6/translations/qtbase_ru.qm "$portable/translations/"
# Qt looks for its plugins and translations from the program's folder.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$portable/qt.conf"
# Every DLL that the program, its modules and the plugins import, from Qt's
# folder or MinGW's runtime (what Windows itself has is not among them).
# (objdump's words in English whatever the locale: a Russian one translates them.)
dlls_of() { LC_ALL=C x86_64-w64-mingw32-objdump -p "$@" | sed -n 's/^\tDLL Name: //p' | sort -u; }
new=$(find "$portable" -name '*.exe' -o -name '*.dll')
while [ -n "$new" ]; do
    found=""
    # shellcheck disable=SC2086
    for dll in $(dlls_of $new); do
        [ -e "$portable/$dll" ] && continue
        for dir in "$qt_prefix/bin" "$mingw_gcc" "$mingw_lib"; do
            if [ -f "$dir/$dll" ]; then
                cp "$dir/$dll" "$portable/"
                found="$found $portable/$dll"
                break
            fi
        done
    done
    new=$found
done
# Licences: the program's (GPL-3.0-or-later), Qt's (LGPL-3.0) with where its
# source is, and the runtime's.
cp LICENSES/GPL-3.0-or-later.txt "$portable/licences/oildrop GPL-3.0-or-later.txt"
cp /usr/share/common-licenses/LGPL-3 "$portable/licences/Qt LGPL-3.0.txt"
cp /usr/share/common-licenses/GPL-3 "$portable/licences/Qt GPL-3.0.txt"
sed "s/@VERSION@/$version/g" packaging/windows/licences.txt | sed 's/$/\r/' >"$portable/licences/README.txt"
# Without symbols (Debian's MinGW runtime keeps them: libstdc++ is 23 MB with them, 2 without).
find "$portable" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
echo "$(find "$portable" -type f | wc -l) files, $(du -sh "$portable" | cut -f1)"

echo "== zip and installer"
zip_file=build-windows/oildrop-$version-windows.zip
rm -f "$zip_file"
(cd build-windows && cp -r portable "oildrop-$version" && zip -qr9 "oildrop-$version-windows.zip" "oildrop-$version" \
    && rm -rf "oildrop-$version")
makensis -V2 -DVERSION="$version" -DPORTABLE="$root/$portable" -DOUTFILE="$root/build-windows/oildrop-$version-setup.exe" \
    packaging/windows/oildrop.nsi
chmod +x "build-windows/oildrop-$version-setup.exe"
ls -l "$zip_file" "build-windows/oildrop-$version-setup.exe"
