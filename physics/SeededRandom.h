// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

/// A small, fast and reproducible generator (SplitMix64): the same seed gives
/// the same numbers on every machine. It serves the laboratory's random drops
/// and thermal kicks, and the charges' random source.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed = 0) : m_state(seed) {}

    /// The seed of stream `stream` of `seed`: each drop gets a stream of its
    /// own, so that its numbers do not depend on what happened before.
    static std::uint64_t derive(std::uint64_t seed, std::uint64_t stream);

    /// Mixes `bits` into the state: the numbers go on from elsewhere.
    void mix(std::uint64_t bits)
    {
        m_state ^= bits;
        nextBits();
    }

    std::uint64_t nextBits();
    /// Uniform in [0, 1), 53 bits.
    double uniform();
    /// Uniform in [0, 1) in single precision: every value k / 2^24.
    float uniformSingle() { return static_cast<float>(nextBits() >> 40) * 0x1.0p-24f; }
    /// Standard normal (Box–Muller, both values used in turn).
    double normal();

private:
    std::uint64_t m_state;
    double m_spare = 0;
    bool m_hasSpare = false;
};
