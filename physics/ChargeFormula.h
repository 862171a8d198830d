// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

/// The charge of a droplet from its measured velocities, by the laws of the
/// model: Stokes drag, gravity less buoyancy, and the field Ux/DD of the plates.
///
/// Velocities are in m/s, positive downward. Without the field the droplet
/// falls at v_g = g·(r − r0)·d²/(18·eta); with the field acting on the charge
/// q it moves at v_E, and q·E = m_eff·g·(v_E − v_g)/v_g, so
///
///     q = (v_E − v_g)·m_eff·g / (v_g·E),   m_eff = (π/6)·d³·(r − r0),   E = Ux/DD,
///
/// with the model's π and g. The sign of E carries the polarity: with the
/// upper plate negative a positive charge slows the droplet (v_E < v_g) and
/// q comes out positive.
///
/// For a droplet of unknown size the diameter follows from v_g by Stokes' law,
/// d = sqrt(18·eta·v_g / (g·(r − r0))); the charge is then B·sqrt(v_g)·(v_E − v_g)
/// with B = (π/6)·(r − r0)·g·(18·eta/((r − r0)·g))^(3/2) / E. With the air's
/// pressure p given, its radius a solves the fall with the slip correction
/// (SlipCorrection) instead, and m_eff = (4π/3)·a³·(r − r0).
class ChargeFormula {
public:
    /// What is known of the setup and the droplet.
    struct Setup {
        double DD = 0;           ///< distance between the plates, m
        double Ux = 0;           ///< voltage between the plates, V
        double r = 0;            ///< density of the droplet, kg/m³
        double r0 = 0;           ///< density of the medium, kg/m³
        double eta = 0;          ///< viscosity of the medium, Pa·s
        std::optional<double> d; ///< diameter of the droplet, m; none: found from v_g
        std::optional<double> p; ///< air pressure for the slip correction, Pa; none: Stokes' law
    };

    /// The droplet's effective weight over its free fall, K = m_eff·g/v_g
    /// (N·s/m), and dK/dv_g: then q = K·(v_E − v_g)/E in any field E, and a
    /// droplet balanced (v_E = 0) by the field E carries q = −K·v_g/E.
    struct Weight {
        double K;
        double dKdvg;
    };

    /// A charge and how it moves with each velocity.
    struct Charge {
        double q;     ///< C
        double dqdvE; ///< ∂q/∂v_E, C·s/m
        double dqdvg; ///< ∂q/∂v_g, C·s/m
    };

    /// K and dK/dv_g for the droplet of `setup` falling at `vg` (the setup's
    /// voltage is not used); none when v_g is not a fall or the setup gives
    /// no finite weight.
    static std::optional<Weight> weightPerFall(const Setup& setup, double vg);
    /// The droplet's diameter from its free-fall velocity (Stokes), m;
    /// none unless v_g and the setup make one.
    static std::optional<double> stokesDiameter(double vg, double r, double r0, double eta);
    /// The charge from v_E and v_g; none when v_g is not a fall (≤ 0) or the
    /// setup gives no finite charge.
    static std::optional<Charge> charge(const Setup& setup, double vE, double vg);
    /// The charge difference q(v_b) − q(v_a) of one droplet at one v_g, with its
    /// derivatives by v_b (dqdvE) and by v_g; ∂/∂v_a is −dqdvE.
    static std::optional<Charge> chargeChange(const Setup& setup, double va, double vb, double vg);
};
