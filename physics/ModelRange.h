// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct SetupParameters;

/// Whether the six parameters of the setup give a model that can be computed and
/// shown: every derived quantity finite (for any charge number 1 to 10), the
/// relaxation time, terminal velocity, gap, plot span and time step finite and
/// greater than 0 (also in the single precision in which they are stored or
/// drawn) and the mass not lost to underflow. Nothing more: every value a
/// field's own rules accept on the way to a sensible one (a diameter of 5 m
/// while "5.52e-6" is being typed) must pass, so that it can be typed key by key.
///
/// The quantities are evaluated exactly as the read-outs compute them.
class ModelRange {
public:
    static bool computable(const SetupParameters& parameters);
};
