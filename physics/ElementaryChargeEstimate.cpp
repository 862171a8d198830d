// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ElementaryChargeEstimate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <utility>

namespace {

using Estimate = ElementaryChargeEstimate;

/// The charges taking part, with their weights.
struct Charges {
    std::vector<double> q;
    std::vector<double> w; ///< 1/u²
    std::vector<std::size_t> index;
    std::vector<int> group;
    std::vector<double> common; ///< the shared part of each uncertainty

    void add(const Charges& from, std::size_t i)
    {
        q.push_back(from.q[i]);
        w.push_back(from.w[i]);
        index.push_back(from.index[i]);
        group.push_back(from.group[i]);
        common.push_back(from.common[i]);
    }
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
    // q/e is positive: adding a half and cutting is rounding (and much
    // cheaper than the library's round, in the search's innermost loop).
    const double n = q / e + 0.5;
    return n < 2 ? 1 : static_cast<int>(std::min(n, 1e9));
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

/// How much more likely a divisor of the largest fitting e must make the
/// charges to be taken instead (a likelihood ratio of e² ≈ 7).
constexpr double ClearlyBetter = 2;

/// ln of the chance of the charges if e is the elementary charge: each charge
/// a multiple n·e, n from 1 to K = ⌈q_max/e⌉ equally likely, measured with its
/// normal error: Σ_i ln((1/K)·Σ_n exp(−(q_i − n·e)²/(2u_i²))/(u_i√2π)). A smaller
/// e has more multiples to spread its chance over, so it is taken only when
/// the charges need it; a charge as uncertain as e is as likely under any e.
double marginalLogLikelihood(const Charges& c, double e)
{
    double qTop = 0;
    for (std::size_t i = 0; i < c.q.size(); ++i)
        qTop = std::max(qTop, c.q[i] + 3 / std::sqrt(c.w[i]));
    const double K = std::max(1.0, std::ceil(qTop / e));
    double sum = 0;
    for (std::size_t i = 0; i < c.q.size(); ++i) {
        const double u = 1 / std::sqrt(c.w[i]);
        // Only the multiples within eight standard deviations count.
        const int from = std::max(1, static_cast<int>(std::floor((c.q[i] - 8 * u) / e)));
        const int to = std::min(static_cast<int>(K), static_cast<int>(std::ceil((c.q[i] + 8 * u) / e)));
        double chance = 0;
        for (int n = from; n <= to; ++n) {
            const double z = (c.q[i] - n * e) / u;
            chance += std::exp(-0.5 * z * z);
        }
        sum += std::log(std::max(chance, 1e-300) / (u * std::sqrt(2 * std::numbers::pi)) / K);
    }
    return sum;
}

/// The most likely e within 8 % of `start` (where the least-squares fit may sit
/// a little off, pulled by a charge or two): a grid of 0.8 % steps with the
/// start among them, then golden sections around the best. Returns e and ln
/// of its likelihood.
std::pair<double, double> mostLikelyNear(const Charges& c, double start)
{
    double bestE = start, bestL = marginalLogLikelihood(c, start);
    constexpr double Step = 0.008;
    for (int j = -10; j <= 10; ++j) {
        const double e = start * (1 + Step * j);
        const double l = marginalLogLikelihood(c, e);
        if (l > bestL) {
            bestL = l;
            bestE = e;
        }
    }
    // Golden sections, each keeping one of the two inner points.
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = bestE * (1 - Step), b = bestE * (1 + Step);
    double x1 = b - ratio * (b - a), x2 = a + ratio * (b - a);
    double l1 = marginalLogLikelihood(c, x1), l2 = marginalLogLikelihood(c, x2);
    for (int i = 0; i < 14; ++i) {
        if (l1 > l2) {
            b = x2;
            x2 = x1;
            l2 = l1;
            x1 = b - ratio * (b - a);
            l1 = marginalLogLikelihood(c, x1);
        } else {
            a = x1;
            x1 = x2;
            l1 = l2;
            x2 = a + ratio * (b - a);
            l2 = marginalLogLikelihood(c, x2);
        }
    }
    const double e = l1 > l2 ? x1 : x2, l = std::max(l1, l2);
    return l > bestL ? std::pair{e, l} : std::pair{bestE, bestL};
}

/// At most 500 of the charges, evenly picked: the likelihoods of the
/// candidates differ by hundreds already for them, and many more would only
/// cost time.
Charges sampleOf(const Charges& c)
{
    constexpr std::size_t Most = 500;
    if (c.q.size() <= Most)
        return c;
    Charges sample;
    for (std::size_t j = 0; j < Most; ++j)
        sample.add(c, j * c.q.size() / Most);
    return sample;
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

/// The charges whose multiple is certain at `e`: an uncertainty under e/6
/// puts the nearest multiple three standard deviations from its neighbours.
Charges certainAt(const Charges& c, double e)
{
    Charges certain;
    for (std::size_t i = 0; i < c.q.size(); ++i)
        if (1 / std::sqrt(c.w[i]) < e / 6)
            certain.add(c, i);
    return certain;
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

namespace {

/// The charges that take part: positive, with a positive finite uncertainty,
/// more than twice that uncertainty.
Charges chargesTakingPart(std::span<const Estimate::Measurement> measurements)
{
    Charges c;
    for (std::size_t i = 0; i < measurements.size(); ++i) {
        const Estimate::Measurement& m = measurements[i];
        if (!(std::isfinite(m.q) && std::isfinite(m.u) && m.u > 0 && m.q > 2 * m.u))
            continue;
        c.q.push_back(m.q);
        c.w.push_back(1 / (m.u * m.u));
        c.index.push_back(i);
        c.group.push_back(m.group);
        c.common.push_back(std::isfinite(m.common) ? std::clamp(m.common, -m.u, m.u) : 0.0);
    }
    return c;
}

/// The largest e that fits all the charges within their errors (χ² under
/// its 0.999 quantile); failing that, the largest whose residuals are well
/// inside the spacing of its multiples, with `consistent` false.
std::optional<Fit> largestFit(const Charges& c, double qMax, bool& consistent)
{
    consistent = true;
    const int dof = static_cast<int>(c.q.size()) - 1;
    // The search starts above every charge's upper bound on e, with room
    // for the largest deviation expected among N charges.
    const double z = 3 + std::sqrt(2 * std::log(static_cast<double>(c.q.size())));
    double top = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < c.q.size(); ++i)
        top = std::min(top, c.q[i] + z / std::sqrt(c.w[i]));
    const double limit = Estimate::chiSquareQuantile(0.999, dof);
    if (std::optional<Fit> fit = search(c, top, qMax, [limit](const Fit& f) { return f.chi2 <= limit; }))
        return fit;
    // The charges scatter more than their errors say. Then the largest e
    // whose residuals are well inside the spacing of its multiples: the
    // residual variance under a third of that of charges placed at random
    // between the multiples (e²/12 each).
    consistent = false;
    double sumW = 0;
    for (const double w : c.w)
        sumW += w;
    return search(c, top, qMax, [sumW](const Fit& f) { return f.chi2 <= sumW * f.e * f.e / 12 / 3; });
}

/// The few precise charges may all happen to be even (or threefold)
/// multiples: the largest e that fits is then 2e (3e). And charges a little
/// less precise than they say may miss the multiples of e by a little too
/// much, so that the largest e that fits is e/2. The charges as a whole
/// decide among the e found, its multiples 2e and 3e, and its divisors e/2
/// and e/3, each counted as the chance of its value with the charge numbers
/// equally likely up to the largest charge; each candidate fitted to its own
/// certain charges where it has them, and then taken at its most likely
/// value nearby. From the largest down, a smaller candidate is taken only
/// when it makes the charges clearly more likely.
double mostLikelyCandidate(const Charges& c, double found)
{
    const Charges sample = sampleOf(c);
    double chosen = found;
    double best = -std::numeric_limits<double>::infinity();
    for (const double factor : {3.0, 2.0, 1.0, 1 / 2.0, 1 / 3.0}) {
        double start = found * factor;
        const Charges certain = certainAt(c, start);
        if (certain.q.size() >= std::min<std::size_t>(2, c.q.size())) {
            const Fit own = fitFrom(certain, start);
            if (std::isfinite(own.e) && own.e > 0)
                start = own.e;
        }
        const auto [e, likelihood] = mostLikelyNear(sample, start);
        if (likelihood > best + ClearlyBetter || best == -std::numeric_limits<double>::infinity()) {
            best = likelihood;
            chosen = e;
        }
    }
    return chosen;
}

/// The final fit of e to fixed multiples with the charges' covariance
/// C = D + Σ_groups s·sᵀ: D the errors of their own, s the shared parts of
/// a group. C⁻¹ by Sherman–Morrison, one group at a time.
struct GeneralFit {
    double e = 0;
    double chi2 = 0;
    double information = 0; ///< nᵀC⁻¹n
};

GeneralFit generalFit(const Charges& c, const std::vector<int>& n)
{
    // The errors of their own: what is left of u² after the shared part
    // (never less than a hundredth of it, so that D stays invertible).
    std::vector<double> own(c.q.size());
    for (std::size_t i = 0; i < c.q.size(); ++i) {
        const double u2 = 1 / c.w[i];
        own[i] = std::max(u2 - c.common[i] * c.common[i], 0.01 * u2);
    }
    // xᵀC⁻¹y = Σ x·y/d − Σ_groups (Σ s·x/d)(Σ s·y/d) / (1 + Σ s²/d)
    const auto product = [&](const auto& x, const auto& y) {
        double sum = 0;
        std::map<int, std::array<double, 3>> groups; // Σ s·x/d, Σ s·y/d, Σ s²/d
        for (std::size_t i = 0; i < c.q.size(); ++i) {
            sum += x(i) * y(i) / own[i];
            if (c.group[i] < 0 || c.common[i] == 0)
                continue;
            std::array<double, 3>& g = groups[c.group[i]];
            g[0] += c.common[i] * x(i) / own[i];
            g[1] += c.common[i] * y(i) / own[i];
            g[2] += c.common[i] * c.common[i] / own[i];
        }
        for (const auto& [group, g] : groups)
            sum -= g[0] * g[1] / (1 + g[2]);
        return sum;
    };
    const auto multiple = [&](std::size_t i) { return static_cast<double>(n[i]); };
    const auto charge = [&](std::size_t i) { return c.q[i]; };
    GeneralFit fit;
    fit.information = product(multiple, multiple);
    fit.e = product(multiple, charge) / fit.information;
    const auto residual = [&](std::size_t i) { return c.q[i] - n[i] * fit.e; };
    fit.chi2 = product(residual, residual);
    return fit;
}

} // namespace

ElementaryChargeEstimate::Result ElementaryChargeEstimate::estimate(std::span<const Measurement> measurements)
{
    Result result;
    const Charges c = chargesTakingPart(measurements);
    if (c.q.empty())
        return result;
    const double qMax = *std::max_element(c.q.begin(), c.q.end());

    std::optional<Fit> fit;
    bool consistent = true;
    if (c.q.size() == 1) {
        // One charge alone: it is e itself (n = 1), the largest e it allows.
        fit = fitFrom(c, c.q[0]);
    } else {
        fit = largestFit(c, qMax, consistent);
        if (!fit) {
            result.verdict = Verdict::Scattered;
            return result;
        }
        // Not when the errors are stated too small: the chances would then say nothing.
        if (consistent)
            fit->e = mostLikelyCandidate(c, fit->e);
    }

    // The final fit takes the charges whose whole number is certain: a
    // charge whose multiple is in doubt would pass its doubt on to e as if
    // it were certain, and charges that cannot say which multiple they are
    // "fit" any e of about their size. Too few, and e cannot be told from
    // its multiples.
    const Charges certain = certainAt(c, fit->e);
    result.certain = static_cast<int>(certain.q.size());
    if (certain.q.empty()) {
        result.verdict = Verdict::TooUncertain;
        return result;
    }
    if (result.certain < MinimumCharges) {
        result.verdict = Verdict::TooFew;
        return result;
    }
    const Fit multiples = fitFrom(certain, fit->e);
    const GeneralFit final = generalFit(certain, multiples.n);
    const int finalDof = result.certain - 1;

    result.verdict = Verdict::Found;
    result.e = final.e;
    result.chi2 = final.chi2;
    result.degreesOfFreedom = finalDof;
    result.consistent = consistent;
    const double birge = std::sqrt(final.chi2 / finalDof);
    result.u = std::max(1.0, birge) / std::sqrt(final.information);
    result.expanded = CoverageFactor * result.u;
    result.multiples = multiples.n;
    result.used = certain.index;
    return result;
}
