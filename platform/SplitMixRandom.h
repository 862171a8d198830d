// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SeededRandom.h"

/// A small, fast uniform generator (SplitMix64). Reseeding mixes the seed into
/// the current state rather than restarting, so two reseeds with the same
/// time of day still give different numbers.
class SplitMixRandom : public RandomSource {
public:
    void reseed(double seconds) override;
    float next() override;

private:
    SeededRandom m_generator{0x9E3779B97F4A7C15ULL};
};
