#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the input-handler fuzzer with clang (libFuzzer, ASan, UBSan) and runs
# it for the given number of seconds (default 60). Prints libFuzzer's summary.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
./scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DOILDROP_FUZZ=ON -DBUILD_TESTING=OFF \
    -DOILDROP_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_inputs
mkdir -p build-fuzz/corpus
cp -n tests/fuzz/seeds/* build-fuzz/corpus/ 2>/dev/null || true
QT_QPA_PLATFORM=offscreen ./build-fuzz/tests/fuzz/fuzz_inputs -max_total_time="$seconds" \
    -max_len=512 -print_final_stats=1 build-fuzz/corpus
