// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class SeededRandom;

/// The diameters of oil droplets from an atomiser: log-normal, as the sizes of
/// sprayed droplets are, around 5.5 µm with a geometric standard deviation of
/// 1.15, kept between 4 and 7.5 µm. Such droplets fall through the default
/// plates in tens of seconds, and the default field slows them without
/// lifting the lighter charges (it may lift the smallest droplets carrying
/// many charges).
class DropSizeDistribution {
public:
    static constexpr double Median = 5.5e-6; ///< m
    static constexpr double GeometricSd = 1.15;
    static constexpr double Smallest = 4e-6;  ///< m
    static constexpr double Largest = 7.5e-6; ///< m

    /// One diameter, m.
    static double draw(SeededRandom& random);
};
