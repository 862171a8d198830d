// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// One of the six free parameters of the setup, in the order of their inputs.
enum class SetupParameter { PlateGap, Voltage, Diameter, DropletDensity, MediumDensity, Viscosity };

/// Every setup parameter, in that order.
inline constexpr SetupParameter AllSetupParameters[] = {
    SetupParameter::PlateGap,       SetupParameter::Voltage,       SetupParameter::Diameter,
    SetupParameter::DropletDensity, SetupParameter::MediumDensity, SetupParameter::Viscosity,
};

/// The six free parameters of the setup, in SI units.
struct SetupParameters {
    double DD = 0; ///< distance between the plates, m
    double Ux = 0; ///< voltage between the plates, V (its sign gives the polarity)
    double d = 0;  ///< droplet diameter, m
    double r = 0;  ///< density of the droplet, kg/m³
    double r0 = 0; ///< density of the medium, kg/m³
    float eta = 0; ///< dynamic viscosity of the medium, Pa·s (single precision)

    /// The value of one parameter (the viscosity widened from single precision).
    double get(SetupParameter parameter) const
    {
        switch (parameter) {
        case SetupParameter::PlateGap: return DD;
        case SetupParameter::Voltage: return Ux;
        case SetupParameter::Diameter: return d;
        case SetupParameter::DropletDensity: return r;
        case SetupParameter::MediumDensity: return r0;
        case SetupParameter::Viscosity: return static_cast<double>(eta);
        }
        return 0;
    }
    /// Sets one parameter (the viscosity rounded to single precision).
    void set(SetupParameter parameter, double value)
    {
        switch (parameter) {
        case SetupParameter::PlateGap: DD = value; break;
        case SetupParameter::Voltage: Ux = value; break;
        case SetupParameter::Diameter: d = value; break;
        case SetupParameter::DropletDensity: r = value; break;
        case SetupParameter::MediumDensity: r0 = value; break;
        case SetupParameter::Viscosity: eta = static_cast<float>(value); break;
        }
    }
};
