// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropletPhysics.h"

#include <algorithm>
#include <cmath>

double DropletPhysics::mass(double r, double d)
{
    return Pi * r * std::pow(d, 3) / 6;
}

double DropletPhysics::unroundedRelaxationTime(double r, double d, float eta)
{
    // m / (3π·eta·d) for a sphere of density r.
    return r * d * d / 18 / static_cast<double>(eta);
}

float DropletPhysics::relaxationTime(double r, double d, float eta)
{
    return static_cast<float>(unroundedRelaxationTime(r, d, eta));
}

double DropletPhysics::terminalVelocity(float tau, double r, double r0)
{
    return G * static_cast<double>(tau) * (1 - r0 / r);
}

double DropletPhysics::forceRatio(double Ux, double d, double r, double r0, double DD)
{
    return SixCharges * Ux / Pi / std::pow(d, 3) / (r - r0) / G / DD;
}

double DropletPhysics::limitingVelocity(double forceRatio, double chargeNumber)
{
    return 1 + forceRatio * chargeNumber;
}

double DropletPhysics::heldStart(double depth, double unit, double reducedGap)
{
    if (!(depth > 0) || !(unit > 0))
        return 0;
    return std::clamp(depth / unit, 0.0, 0.99 * reducedGap);
}

DropletPhysics::TimeGrid DropletPhysics::timeGrid(double DD, double Vg, float tau)
{
    TimeGrid grid;
    grid.reducedGap = DD / Vg / static_cast<double>(tau);
    grid.plotTimeSpan = 3 * grid.reducedGap;
    grid.timeStep = grid.reducedGap / StepsAcrossGap;
    if (grid.plotTimeSpan < 3 * static_cast<double>(tau)) {
        grid.plotTimeSpan = tau;
        grid.timeStep = static_cast<double>(tau) / StepsAcrossGap;
    }
    return grid;
}

DropletPhysics::Motion DropletPhysics::step(float Vy, double Y, double timeStep, double chargeNumber, double forceRatio)
{
    const double E = std::exp(-timeStep);
    const double vInfinity = 1 + chargeNumber * forceRatio;
    Motion next;
    next.Vy = static_cast<float>(vInfinity + E * (static_cast<double>(Vy - 1.0f) - chargeNumber * forceRatio));
    next.Y = Y + timeStep * vInfinity + (1 - E) * (static_cast<double>(next.Vy - 1.0f) - chargeNumber * forceRatio);
    return next;
}
