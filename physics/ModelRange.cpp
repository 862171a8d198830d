// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ModelRange.h"

#include "DropletPhysics.h"
#include "SetupParameters.h"

#include <cfloat>
#include <cmath>

namespace {

bool finitePositive(double value)
{
    return std::isfinite(value) && value > 0;
}

/// Finite and greater than 0 as a normal single-precision number.
bool singlePositive(double value)
{
    return std::isfinite(value) && value >= FLT_MIN && value <= FLT_MAX;
}

/// Fits single precision with room for the 1.1 margin of the velocity plot.
bool singleWithMargin(double value)
{
    return std::isfinite(value) && std::fabs(value) * 1.1 <= FLT_MAX;
}

} // namespace

bool ModelRange::computable(const SetupParameters& p)
{
    using P = DropletPhysics;
    if (!(std::isfinite(p.DD) && std::isfinite(p.Ux) && std::isfinite(p.d) && std::isfinite(p.r) && std::isfinite(p.r0)
          && std::isfinite(p.eta)))
        return false;
    if (!(p.DD > 0 && p.d > 0 && p.r > 0 && p.r0 > 0 && p.eta > 0 && p.r > p.r0 && p.Ux != 0))
        return false;

    const double mass = P::mass(p.r, p.d);
    const double Ex = p.Ux / p.DD;
    if (!(std::isfinite(mass) && mass >= DBL_MIN && std::isfinite(Ex)))
        return false;

    // The relaxation time is stored in single precision: it must neither
    // overflow nor vanish there.
    if (!singlePositive(P::unroundedRelaxationTime(p.r, p.d, p.eta)))
        return false;
    const float tau = P::relaxationTime(p.r, p.d, p.eta);
    const double Vg = P::terminalVelocity(tau, p.r, p.r0);
    if (!finitePositive(Vg))
        return false;

    // A force ratio too small to move the limiting velocities off 1 is fine
    // for the motion and the plots; only the charge ratio read-out is then
    // undefined (0/0), and it shows a dash.
    const double forceRatio = P::forceRatio(p.Ux, p.d, p.r, p.r0, p.DD);
    if (!std::isfinite(forceRatio))
        return false;
    for (int n = 1; n <= 10; ++n) {
        const double v = P::limitingVelocity(forceRatio, n);
        if (!singleWithMargin(v) || !std::isfinite(Vg * v))
            return false;
    }

    // The gap and the plot span are drawn in single precision.
    const P::TimeGrid grid = P::timeGrid(p.DD, Vg, tau);
    return singlePositive(grid.reducedGap) && singlePositive(grid.plotTimeSpan) && finitePositive(grid.timeStep);
}
