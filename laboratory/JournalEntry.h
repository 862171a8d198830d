// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "MeasurementPhase.h"

#include <QString>

#include <cmath>
#include <optional>

/// One measurement in the laboratory journal: a timing of the droplet over a
/// distance, or a velocity read off the plot. Distances and velocities are
/// signed, positive downward (a rising droplet has a negative velocity).
struct JournalEntry {
    /// Where the measurement came from.
    enum class Source {
        Stopwatch, ///< timed with the stopwatch
        Plot,      ///< the velocity curve under the plot's crosshair
        Hand,      ///< typed in by the student
    };

    int drop = 0; ///< the drop's number, 1, 2, …
    MeasurementPhase phase = MeasurementPhase::NoField;
    int irradiation = 0;            ///< for an irradiated droplet: after which irradiation (1, 2, …)
    std::optional<double> bands;    ///< distance in bands of the reticle (a tenth of the gap each)
    std::optional<double> distance; ///< distance, m
    std::optional<double> time;     ///< time over the distance, s of the experiment
    std::optional<double> velocity; ///< velocity read directly (no distance and time), m/s
    double uncertainty =
        0; ///< standard uncertainty of the reading: of the time (s) for a timing, of the velocity (m/s) for one read
    Source source = Source::Hand;
    bool deleted = false; ///< struck out: kept, but not used
    QString reason;       ///< why it was struck out

    /// The velocity of the measurement: distance/time, or the one read.
    std::optional<double> measuredVelocity() const
    {
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
