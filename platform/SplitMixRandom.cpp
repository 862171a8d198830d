// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SplitMixRandom.h"

#include <cstdint>
#include <cstring>

void SplitMixRandom::reseed(double seconds)
{
    // The double's bits (std::bit_cast, which the web's C++ library lacks).
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof seconds);
    std::memcpy(&bits, &seconds, sizeof bits);
    m_generator.mix(bits);
}

float SplitMixRandom::next()
{
    return m_generator.uniformSingle();
}
