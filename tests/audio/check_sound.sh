#!/bin/sh

# SPDX-FileCopyrightText: 2026 The oildrop developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Real sound: a private PulseAudio server with a null sink; the tone generator
# plays three tones into it while its monitor is recorded; the recording must
# hold the tones, in order and without gaps. Skips (77) without PulseAudio.
# OILDROP_EMULATOR runs the probe: Wine, for the Windows build's, whose tones
# go through waveOut to PulseAudio.
set -eu
probe=$1
emulator=${OILDROP_EMULATOR:-}
command -v pulseaudio >/dev/null && command -v parec >/dev/null || { echo "no PulseAudio: skipped"; exit 77; }
work=$(mktemp -d)
export XDG_RUNTIME_DIR="$work/runtime" PULSE_RUNTIME_PATH="$work/runtime/pulse" HOME="$work"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The server leaves after --kill in its own time and may still write to its
# runtime folder: wait for it, and never let the clean-up decide the result.
cleanup() {
    pulseaudio --kill 2>/dev/null || true
    for _ in 1 2 3 4 5 6 7 8 9 10; do pulseaudio --check 2>/dev/null || break; sleep 0.2; done
    rm -rf "$work" 2>/dev/null || { sleep 0.5; rm -rf "$work" 2>/dev/null; } || true
}
trap cleanup EXIT
pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
    --load="module-null-sink sink_name=probe" --load="module-native-protocol-unix" 2>/dev/null \
    || { echo "PulseAudio would not start: skipped"; exit 77; }
for _ in 1 2 3 4 5 6 7 8 9 10; do pactl info >/dev/null 2>&1 && break; sleep 0.3; done
pactl set-default-sink probe
record() {
    parec -d probe.monitor --format=s16le --channels=1 --rate=44100 --latency-msec=10 >"$work/recording.raw" &
    recorder=$!
    sleep 3 # a fresh null sink and its monitor settle in the first seconds
    QT_QPA_PLATFORM=offscreen $emulator "$probe" play
    sleep 1
    kill -INT "$recorder"
    wait "$recorder" 2>/dev/null || true
    $emulator "$probe" check "$work/recording.raw"
}
# Wine mixes the sound in a thread of its own, which a machine busy with
# builds can starve for a moment: a second take before a gap counts. A gap
# of the program's own (a tone queued late) is in every take.
if [ -n "$emulator" ]; then
    record || { echo "second take"; record; }
else
    record
fi
