// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// How the laboratory is set up for a task: the same for every student of an
/// assignment. The defaults are what `oildrop --assign` writes.
struct TaskSettings {
    bool unknownDrops = true;        ///< the drops' sizes are hidden: found from their fall
    bool brownian = true;            ///< thermal motion of the droplets
    bool slipCorrection = false;     ///< the drag with the slip of the air at `pressure`
    double pressure = 101325;        ///< the air's pressure, Pa
    double temperature = 293.15;     ///< the air's temperature, K
    bool coachShowsMultiples = true; ///< the coach may name a charge's multiple and e

    /// The air the laboratory's panel takes: pressure, Pa, and temperature, K.
    static constexpr double MinimumPressure = 1000;
    static constexpr double MaximumPressure = 200000;
    static constexpr double MinimumTemperature = 223.15;
    static constexpr double MaximumTemperature = 373.15;

    bool operator==(const TaskSettings&) const = default;
};
