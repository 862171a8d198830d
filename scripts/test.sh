#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is needed (Debian 12), builds everything and runs every test
# headless:
#   1. the test suite (window tests on Qt's offscreen platform);
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the Debian package, its checks (lintian, reuse lint), and a smoke run of
#      the installed program under Xvfb;
#   4. the Windows build (cross-built with the first build's tools) and its
#      tests, smoke run and installer under Wine;
#   5. the web edition (WebAssembly) and its smoke test in headless Chromium.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs=$(nproc)

# Everything runs where the users are: on a Russian desktop, whose C library
# writes numbers with a decimal comma. A missing locale would leave the C one
# silently, so it is checked first.
locale -a | grep -qx ru_RU.utf8 || { echo "FAIL: the locale ru_RU.UTF-8 is missing"; exit 1; }
export LANG=ru_RU.UTF-8
unset LC_ALL LANGUAGE

echo "== formatting"
./scripts/check-format.sh

# Line tables are all the debug information the tests' reports need (and the
# package is stripped): -g1 compiles and links a third faster than full -g.
echo "== build and test suite"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOILDROP_WERROR=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

echo "== sanitizer build (ASan + UBSan) and test suite"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOILDROP_WERROR=ON -DOILDROP_SANITIZE=ON \
    -DOILDROP_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS_DEBUG="-g1"
cmake --build build-asan
lsan_suppressions=$PWD/tests/sanitizers/lsan.supp
(cd build-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    LSAN_OPTIONS="suppressions=$lsan_suppressions" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j "$jobs")

echo "== package and smoke run of the installed program"
(cd build && cpack >/dev/null && ls oildrop_*.deb)
./scripts/check-package.sh build
./scripts/smoke.sh build

echo "== Windows: cross-build, tests under Wine"
./scripts/build-windows.sh --tests
./scripts/test-windows.sh

echo "== the web edition: build, smoke test in headless Chromium"
./scripts/build-web.sh
/usr/bin/python3 tests/web/smoke.py build-web/site
echo "== all tests passed"
