// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <cstdint>

/// A small, fast uniform generator (SplitMix64). Reseeding mixes the seed into
/// the current state rather than restarting, so two reseeds with the same
/// time of day still give different numbers.
class SplitMixRandom : public RandomSource {
public:
    void reseed(double seconds) override;
    float next() override;

private:
    std::uint64_t step();

    std::uint64_t m_state = 0x9E3779B97F4A7C15ULL;
};
