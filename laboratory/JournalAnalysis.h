// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeFormula.h"
#include "ElementaryChargeEstimate.h"
#include "Journal.h"

#include <optional>
#include <vector>

/// What the journal's measurements say: the charge of every timing, the mean
/// and spread of each drop in each phase, the drops' charges and charge
/// changes with their uncertainties, and the elementary charge found from
/// them (see ElementaryChargeEstimate). Struck-out entries take no part.
///
/// A drop's free-fall velocity v_g is the mean of its timings without field;
/// a drop of known size without one uses the model's Vg. A drop of unknown
/// size needs its free fall timed: its diameter comes from v_g by Stokes' law.
///
/// Uncertainties: a timing's velocity has the uncertainty of its time (the
/// stopwatch records what a hand's reaction time makes of it), a reading off
/// the plot that of the read-out's last digit. The mean of a group has the
/// larger of its standard error (from the spread, two timings or more) and the
/// timings' own uncertainty over √k. A charge takes its uncertainty from
/// those of v_E and v_g by the partial derivatives of the charge formula.
class JournalAnalysis {
public:
    /// One drop in one phase.
    struct Group {
        int drop = 0;
        MeasurementPhase phase = MeasurementPhase::NoField;
        int count = 0;
        double velocityMean = 0;          ///< m/s
        std::optional<double> velocitySd; ///< standard deviation of the timings, m/s (two or more)
        double velocityUncertainty = 0;   ///< of the mean, m/s
        std::optional<double> chargeMean; ///< mean of the timings' charges, C
        std::optional<double> chargeSd;   ///< their standard deviation, C
    };

    /// A drop's charge in one phase (or its change), with its standard uncertainty.
    struct DropCharge {
        int drop = 0;
        MeasurementPhase phase = MeasurementPhase::FirstCharge;
        double q = 0; ///< C
        double u = 0; ///< C
    };

    struct Result {
        std::vector<std::optional<double>> entryCharges; ///< per entry, C; none without field or v_g
        std::vector<Group> groups;                       ///< in the order of drops, then phases
        std::vector<DropCharge> charges;                 ///< each drop's charge in each field phase
        std::vector<DropCharge> changes; ///< per drop with both field phases: after − before irradiation
        ElementaryChargeEstimate::Result fromCharges;
        ElementaryChargeEstimate::Result fromChanges;
        int dropsInFit = 0;       ///< drops whose charges the fit of e used
        int changeDropsInFit = 0; ///< drops whose changes the fit of e used
    };

    static Result analyse(const Journal& journal);

    /// The charge formula's setup of a drop.
    static ChargeFormula::Setup setupOf(const JournalDrop& drop);
};
