// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class SeededRandom;

/// The thermal motion of the droplet in the medium. The droplet's relaxation
/// time is thousands of times shorter than a step of the run, so over a step it
/// moves as an overdamped sphere: its random displacement along the field is
/// normal with mean 0 and variance 2·D·Δt, with Einstein's diffusion
/// coefficient D = k·T / (6π·eta·R) for the Stokes drag of a sphere of radius R
/// (with the slip of the air, eta is the droplet's effective viscosity).
class BrownianMotion {
public:
    /// Boltzmann's constant, J/K.
    static constexpr double Boltzmann = 1.380649e-23;
    /// Temperature of the medium unless one is given, K.
    static constexpr double Temperature = 293;

    /// D = k·T / (6π·eta·d/2), m²/s, for a droplet of diameter d (m) in a
    /// medium of viscosity eta (Pa·s) at the temperature T (K).
    static double diffusionCoefficient(double d, double eta, double T = Temperature);
    /// Variance of the displacement in `seconds`: 2·D·seconds, m².
    static double displacementVariance(double d, double eta, double seconds, double T = Temperature);
    /// One random displacement over `seconds`, m.
    static double displacement(double d, double eta, double seconds, SeededRandom& random, double T = Temperature);
};
