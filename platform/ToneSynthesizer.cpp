// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ToneSynthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<std::int16_t> ToneSynthesizer::render(int hertz, int milliseconds, int sampleRate)
{
    if (milliseconds <= 0 || sampleRate <= 0)
        return {};
    const auto count = static_cast<std::size_t>(std::llround(static_cast<double>(milliseconds) * sampleRate / 1000.0));
    std::vector<std::int16_t> samples(count, 0);
    if (hertz <= 0)
        return samples;

    const double fade = std::min(FadeMilliseconds * sampleRate / 1000.0, count / 4.0);
    const double step = 2 * std::numbers::pi * hertz / sampleRate;
    for (std::size_t i = 0; i < count; ++i) {
        double envelope = 1;
        const double fromStart = static_cast<double>(i);
        const double toEnd = static_cast<double>(count - 1 - i);
        const double edge = std::min(fromStart, toEnd);
        if (edge < fade)
            envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade);
        const double value = Amplitude * envelope * std::sin(step * fromStart) * 32767.0;
        samples[i] = static_cast<std::int16_t>(std::lround(value));
    }
    return samples;
}
