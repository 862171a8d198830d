// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"

#include <vector>

/// The elementary charge without assuming the slip constant: the classic
/// extrapolation. A drop of unknown size analysed by Stokes' law alone gives
/// charges too large by the factor (1 + b/(p·a))^(3/2), so its apparent
/// elementary charge e_a (its charges' fit to their multiples) satisfies
///
///     e_a^(2/3) = e^(2/3) · (1 + b/(p·a)):
///
/// a straight line in x = 1/(p·a) whose intercept at x = 0 is e^(2/3) and
/// whose slope over the intercept is b. The radius a itself depends on b, so
/// the line is fitted with Stokes' radii first (b = 0) and again with the
/// radii of the b it found, until b no longer changes.
///
/// Each point is one drop whose drag had the slip of the air, of unknown
/// size, with a pressure. Its charges' multiples n_i come from the
/// journal's own (slip-corrected) estimate of e; its apparent e_a =
/// Σ w·n·q / Σ w·n² (w = 1/u² of the charges' own errors) with the error its
/// charges share (the free fall) added in full. The line is weighted least
/// squares in y = e_a^(2/3) with σ_y = (2/3)·y·σ_e/e_a, its uncertainties
/// scaled by the Birge ratio when the drops scatter more than their errors.
/// Charges here are in units of 10⁻¹⁹ C.
class SlipExtrapolation {
public:
    /// One drop.
    struct Point {
        int drop = 0;
        double pressure = 0; ///< Pa
        double x = 0;        ///< 1/(p·a), 1/(Pa·m)
        double e = 0;        ///< apparent elementary charge, 10⁻¹⁹ C
        double eU = 0;       ///< its standard uncertainty
        double y = 0;        ///< e^(2/3), (10⁻¹⁹ C)^(2/3)
        double yU = 0;
    };

    struct Result {
        std::vector<Point> points;
        bool valid = false;   ///< a line was fitted: three drops or more, at different x
        double intercept = 0; ///< (10⁻¹⁹ C)^(2/3)
        double slope = 0;     ///< (10⁻¹⁹ C)^(2/3)·Pa·m
        double e = 0;         ///< intercept^(3/2), 10⁻¹⁹ C
        double u = 0;         ///< its standard uncertainty
        double expanded = 0;  ///< k = 2
        double b = 0;         ///< slope/intercept, Pa·m
        double bU = 0;
        double chi2 = 0;
        int degreesOfFreedom = 0;
    };

    /// Drops needed for a line with a degree of freedom to judge it by.
    static constexpr int MinimumDrops = 3;

    /// The extrapolation of the journal's slip-corrected drops, from its
    /// analysis with the correction and without it.
    static Result fit(const Journal& journal, const JournalAnalysis::Result& corrected,
                      const JournalAnalysis::Result& plain);
};
