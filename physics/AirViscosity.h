// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>

/// The viscosity of air by Sutherland's law,
///     eta(T) = eta0·(T/T0)^(3/2)·(T0 + S)/(T + S),
/// with the usual constants for air: eta0 = 1.716·10⁻⁵ Pa·s at T0 = 273.15 K,
/// S = 110.4 K (within 2 % from 170 to 1900 K; 1.8133·10⁻⁵ Pa·s at 20 °C).
/// It does not depend on the pressure.
struct AirViscosity {
    static constexpr double Eta0 = 1.716e-5;      ///< Pa·s
    static constexpr double T0 = 273.15;          ///< K
    static constexpr double Sutherland = 110.4;   ///< K
    static constexpr double CelsiusZero = 273.15; ///< K

    /// eta(T), Pa·s, at the temperature `kelvin`.
    static double at(double kelvin)
    {
        return Eta0 * std::pow(kelvin / T0, 1.5) * (T0 + Sutherland) / (kelvin + Sutherland);
    }
};
