// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The six free parameters of the setup, in SI units.
struct SetupParameters {
    double DD = 0; ///< distance between the plates, m
    double Ux = 0; ///< voltage between the plates, V (its sign gives the polarity)
    double d = 0;  ///< droplet diameter, m
    double r = 0;  ///< density of the droplet, kg/m³
    double r0 = 0; ///< density of the medium, kg/m³
    float eta = 0; ///< dynamic viscosity of the medium, Pa·s (single precision)
};
