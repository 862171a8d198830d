// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

/// A monotonic clock of the wall time, for what happens between the steps of a
/// run (the stopwatch reads the experiment's time between two steps from it).
class SteadyClock {
public:
    virtual ~SteadyClock() = default;

    /// Milliseconds since some fixed moment; never goes back.
    virtual double milliseconds() const = 0;
};
