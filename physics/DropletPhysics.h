// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The physics of a charged droplet between the plates of a capacitor, in a
/// viscous medium, under gravity, buoyancy, Stokes drag and the field of the
/// plate voltage. Plain functions of numbers; the symbols are those of
/// ExperimentState's notation.
///
/// The motion is reduced: velocity in units of Vg, time in units of tau. The
/// velocity then relaxes towards the limiting value V∞ = 1 + N·a, where N is
/// the charge number the field acts on and a the force ratio.
class DropletPhysics {
public:
    /// π as the model takes it (not to full double precision).
    static constexpr double Pi = 3.1415926535;
    /// Free-fall acceleration, m/s².
    static constexpr double G = 9.814;
    /// Six elementary charges, C (6 × 1.6021766208e-19).
    static constexpr double SixCharges = 9.6130597248e-19;
    /// Time steps in which a droplet moving at Vg crosses the plate gap.
    static constexpr int StepsAcrossGap = 100;

    /// Droplet mass π·r·d³/6, kg.
    static double mass(double r, double d);
    /// Relaxation time r·d²/(18·eta), s, in double precision.
    static double unroundedRelaxationTime(double r, double d, float eta);
    /// The same rounded to single precision, as the model keeps it.
    static float relaxationTime(double r, double d, float eta);
    /// Terminal velocity without field g·tau·(1 − r0/r), m/s.
    static double terminalVelocity(float tau, double r, double r0);
    /// Electric force on one elementary charge e·Ux/DD over the effective weight
    /// (π·d³/6)·(r − r0)·g, evaluated left to right as 6e·Ux/π/d³/(r − r0)/g/DD.
    static double forceRatio(double Ux, double d, double r, double r0, double DD);
    /// Limiting velocity 1 + N·a of a droplet with charge number N, Vg.
    static double limitingVelocity(double forceRatio, double chargeNumber);

    /// The time grid of a run.
    struct TimeGrid {
        double reducedGap;   ///< plate gap DD/(Vg·tau), Vg·tau
        double plotTimeSpan; ///< span of the plots, tau
        double timeStep;     ///< time step, tau
    };
    /// A droplet moving at Vg crosses the gap in StepsAcrossGap steps; the
    /// plots span three such crossings. A very heavy droplet crosses the gap
    /// faster than its relaxation time: then the span is tau (compared in
    /// seconds, as the model always has) and the step tau / StepsAcrossGap.
    static TimeGrid timeGrid(double DD, double Vg, float tau);
    /// Where a held run starts a droplet seen `depth` m below the upper
    /// plate, in its unit `unit` = Vg·tau (m): inside the gap, short of the
    /// lower plate by a hundredth of it.
    static double heldStart(double depth, double unit, double reducedGap);

    /// The droplet after one time step.
    struct Motion {
        float Vy; ///< velocity at the end of the step, Vg (single precision)
        double Y; ///< coordinate at the end of the step, Vg·tau
    };
    /// One exact step of dV/dT = V∞ − V over `timeStep`: the velocity relaxes
    /// towards V∞ = 1 + N·a by the factor E = e^(−timeStep); the displacement is
    /// the drift V∞·timeStep plus the relaxation term (1 − E)·(V − V∞), taken
    /// with the velocity at the end of the step. V − 1 is formed in single
    /// precision, as the velocity is stored.
    static Motion step(float Vy, double Y, double timeStep, double chargeNumber, double forceRatio);
};
