// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

/// The slip of the air past a droplet of a few micrometres. The air is not a
/// continuum at that scale: its molecules' mean free path (about 0.07 µm at
/// 1 atm, inversely proportional to the pressure) is a few per cent of the
/// radius, and the droplet slips through it with less drag than Stokes' law
/// gives. To first order the drag is Stokes' with the viscosity lowered to
///
///     eta_eff = eta / (1 + b/(p·a)),
///
/// p the air pressure (Pa), a the droplet's radius (m) and b an empirical
/// constant of the air, 8.2·10⁻³ Pa·m (measured with the oil-drop apparatus
/// itself, by extrapolating to 1/(p·a) = 0).
///
/// A droplet of effective density r − r0 then falls at
///     v_g = 2·a²·(r − r0)·g·(1 + b/(p·a)) / (9·eta),
/// so its radius from its fall solves a² + (b/p)·a = 9·eta·v_g/(2·(r − r0)·g):
///     a = sqrt((b/(2p))² + 9·eta·v_g/(2·(r − r0)·g)) − b/(2p),
/// the fixed point of the usual iteration a ← sqrt(9·eta_eff(a)·v_g/(2·(r − r0)·g))
/// that starts from Stokes' radius.
class SlipCorrection {
public:
    /// The slip constant of air, Pa·m.
    static constexpr double B = 8.2e-3;

    /// The effective viscosity eta/(1 + b/(p·a)), Pa·s, of a medium of
    /// viscosity `eta` (Pa·s) at pressure `p` (Pa) around a droplet of
    /// radius `a` (m).
    static double effectiveViscosity(double eta, double p, double a, double b = B);

    /// The radius (m) of a droplet of density `r` in a medium of density `r0`
    /// (kg/m³), viscosity `eta` (Pa·s) and pressure `p` (Pa) that falls at
    /// `vg` (m/s) under gravity `g` (m/s²); none unless they make one. With
    /// b = 0 it is Stokes' radius.
    static std::optional<double> radius(double vg, double r, double r0, double eta, double p, double g, double b = B);
    /// Its derivative by v_g, m/(m/s) = s: da/dv_g = C/(2a + b/p), C = 9·eta/(2·(r − r0)·g).
    static double radiusSlope(double a, double r, double r0, double eta, double p, double g, double b = B);
};
