// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SlipCorrection.h"

#include <cmath>

double SlipCorrection::effectiveViscosity(double eta, double p, double a, double b)
{
    return eta / (1 + b / (p * a));
}

std::optional<double> SlipCorrection::radius(double vg, double r, double r0, double eta, double p, double g, double b)
{
    if (!(vg > 0) || !(r > r0) || !(eta > 0) || !(p > 0) || !(g > 0) || !(b >= 0))
        return std::nullopt;
    // a² + 2h·a − C·v_g = 0 with h = b/(2p): the positive root, written as
    // C·v_g/(sqrt(h² + C·v_g) + h) so that it loses no digits when h ≫ a.
    const double h = b / (2 * p);
    const double Cv = 9 * eta * vg / (2 * (r - r0) * g);
    const double a = Cv / (std::sqrt(h * h + Cv) + h);
    if (!std::isfinite(a) || !(a > 0))
        return std::nullopt;
    return a;
}

double SlipCorrection::radiusSlope(double a, double r, double r0, double eta, double p, double g, double b)
{
    // Differentiating a² + (b/p)·a = C·v_g: (2a + b/p)·da = C·dv_g.
    const double C = 9 * eta / (2 * (r - r0) * g);
    return C / (2 * a + b / p);
}
