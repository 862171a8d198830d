// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ExperimentState;

/// A random displacement of the droplet added after each step of a run (the
/// thermal motion in the medium), in the reduced units of the coordinate,
/// Vg·tau. Without one the run is exactly the deterministic motion.
class DropletNoise {
public:
    virtual ~DropletNoise() = default;

    /// The displacement over the step just taken, with the state's step
    /// length and droplet.
    virtual double displacement(const ExperimentState& state) = 0;
};
