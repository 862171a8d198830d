// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Experiment.h"

/// The tests' way into the experiment's state: to set up a state no command
/// makes (a closed start-up gate, limiting velocities or a time step chosen
/// by hand) before a command runs on it.
class ExperimentTestAccess {
public:
    static ExperimentState& state(Experiment& experiment) { return experiment.m_state; }
};
