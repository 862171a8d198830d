// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WebToneOutput.h"

#include "ToneSynthesizer.h"

#include <emscripten.h>

#include <vector>

namespace {

// The functions below are written in JavaScript.
// clang-format off

// The page's audio context (made by the page at the user's first action, as
// browsers require), its sample rate in Hz; 0 when there is none yet.
EM_JS(int, oildrop_audio_rate, (), {
    const context = globalThis.oildropAudio && globalThis.oildropAudio();
    return context ? context.sampleRate : 0;
});

// Queues `count` 16-bit samples at `samples` after what is already queued;
// a small lead when nothing is, so the first samples are not cut.
EM_JS(int, oildrop_audio_queue, (const short* samples, int count), {
    const context = globalThis.oildropAudio && globalThis.oildropAudio();
    if (!context)
        return 0;
    const buffer = context.createBuffer(1, count, context.sampleRate);
    const channel = buffer.getChannelData(0);
    const source = HEAP16.subarray(samples >> 1, (samples >> 1) + count);
    for (let i = 0; i < count; ++i)
        channel[i] = source[i] / 32768;
    const node = context.createBufferSource();
    node.buffer = buffer;
    node.connect(context.destination);
    const lead = 0.03;
    const start = Math.max(context.currentTime + lead, globalThis.oildropAudioEnd || 0);
    node.start(start);
    globalThis.oildropAudioEnd = start + count / context.sampleRate;
    return 1;
});

// clang-format on

} // namespace

bool WebToneOutput::play(int hertz, int milliseconds)
{
    const int rate = oildrop_audio_rate();
    if (rate <= 0) {
        // Silence until the page may play sound: not a fault of the device.
        return true;
    }
    const std::vector<std::int16_t> samples = ToneSynthesizer::render(hertz, milliseconds, rate);
    if (samples.empty())
        return true;
    if (!oildrop_audio_queue(samples.data(), static_cast<int>(samples.size()))) {
        m_problem = QStringLiteral("the page has no audio context");
        return false;
    }
    return true;
}
