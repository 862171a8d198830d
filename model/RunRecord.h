// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

/// The course of the last run, step by step, in the reduced units of the
/// model, together with the units of that run, so that its curves can be read
/// back and exported. A new run (only a start begins one) replaces it.
class RunRecord {
public:
    /// One point of the curves: after `step` steps (0: at rest at the start).
    struct Point {
        int step;
        double t; ///< time, tau
        double Y; ///< coordinate below the upper plate, Vg·tau
        float Vy; ///< velocity, Vg
    };

    /// Starts a new record: the droplet at rest at time `t`, `Y0` (Vg·tau) below the upper plate.
    void begin(float tau, double Vg, double t, double Y0 = 0);
    /// Adds the droplet's state after the next step.
    void add(double t, double Y, float Vy);

    bool isEmpty() const { return m_points.empty(); }
    const std::vector<Point>& points() const { return m_points; }
    /// The run's relaxation time, s, and terminal velocity, m/s.
    float tau() const { return m_tau; }
    double Vg() const { return m_Vg; }

    /// The curves at time `t` (tau), interpolated linearly between the steps,
    /// as they are drawn; false when the run did not reach that time.
    bool valuesAt(double t, double& Y, double& Vy) const;

private:
    std::vector<Point> m_points;
    float m_tau = 0;
    double m_Vg = 0;
};
