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

/// ln of the chance of the charges if e is the elementary charge and their
/// errors are `scale` times those stated: each charge a multiple n·e, n from
/// 1 to K = qTop/e equally likely, measured with its normal error:
/// Σ_i ln((1/K)·Σ_n exp(−(q_i − n·e)²/(2σ_i²))/(σ_i√2π)), σ_i = scale·u_i. A
/// smaller e has more multiples to spread its chance over, so it is taken
/// only when the charges need it; a charge as uncertain as e is as likely
/// under any e.
double marginalLogLikelihood(const Charges& c, double e, double scale, double qTop)
{
    // The number of multiples, continuous: a whole number would make the
    // chance jump as e passes qTop/k.
    const double K = std::max(1.0, qTop / e);
    double sum = 0;
    const double last = std::ceil(K);
    for (std::size_t i = 0; i < c.q.size(); ++i) {
        const double u = scale / std::sqrt(c.w[i]);
        const double q = c.q[i];
        double chance = 0; // Σ_n exp(−(q − n·e)²/(2u²)), n = 1 … ⌈K⌉
        if (u < e) {
            // Only the multiples within eight standard deviations count.
            const int from = std::max(1, static_cast<int>(std::floor((q - 8 * u) / e)));
            const int to = std::min(static_cast<int>(last), static_cast<int>(std::ceil((q + 8 * u) / e)));
            for (int n = from; n <= to; ++n) {
                const double z = (q - n * e) / u;
                chance += std::exp(-0.5 * z * z);
            }
        } else {
            // As wide as the spacing or wider: by Poisson's summation, the normal
            // density's share between the multiples 1/2 and ⌈K⌉ + 1/2 over
            // the spacing, with its first harmonic (the next is below 10⁻¹⁷; the ends are within about 1 %).
            const double lower = (0.5 * e - q) / u, upper = ((last + 0.5) * e - q) / u;
            const double inside =
                0.5 * (std::erfc(lower / std::numbers::sqrt2) - std::erfc(upper / std::numbers::sqrt2));
            const double ripple = 2 * std::exp(-2 * std::numbers::pi * std::numbers::pi * u * u / (e * e))
                                  * std::cos(2 * std::numbers::pi * q / e);
            chance = u * std::sqrt(2 * std::numbers::pi) / e * inside * (1 + ripple);
        }
        sum += std::log(std::max(chance, 1e-300) / (u * std::sqrt(2 * std::numbers::pi)) / K);
    }
    return sum;
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

/// Where the search for e starts: above every charge's upper bound on e,
/// with room for the largest deviation expected among N charges.
double searchTop(const Charges& c)
{
    const double z = 3 + std::sqrt(2 * std::log(static_cast<double>(c.q.size())));
    double top = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < c.q.size(); ++i)
        top = std::min(top, c.q[i] + z / std::sqrt(c.w[i]));
    return top;
}

/// The charges with every uncertainty (its shared part too) `factor` times larger.
Charges scaled(Charges c, double factor)
{
    for (double& w : c.w)
        w /= factor * factor;
    for (double& s : c.common)
        s *= factor;
    return c;
}

/// Every distinct fit met on the walk down from the top: the candidates.
std::vector<Fit> candidates(const Charges& c, double qMax)
{
    std::vector<Fit> fits;
    search(c, searchTop(c), qMax, [&fits](const Fit& f) {
        const bool known =
            std::any_of(fits.begin(), fits.end(), [&f](const Fit& g) { return std::fabs(g.e - f.e) <= 1e-9 * f.e; });
        if (!known)
            fits.push_back(f);
        return false; // walk on to the bottom
    });
    return fits;
}

/// The error factors s considered: 1, 1.5, 1.5², … up to ScaleLimit, equally
/// likely (a logarithmic scale).
std::vector<double> scaleGrid()
{
    std::vector<double> scales;
    for (double s = 1; s <= Estimate::ScaleLimit; s *= 1.5)
        scales.push_back(s);
    return scales;
}

