// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SeededRandom.h"

#include <cmath>
#include <numbers>

std::uint64_t SeededRandom::derive(std::uint64_t seed, std::uint64_t stream)
{
    SeededRandom mix(seed ^ (stream * 0xD1B54A32D192ED03ULL));
    mix.nextBits();
    return mix.nextBits();
}

std::uint64_t SeededRandom::nextBits()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double SeededRandom::uniform()
{
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

double SeededRandom::normal()
{
    if (m_hasSpare) {
        m_hasSpare = false;
        return m_spare;
    }
    // 1 − u lies in (0, 1]: its logarithm is finite.
    const double radius = std::sqrt(-2 * std::log(1 - uniform()));
    const double angle = 2 * std::numbers::pi * uniform();
    m_spare = radius * std::sin(angle);
    m_hasSpare = true;
    return radius * std::cos(angle);
}
