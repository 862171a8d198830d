// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SetupParameters.h"

#include <cstdint>
#include <optional>

/// The main window as the experiment sees it: what to show, in the
/// experiment's own terms (values, not labels or texts). The window composes
/// every text itself.
class ExperimentView {
public:
    /// The six parameters of the setup, each with its input.
    using Parameter = SetupParameter;

    /// The derived quantities as the panel shows them.
    struct DerivedQuantities {
        double mass;              ///< kg
        double fieldStrength;     ///< V/m
        std::optional<float> tau; ///< s; none when the viscosity is not positive
        std::optional<double> Vg; ///< m/s; none with tau
        double forceRatio;        ///< dimensionless
        double limitingVelocity2; ///< m/s
        double limitingVelocity3; ///< m/s
    };

    virtual ~ExperimentView() = default;

    /// Writes a parameter into its input; the input's change handling reads
    /// it back at once.
    virtual void showParameter(Parameter parameter, double value) = 0;
    /// Whether the charges are drawn at random at every layout pass.
    virtual bool randomCharges() const = 0;
    virtual void setRandomCharges(bool random) = 0;
    virtual void showDerivedQuantities(const DerivedQuantities& quantities) = 0;

    /// Shows the slow-down in use.
    virtual void showSlowDown(int slowDown) = 0;

    /// Makes the voltage and light buttons usable (during a run) or not.
    virtual void setFieldButtonsEnabled(bool enabled) = 0;
    /// Shows the limiting velocity with charge N2 (2) or N3 (3).
    virtual void showLimitingVelocity(int which) = 0;
    /// Shows or hides the true charges N2 and N3.
    virtual void showCharges(double N2, std::int16_t N3) = 0;
    virtual void hideCharges() = 0;
    /// Shows or hides the ratio and the difference of the charges as the
    /// limiting velocities give them.
    virtual void showChargeRatio(double ratio, double difference) = 0;
    virtual void hideChargeRatio() = 0;
};
