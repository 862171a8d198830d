# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shared by the cross-builds (scripts/build-windows.sh, scripts/build-web.sh);
# sourced, with $SUDO and $root set.

# install_packages "<Debian packages>": those not yet installed.
install_packages() {
    missing=""
    for p in $1; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        echo "Installing:$missing"
        $SUDO apt-get update -qq
        # shellcheck disable=SC2086
        $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
    fi
}

# install_qt <prefix> <archive> <sha256> <recipe> <build folder>: a Qt in
# <prefix>, unpacked from <archive> when its SHA-256 is <sha256>, else built
# by scripts/<recipe> in <build folder>; a stamp in <prefix> says which.
install_qt() {
    stamp=$1/.oildrop-qt-source
    if [ -x "$1/bin/qt-cmake" ] && [ -f "$stamp" ]; then
        echo "in $1 ($(cat "$stamp"))"
    elif [ -f "$2" ]; then
        sum=$(sha256sum "$2" | cut -d' ' -f1)
        if [ "$sum" != "$3" ]; then
            echo "FAIL: $2 has the checksum $sum, not $3" >&2
            exit 1
        fi
        $SUDO tar -C / -xJf "$2"
        echo "archive $sum" | $SUDO tee "$stamp" >/dev/null
        echo "unpacked from $2"
    else
        echo "no archive at $2: building Qt from Debian's source package"
        (mkdir -p "$5" && cd "$5" && "$root/scripts/$4")
        echo "built from source by scripts/$4" | $SUDO tee "$stamp" >/dev/null
    fi
}

# build_native_tools: the build tools a cross-build runs (the PDF converter,
# the icon exporter), from the native build in build/ (configured if need be).
build_native_tools() {
    if [ ! -f build/CMakeCache.txt ]; then
        cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOILDROP_WERROR=ON \
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
    fi
    cmake --build build --target oildrop-mkpdf oildrop-icons
}