/// e fitted to the charges whose multiple is certain at `e0` when their
/// errors are `scale` times those stated (the others would pull it off by
/// multiples they cannot tell), with its information Σ n²/(scale·u)²; `e0`
/// and 0 without such charges.
std::pair<double, double> certainFit(const Charges& c, double e0, double scale)
{
    double e = e0, information = 0;
    for (int round = 0; round < 3; ++round) {
        double sumWnq = 0, sumWn2 = 0;
        for (std::size_t i = 0; i < c.q.size(); ++i) {
            const double w = c.w[i] / (scale * scale);
            if (36 * w * e0 * e0 <= 1) // u ≥ e0/6
                continue;
            const double n = nearestMultiple(c.q[i], e);
            sumWnq += w * n * c.q[i];
            sumWn2 += w * n * n;
        }
        if (sumWn2 == 0)
            return {e0, 0};
        e = sumWnq / sumWn2;
        information = sumWn2;
    }
    return {e, information};
}

/// A candidate's peak: e, the error factor s under which the charges are
/// most likely there, and ln of that chance.
struct Peak {
    double e = 0;
    double scale = 1;
    double likelihood = -std::numeric_limits<double>::infinity();
    std::size_t fit = 0;
};

/// The charges' chance at `e` under the likeliest error factor. `share`
/// scales the sample's chance to that of all the charges; `uMin` is the
/// smallest of their uncertainties.
Peak atLikeliestScale(const Charges& sample, double share, double uMin, double e, double qTop,
                      const std::vector<double>& scales)
{
    Peak peak;
    peak.e = e;
    for (const double s : scales) {
        const double likelihood = share * marginalLogLikelihood(sample, e, s, qTop);
        if (likelihood > peak.likelihood) {
            peak.likelihood = likelihood;
            peak.scale = s;
        } else if (likelihood < peak.likelihood - 20) {
            break; // past the peak in s, and far below it
        }
        // Errors of two e and more blur the multiples: the chance is that of
        // charges spread evenly, whatever the factor.
        if (s * uMin >= 2 * e)
            break;
    }
    return peak;
}

/// The likeliest e within `range` (relative) of `start`, at the error factor
/// `scale`: a grid of nine, then golden sections around the best.
double likeliestNear(const Charges& sample, double start, double range, double scale, double qTop)
{
    const auto chance = [&](double e) { return marginalLogLikelihood(sample, e, scale, qTop); };
    double bestE = start, best = chance(start);
    for (int j = -4; j <= 4; ++j) {
        const double e = start * (1 + range * j / 4);
        if (const double l = chance(e); l > best) {
            best = l;
            bestE = e;
        }
    }
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = bestE * (1 - range / 4), b = bestE * (1 + range / 4);
    double x1 = b - ratio * (b - a), x2 = a + ratio * (b - a);
    double l1 = chance(x1), l2 = chance(x2);
    for (int i = 0; i < 16; ++i) {
        if (l1 > l2) {
            b = x2;
            x2 = x1;
            l2 = l1;
            x1 = b - ratio * (b - a);
            l1 = chance(x1);
        } else {
            a = x1;
            x1 = x2;
            l1 = l2;
            x2 = a + ratio * (b - a);
            l2 = chance(x2);
        }
    }
    return std::max(l1, l2) > best ? (l1 > l2 ? x1 : x2) : bestE;
}

/// The candidate most likely to be the elementary charge, the error factor
/// it has, and how many times likelier it makes the charges than its
/// strongest rival (another e, not one that differs only in the multiples of
/// charges too uncertain to tell them).
struct Choice {
    Peak peak;
    double odds = 0;
};

