// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ExperimentState;
class ExperimentView;
class RandomSource;
class TimeOfDay;

/// The parameters of the setup and the quantities that follow from them.
class Parameters {
public:
    Parameters(ExperimentState& state, ExperimentView& view, RandomSource& random, const TimeOfDay& clock);

    /// The default experiment: writes the six parameters into their inputs
    /// (each input's change handling reads its value back) and chooses random
    /// charges.
    void setDefaultParameters();
    /// Computes the derived quantities and the time grid, draws new charges
    /// when random charges are chosen, and shows the results.
    void updateDerivedQuantities();

private:
    ExperimentState& m_state;
    ExperimentView& m_view;
    RandomSource& m_random;
    const TimeOfDay& m_clock;
};
