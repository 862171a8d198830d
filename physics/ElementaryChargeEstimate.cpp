// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementaryChargeEstimate.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using Estimate = ElementaryChargeEstimate;

/// The charges taking part, with their weights.
struct Charges {
    std::vector<double> q;
    std::vector<double> w; ///< 1/u²
    std::vector<std::size_t> index;
};

/// A fit of e to fixed multiples.
struct Fit {
    double e = 0;
    double chi2 = std::numeric_limits<double>::infinity();
    double sumWn2 = 0;
    std::vector<int> n;
};

int nearestMultiple(double q, double e)
{
    const double n = std::round(q / e);
    return n < 1 ? 1 : static_cast<int>(std::min(n, 1e9));
}

/// Assigns the nearest multiples for `e`, fits, and repeats until the
/// multiples hold.
Fit fitFrom(const Charges& c, double e)
{
    Fit fit;
    fit.n.resize(c.q.size());
    for (std::size_t i = 0; i < c.q.size(); ++i)
        fit.n[i] = nearestMultiple(c.q[i], e);
    for (int round = 0; round < 20; ++round) {
        double sumWnq = 0, sumWn2 = 0;
        for (std::size_t i = 0; i < c.q.size(); ++i) {
            const double n = fit.n[i];
            sumWnq += c.w[i] * n * c.q[i];
            sumWn2 += c.w[i] * n * n;
        }
        fit.e = sumWnq / sumWn2;
        fit.sumWn2 = sumWn2;
        bool changed = false;
        for (std::size_t i = 0; i < c.q.size(); ++i) {
            const int n = nearestMultiple(c.q[i], fit.e);
            changed = changed || n != fit.n[i];
            fit.n[i] = n;
        }
        if (!changed)
            break;
    }
    double chi2 = 0;
    for (std::size_t i = 0; i < c.q.size(); ++i) {
        const double r = c.q[i] - fit.n[i] * fit.e;
        chi2 += c.w[i] * r * r;
    }
    fit.chi2 = chi2;
    return fit;
}

/// Walks the candidates down from `top`; the first fit that `accept`s wins.
template <class Accept>
std::optional<Fit> search(const Charges& c, double top, double qMax, Accept accept)
{
    const double bottom = qMax / Estimate::MaxMultiple;
    for (double candidate = top; candidate >= bottom;) {
        Fit fit = fitFrom(c, candidate);
        if (std::isfinite(fit.e) && fit.e > 0 && accept(fit))
            return fit;
        // A quarter of the gap between neighbouring multiples of the largest charge.
        const double nMax = qMax / candidate;
        candidate *= 1 - 1 / (4 * std::max(1.0, nMax));
    }
    return std::nullopt;
}

} // namespace

double ElementaryChargeEstimate::chiSquareQuantile(double p, int dof)
{
    if (dof < 1)
        return 0;
    // The standard normal quantile (Abramowitz and Stegun 26.2.23, |error| < 4.5e-4).
    const double t = std::sqrt(-2 * std::log(1 - p));
    const double z =
        t - (2.515517 + 0.802853 * t + 0.010328 * t * t) / (1 + 1.432788 * t + 0.189269 * t * t + 0.001308 * t * t * t);
    const double k = dof;
    const double h = 2 / (9 * k);
    return k * std::pow(1 - h + z * std::sqrt(h), 3);
}

ElementaryChargeEstimate::Result ElementaryChargeEstimate::estimate(std::span<const Measurement> measurements)
{
    Result result;
    Charges c;
    double qMax = 0;
    for (std::size_t i = 0; i < measurements.size(); ++i) {
        const Measurement& m = measurements[i];
        if (!(std::isfinite(m.q) && std::isfinite(m.u) && m.u > 0 && m.q > 2 * m.u))
            continue;
        c.q.push_back(m.q);
        c.w.push_back(1 / (m.u * m.u));
        c.index.push_back(i);
        qMax = std::max(qMax, m.q);
    }
    if (c.q.empty())
        return result;

    const int dof = static_cast<int>(c.q.size()) - 1;
    std::optional<Fit> fit;
    bool consistent = true;
    if (dof == 0) {
        // One charge alone: it is e itself (n = 1), the largest e it allows.
        fit = fitFrom(c, c.q[0]);
    } else {
        // The search starts above every charge's upper bound on e, with room
        // for the largest deviation expected among N charges.
        const double z = 3 + std::sqrt(2 * std::log(static_cast<double>(c.q.size())));
        double top = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < c.q.size(); ++i)
            top = std::min(top, c.q[i] + z / std::sqrt(c.w[i]));
        const double limit = chiSquareQuantile(0.999, dof);
        fit = search(c, top, qMax, [limit](const Fit& f) { return f.chi2 <= limit; });
        if (!fit) {
            // The charges scatter more than their errors say. Then the largest e
            // whose residuals are well inside the spacing of its multiples: the
            // residual variance under a third of that of charges placed at random
            // between the multiples (e²/12 each).
            consistent = false;
            double sumW = 0;
            for (const double w : c.w)
                sumW += w;
            fit = search(c, top, qMax, [sumW](const Fit& f) { return f.chi2 <= sumW * f.e * f.e / 12 / 3; });
            if (!fit)
                return result;
        }
    }

    // The final fit takes the charges whose whole number is certain: an
    // uncertainty under e/6 puts the nearest multiple three standard
    // deviations from its neighbours. A charge whose multiple is in doubt
    // would pass its doubt on to e as if it were certain.
    Charges certain;
    for (std::size_t i = 0; i < c.q.size(); ++i)
        if (1 / std::sqrt(c.w[i]) < fit->e / 6) {
            certain.q.push_back(c.q[i]);
            certain.w.push_back(c.w[i]);
            certain.index.push_back(c.index[i]);
        }
    // Without two such charges (one, when there is only one) e is not found:
    // charges that cannot say which multiple they are "fit" any e of about
    // their size, and the largest of those would be given with confidence.
    if (certain.q.size() < std::min<std::size_t>(2, c.q.size()))
        return result;
    const Fit final = fitFrom(certain, fit->e);
    const int finalDof = static_cast<int>(certain.q.size()) - 1;

    result.valid = true;
    result.e = final.e;
    result.chi2 = final.chi2;
    result.degreesOfFreedom = finalDof;
    result.consistent = consistent;
    const double birge = finalDof > 0 ? std::sqrt(final.chi2 / finalDof) : 1;
    result.u = std::max(1.0, birge) / std::sqrt(final.sumWn2);
    result.expanded = CoverageFactor * result.u;
    result.multiples = final.n;
    result.used = certain.index;
    return result;
}