std::optional<Choice> likeliest(const Charges& c, const std::vector<Fit>& fits, double qMax)
{
    if (fits.empty())
        return std::nullopt;
    const Charges sample = sampleOf(c);
    const double share = static_cast<double>(c.q.size()) / static_cast<double>(sample.q.size());
    double qTop = 0;
    for (std::size_t i = 0; i < c.q.size(); ++i)
        qTop = std::max(qTop, c.q[i] + 3 / std::sqrt(c.w[i]));
    const std::vector<double> scales = scaleGrid();
    double uMin = std::numeric_limits<double>::infinity();
    for (const double w : sample.w)
        uMin = std::min(uMin, 1 / std::sqrt(w));
    const auto spacing = [qMax](double e) { return 1 / (4 * std::max(1.0, qMax / e)); };

    // Each candidate at e fitted to the charges certain there, then the
    // likeliest of them at their peaks nearby.
    std::vector<Peak> peaks;
    for (std::size_t k = 0; k < fits.size(); ++k) {
        Peak p = atLikeliestScale(sample, share, uMin, certainFit(sample, fits[k].e, 1).first, qTop, scales);
        p.fit = k;
        peaks.push_back(p);
    }
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.likelihood > b.likelihood; });
    for (std::size_t k = 0; k < std::min<std::size_t>(12, peaks.size()); ++k) {
        if (peaks[k].likelihood < peaks.front().likelihood - 15)
            break;
        const double e = likeliestNear(sample, peaks[k].e, spacing(peaks[k].e), peaks[k].scale, qTop);
        const std::size_t fit = peaks[k].fit;
        peaks[k] = atLikeliestScale(sample, share, uMin, e, qTop, scales);
        peaks[k].fit = fit;
    }
    const Peak best = *std::max_element(peaks.begin(), peaks.end(),
                                        [](const Peak& a, const Peak& b) { return a.likelihood < b.likelihood; });
    if (!std::isfinite(best.likelihood))
        return std::nullopt;
    // Another e must move the largest certain charge, n_c·e, to another
    // multiple: it lies at least e/(n_c + 1) away; within half of that it is
    // the same e.
    int largestCertain = 1;
    for (std::size_t i = 0; i < c.q.size(); ++i)
        if (best.scale / std::sqrt(c.w[i]) < best.e / 6)
            largestCertain = std::max(largestCertain, nearestMultiple(c.q[i], best.e));
    const double near = best.e / (2 * (largestCertain + 1));
    double rival = -std::numeric_limits<double>::infinity();
    for (const Peak& p : peaks)
        if (std::fabs(p.e - best.e) > near)
            rival = std::max(rival, p.likelihood);
    return Choice{best, std::exp(std::min(best.likelihood - rival, 700.0))};
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
    const Charges stated = chargesTakingPart(measurements);
    if (stated.q.empty())
        return result;
    const double qMax = *std::max_element(stated.q.begin(), stated.q.end());

    // The likeliest e, with the factor its errors are understated by.
    // Found on a sample of many charges (the chances are reckoned on it too).
    const std::vector<Fit> fits = candidates(sampleOf(stated), qMax);
    const std::optional<Choice> choice = likeliest(stated, fits, qMax);
    if (!choice) {
        result.verdict = Verdict::Scattered;
        return result;
    }
    const Peak& peak = choice->peak;
    result.odds = choice->odds;
    result.scale = peak.scale;
    // Consistent: the candidate's fit is within the stated errors.
    const Fit fit = fitFrom(stated, peak.e);
    const int dof = static_cast<int>(stated.q.size()) - 1;
    const bool consistent = dof < 1 || fit.chi2 <= chiSquareQuantile(0.999, dof);
    const Verdict uncertain = consistent ? Verdict::TooUncertain : Verdict::ScatterHidesMultiples;

    // The final fit takes the charges whose whole number is certain at the
    // scaled errors: a charge whose multiple is in doubt would pass its doubt
    // on to e as if it were certain, and charges that cannot say which
    // multiple they are "fit" any e of about their size. Too few, and e
    // cannot be told from its multiples.
    const Charges c = scaled(stated, peak.scale);
    const Charges certain = certainAt(c, peak.e);
    result.certain = static_cast<int>(certain.q.size());
    if (certain.q.empty()) {
        result.verdict = uncertain;
        return result;
    }
    if (result.certain < MinimumCharges) {
        result.verdict = Verdict::TooFew;
        return result;
    }
    if (choice->odds < DecisiveOdds) {
        result.verdict = consistent ? Verdict::Ambiguous : Verdict::ScatterHidesMultiples;
        return result;
    }
    const Fit multiples = fitFrom(certain, peak.e);
    const GeneralFit final = generalFit(certain, multiples.n);
    const int finalDof = result.certain - 1;
    const double birge = std::sqrt(final.chi2 / finalDof);
    const double u = std::max(1.0, birge) / std::sqrt(final.information);
    // An e that its own uncertainty could move by a tenth says nothing of
    // which multiples the charges are.
    if (!(u <= final.e / 10)) {
        result.verdict = uncertain;
        return result;
    }

    result.verdict = Verdict::Found;
    result.e = final.e;
    result.chi2 = final.chi2;
    result.degreesOfFreedom = finalDof;
    result.consistent = consistent;
    result.u = u;
    result.expanded = CoverageFactor * result.u;
    result.multiples = multiples.n;
    result.used = certain.index;
    return result;
}
