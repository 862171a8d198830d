// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SplitMixRandom.h"

#include <bit>

void SplitMixRandom::reseed(double seconds)
{
    m_generator.mix(std::bit_cast<std::uint64_t>(seconds));
}

float SplitMixRandom::next()
{
    return m_generator.uniformSingle();
}
