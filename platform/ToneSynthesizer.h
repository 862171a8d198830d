// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

/// Synthesises tones as 16-bit mono PCM.
class ToneSynthesizer {
public:
    /// Peak amplitude as a fraction of full scale: clearly audible, never clipping.
    static constexpr double Amplitude = 0.3;
    /// Length of the raised-cosine fade at each end, ms: long enough that a tone
    /// starts and stops without a click, short enough not to blur short notes.
    static constexpr double FadeMilliseconds = 4;

    /// A sine tone of `hertz` lasting exactly round(milliseconds × sampleRate / 1000)
    /// samples, starting at phase 0 and faded in and out (each fade at most a
    /// quarter of the tone). A frequency of 0 or less gives silence.
    static std::vector<std::int16_t> render(int hertz, int milliseconds, int sampleRate);
};
