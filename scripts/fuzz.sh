#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzzers with clang (libFuzzer, ASan, UBSan) and runs each for the
# given number of seconds (default 60): the input handlers, then the journal's
# reader and pooling (the round trip). Prints libFuzzer's summaries.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
./scripts/install-deps.sh
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DOILDROP_FUZZ=ON -DBUILD_TESTING=OFF \
    -DOILDROP_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_inputs fuzz_journal
mkdir -p build-fuzz/corpus
cp -n tests/fuzz/seeds/* build-fuzz/corpus/ 2>/dev/null || true
QT_QPA_PLATFORM=offscreen ./build-fuzz/tests/fuzz/fuzz_inputs -max_total_time="$seconds" \
    -max_len=512 -print_final_stats=1 build-fuzz/corpus
mkdir -p build-fuzz/journals
cp -n tests/fuzz/journals/* build-fuzz/journals/ 2>/dev/null || true
./build-fuzz/tests/fuzz/fuzz_journal -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -dict=tests/fuzz/journal.dict build-fuzz/journals
