// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeFormula.h"
#include "ElementaryChargeEstimate.h"
#include "Journal.h"

#include <optional>
#include <vector>

/// What the journal's measurements say: the charge of every measurement in
/// the field, the mean and spread of each drop in each field and charge
/// state, the charge of each of a drop's charge states and its change from
/// one state to the next, with their uncertainties, and the elementary charge
/// found from them (see ElementaryChargeEstimate). Struck-out entries take
/// no part.
///
/// A drop's free-fall velocity v_g is the mean of all its timings without
/// field, whatever its charge; a drop of known size without one uses the
/// model's Vg. A drop of unknown size needs its free fall timed: its diameter
/// comes from v_g by Stokes' law, or, for a drop whose drag had the slip of
/// the air, by the slip-corrected law (SlipCorrection) at its pressure.
///
/// A charge state's charge comes from its timings in the field, each with the
/// field it was taken in (its voltage, and its polarity: reversed, the field
/// points the other way): with K = m_eff·g/v_g,
///     q = K · mean over the timings of (v_E − v_g)/E,
/// and from its balances, q = −K·v_g/E (the droplet hovering, v_E = 0); both
/// kinds together make a weighted mean. The change between two consecutive
/// charge states of a drop is the difference of their charges.
///
/// Uncertainties: a timing's velocity has the uncertainty of its time (the
/// stopwatch records what a hand's reaction time makes of it), a reading off
/// the plot that of the read-out's last digit, a balance that of its voltage.
/// The mean of a state has the larger of its standard error (from the spread
/// of its repeated measurements, two or more) and their own uncertainty over
/// √k. The free fall's uncertainty enters every charge of the drop alike:
/// it is kept apart as the part the drop's charges share, so that the fit
/// of e weighs a drop's charges as the drop's, not as independent ones.
class JournalAnalysis {
public:
    /// One drop in one field and charge state.
    struct Group {
        int drop = 0;
        FieldState field = FieldState::Off;
        int chargeState = 0;
        int count = 0;                    ///< timings and readings
        int balances = 0;                 ///< balances (in a field)
        double velocityMean = 0;          ///< m/s, of the timings and readings
        std::optional<double> velocitySd; ///< standard deviation of the timings, m/s (two or more)
        double velocityUncertainty = 0;   ///< of the mean, m/s
        std::optional<double> chargeMean; ///< mean of the timings' charges, C
        std::optional<double> chargeSd;   ///< their standard deviation, C
    };

    /// A drop's charge in one charge state (or its change from the state
    /// before), with its standard uncertainty and the part of it the drop's
    /// other charges share (signed: the charge's move when the free fall is
    /// one standard uncertainty faster).
    struct DropCharge {
        int drop = 0;
        int chargeState = 0; ///< for a change: the state it changed to
        double q = 0;        ///< C
        double u = 0;        ///< C
        double common = 0;   ///< C
    };

    /// A drop's free fall: the mean of its timings without field, m/s.
    struct Fall {
        int drop = 0;
        double v = 0;
        double u = 0;
    };

    struct Result {
        std::vector<std::optional<double>> entryCharges; ///< per entry, C; none without field or v_g
        std::vector<Group> groups;                       ///< in the order of drops, charge states, fields
        std::vector<DropCharge> charges;                 ///< each drop's charge in each charge state measured
        std::vector<DropCharge> changes;                 ///< per drop, between consecutive measured states
        std::vector<Fall> falls;                         ///< of the drops with charges, in their order
        ElementaryChargeEstimate::Result fromCharges;
        ElementaryChargeEstimate::Result fromChanges;
        int dropsInFit = 0;       ///< drops whose charges the fit of e used
        int changeDropsInFit = 0; ///< drops whose changes the fit of e used
    };

    /// The analysis; without `slipCorrection`, every drop by Stokes' law, as
    /// if the slip of the air were forgotten.
    static Result analyse(const Journal& journal, bool slipCorrection = true);

    /// The charge formula's setup of a drop (with its slip correction, if it
    /// has one and `slipCorrection`).
    static ChargeFormula::Setup setupOf(const JournalDrop& drop, bool slipCorrection = true);
    /// The field of a measurement of `drop`, V/m: its voltage (or the
    /// drop's), its polarity, over the plate gap; 0 without field.
    static double fieldOf(const JournalEntry& entry, const JournalDrop& drop);
};
