// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SplitMixRandom.h"

#include <bit>

void SplitMixRandom::reseed(double seconds)
{
    m_state ^= std::bit_cast<std::uint64_t>(seconds);
    step();
}

std::uint64_t SplitMixRandom::step()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float SplitMixRandom::next()
{
    // The top 24 bits give every single-precision value k / 2^24 in [0, 1).
    return static_cast<float>(step() >> 40) * 0x1.0p-24f;
}
