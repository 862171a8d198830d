// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

/// A reproducible generator for the laboratory's random drops and Brownian
/// kicks (SplitMix64): the same seed gives the same numbers on every machine.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed = 0) : m_state(seed) {}

    /// The seed of stream `stream` of `seed`: each drop gets a stream of its
    /// own, so that its numbers do not depend on what happened before.
    static std::uint64_t derive(std::uint64_t seed, std::uint64_t stream);

    std::uint64_t nextBits();
    /// Uniform in [0, 1), 53 bits.
    double uniform();
    /// Standard normal (Box–Muller, both values used in turn).
    double normal();

private:
    std::uint64_t m_state;
    double m_spare = 0;
    bool m_hasSpare = false;
};
