// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Spray.h"

#include <cstdint>
#include <memory>

struct ExperimentState;

/// The chamber the laboratory sprays into: its spray (none before the
/// first), moved on at the pace of the apparatus's runs in the field the
/// apparatus has now. The pace: a droplet of the median size crosses the gap
/// in 100 steps and each step waits slowDown × 10 ms, so an experiment
/// second lasts (slowDown × 10 ms × 100 · Vg / DD) of wall time.
class SprayChamber {
public:
    explicit SprayChamber(const ExperimentState& state);
    ~SprayChamber();

    /// A new spray from `seed` at `level`, with or without Brownian motion,
    /// in the apparatus's setup and at `temperature` (K).
    void spray(std::uint64_t seed, RealismLevel level, bool brownian, double temperature);
    Spray* current() const { return m_spray.get(); }
    /// How many sprays so far.
    int sprays() const { return m_sprays; }

    /// Experiment seconds per wall second at the slow-down set.
    double rate() const;
    /// The voltage the droplets move in now, V: 0 with the field off, opposite when reversed.
    double voltage() const;
    /// Moves the spray on by `wallSeconds` of wall time.
    void advance(double wallSeconds);

private:
    const ExperimentState& m_state;
    std::unique_ptr<Spray> m_spray;
    int m_sprays = 0;
};
