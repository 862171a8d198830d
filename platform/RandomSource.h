// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// A uniform pseudo-random generator.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    /// Mixes a seed (seconds since midnight) into the generator's state.
    virtual void reseed(double seconds) = 0;
    /// The next number, uniform in [0, 1), single precision.
    virtual float next() = 0;
};
