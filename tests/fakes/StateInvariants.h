// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

struct ExperimentState;

/// What must hold of the experiment state after every handler has run:
/// the parameters valid (positive sizes, densities and viscosity, a droplet
/// denser than the medium, a voltage), every derived quantity finite, and the
/// relaxation time, terminal velocity, gap, plot span and time step above 0.
/// Returns a description of the first violation, empty when all hold.
QString stateViolation(const ExperimentState& s);
