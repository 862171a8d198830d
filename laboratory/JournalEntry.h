// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FieldState.h"

#include <QString>

#include <cmath>
#include <optional>

/// One measurement in the laboratory journal: a timing of the droplet over a
/// distance, a velocity read off the plot, or the voltage at which the
/// droplet hovered (a balance). Distances and velocities are signed,
/// positive downward (a rising droplet has a negative velocity). Each belongs
/// to a drop, a field state and a charge state: the irradiations of the drop
/// before it (0 for the charge the drop came with).
struct JournalEntry {
    /// Where the measurement came from.
    enum class Source {
        Stopwatch, ///< timed with the stopwatch
        Plot,      ///< the velocity curve under the plot's crosshair
        Hand,      ///< typed in by the student
        Balance,   ///< the voltage at which the droplet hovered
    };

    int drop = 0; ///< the drop's number, 1, 2, …
    FieldState field = FieldState::Off;
    int chargeState = 0; ///< irradiations of the drop before the measurement
    std::optional<double>
        voltage; ///< voltage between the plates during it, V, as set (the polarity apart); none: the drop's
    std::optional<double> bands;    ///< distance in bands of the reticle (a tenth of the gap each)
    std::optional<double> distance; ///< distance, m
    std::optional<double> time;     ///< time over the distance, s of the experiment
    std::optional<double> velocity; ///< velocity read directly (no distance and time), m/s
    /// A stopwatch's timing: the moments of its two presses, s of experiment
    /// since the drop started (its time is their difference as the display
    /// cut them to hundredths).
    std::optional<double> started, ended;
    double uncertainty = 0; ///< standard uncertainty of the reading: of the time (s) for a timing, of the velocity
                            ///< (m/s) for one read, of the voltage (V) for a balance
    Source source = Source::Hand;
    bool deleted = false; ///< struck out: kept, but not used
    QString reason;       ///< why it was struck out

    bool isBalance() const { return source == Source::Balance; }

    /// The velocity of the measurement: distance/time, or the one read; none for a balance.
    std::optional<double> measuredVelocity() const
    {
        if (isBalance())
            return std::nullopt;
        if (distance && time && *time > 0)
            return *distance / *time;
        if (!distance && !time)
            return velocity;
        return std::nullopt;
    }
    /// Its standard uncertainty, m/s, from the time's (or the reading's).
    double velocityUncertainty() const
    {
        if (distance && time && *time > 0)
            return std::abs(*distance / *time) * uncertainty / *time;
        return uncertainty;
    }
};
