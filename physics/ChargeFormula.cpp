// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargeFormula.h"

#include "DropletPhysics.h"
#include "SlipCorrection.h"

#include <cmath>

namespace {

using P = DropletPhysics;

/// The charge q = K(v_g)·(v_E − v_g), with K and dK/dv_g for the setup.
struct Factor {
    double K;
    double dKdvg;
};

std::optional<Factor> factor(const ChargeFormula::Setup& s, double vg)
{
    const std::optional<ChargeFormula::Weight> w = ChargeFormula::weightPerFall(s, vg);
    if (!w || s.Ux == 0)
        return std::nullopt;
    // K/E: q = K·(v_E − v_g)/E
    const double E = s.Ux / s.DD;
    Factor f{w->K / E, w->dKdvg / E};
    if (!std::isfinite(f.K) || !std::isfinite(f.dKdvg))
        return std::nullopt;
    return f;
}

} // namespace

std::optional<ChargeFormula::Weight> ChargeFormula::weightPerFall(const Setup& s, double vg)
{
    if (!(vg > 0) || !std::isfinite(vg) || !(s.DD > 0) || !(s.r > s.r0) || !(s.eta > 0))
        return std::nullopt;
    Weight w{};
    if (s.d) {
        // K = m_eff·g/v_g
        const double weight = P::Pi / 6 * std::pow(*s.d, 3) * (s.r - s.r0) * P::G;
        w.K = weight / vg;
        w.dKdvg = -w.K / vg;
    } else if (s.p) {
        // K = m_eff·g/v_g with the radius a(v_g) of the slip-corrected fall:
        // dK/dv_g = K·(3·a'/a − 1/v_g).
        const std::optional<double> a = SlipCorrection::radius(vg, s.r, s.r0, s.eta, *s.p, P::G);
        if (!a)
            return std::nullopt;
        const double d = 2 * *a;
        w.K = P::Pi / 6 * d * d * d * (s.r - s.r0) * P::G / vg;
        w.dKdvg = w.K * (3 * SlipCorrection::radiusSlope(*a, s.r, s.r0, s.eta, *s.p, P::G) / *a - 1 / vg);
    } else {
        // K = B·v_g^(1/2): m_eff ∝ d³ ∝ v_g^(3/2) by Stokes' law
        const double A = std::pow(18 * s.eta / ((s.r - s.r0) * P::G), 1.5);
        const double B = P::Pi / 6 * (s.r - s.r0) * P::G * A;
        w.K = B * std::sqrt(vg);
        w.dKdvg = 0.5 * w.K / vg;
    }
    if (!std::isfinite(w.K) || !std::isfinite(w.dKdvg) || !(w.K > 0))
        return std::nullopt;
    return w;
}

std::optional<double> ChargeFormula::stokesDiameter(double vg, double r, double r0, double eta)
{
    if (!(vg > 0) || !(r > r0) || !(eta > 0))
        return std::nullopt;
    const double d = std::sqrt(18 * eta * vg / (P::G * (r - r0)));
    if (!std::isfinite(d) || !(d > 0))
        return std::nullopt;
    return d;
}

std::optional<ChargeFormula::Charge> ChargeFormula::charge(const Setup& setup, double vE, double vg)
{
    const std::optional<Factor> f = factor(setup, vg);
    if (!f || !std::isfinite(vE))
        return std::nullopt;
    // q = K·(v_E − v_g): ∂q/∂v_E = K, ∂q/∂v_g = K'·(v_E − v_g) − K.
    Charge c{};
    c.q = f->K * (vE - vg);
    c.dqdvE = f->K;
    c.dqdvg = f->dKdvg * (vE - vg) - f->K;
    return c;
}

std::optional<ChargeFormula::Charge> ChargeFormula::chargeChange(const Setup& setup, double va, double vb, double vg)
{
    const std::optional<Factor> f = factor(setup, vg);
    if (!f || !std::isfinite(va) || !std::isfinite(vb))
        return std::nullopt;
    // Δq = K·(v_b − v_a): the free fall enters only through K.
    Charge c{};
    c.q = f->K * (vb - va);
    c.dqdvE = f->K;
    c.dqdvg = f->dKdvg * (vb - va);
    return c;
}
