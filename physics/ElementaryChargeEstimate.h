// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <vector>

/// The elementary charge from measured charges q_i ± u_i, each taken to be a
/// whole multiple n_i·e.
///
/// 1. Candidates. Every charge bounds e from above (e ≤ q_i + z·u_i, z = 3 +
///    sqrt(2·ln N), room for the largest of N deviations), so the search
///    starts at the smallest of these bounds and walks down, in steps
///    small enough (a quarter of e/n_max) that no assignment of whole numbers
///    n_i = round(q_i/e) is skipped, until the largest charge would be more
///    than MaxMultiple elementary charges. At each step the charges get their
///    nearest multiples n_i ≥ 1, and e is fitted to them by weighted least
///    squares, e = Σ w·n·q / Σ w·n² with w = 1/u², the multiples re-assigned
///    and the fit repeated until they no longer change. Each distinct fit is
///    a candidate.
/// 2. Stated errors may be too small (a hand's reaction guessed, a drop that
///    drifted): every error may be larger by a common factor s ≥ 1, from 1
///    up to ScaleLimit in steps of 1.5 times.
/// 3. The chance of the charges under a candidate e and a factor s: each
///    charge a multiple n·e with n from 1 to K = q_max/e equally likely,
///    measured with its normal error s·u_i. A smaller e spreads its chance
///    over more multiples (e/2 over twice as many: 2^N times less likely when
///    all the charges are multiples of e); a larger one loses at once when a
///    charge lies between its multiples; an e whose multiples the charges do
///    not lie near is no more likely than charges spread evenly. Each
///    candidate is taken at the e near it (fitted to the charges certain
///    there, then the likeliest nearby) and the s that make the charges most
///    likely.
/// 4. The likeliest candidate is the estimate only when it makes the charges
///    at least DecisiveOdds (100) times likelier than any other e (one that
///    moves a certain charge to another multiple). Seven exact charges that
///    are all even multiples but one make e 2⁷ = 128 times likelier than
///    e/2; six, only 64 times: then e, 2e and 3e cannot be told apart, and
///    there is no estimate.
/// 5. The errors are then scaled by the candidate's likeliest s. The final
///    fit takes only the charges whose multiple is certain: those with an
///    uncertainty under e/6, whose nearest multiple is then three standard
///    deviations from the next. A charge whose multiple is in doubt would
///    pass its doubt on to e as if it were certain. There must be at least
///    MinimumCharges of them (if the elementary charge were half the e found,
///    each would be an even multiple of it by chance, one in two; fewer than
///    seven all being so is more likely than 1 %).
/// 6. The final fit is weighted least squares with the charges' covariance:
///    each charge has an error of its own and may share one with the other
///    charges of its group (a drop's free fall enters all its charges), so
///    e = nᵀC⁻¹q / nᵀC⁻¹n, χ² = rᵀC⁻¹r with r = q − n·e. Its standard
///    uncertainty 1/sqrt(nᵀC⁻¹n) is scaled by the Birge ratio
///    sqrt(χ²/(N − 1)) when the charges scatter more than their errors say.
///    The expanded uncertainty is twice that (coverage factor k = 2, about
///    95 %). An e whose standard uncertainty exceeds a tenth of it cannot
///    tell which multiples the charges are, and is not given.
///
/// The estimate is marked consistent when its fit to all the charges is
/// within their stated errors (χ² under its 99.9 % quantile for N − 1
/// degrees of freedom); otherwise its uncertainty comes from their scatter.
class ElementaryChargeEstimate {
public:
    /// A measured charge and its standard uncertainty, in any one unit. Of
    /// the uncertainty, `common` (signed) is shared by all the charges of
    /// its group: one standard deviation of the group's shared error moves
    /// each of them by its `common`.
    struct Measurement {
        double q;
        double u;
        int group = -1;    ///< charges that share an error (-1: none)
        double common = 0; ///< the shared part of u, |common| ≤ u
    };

    /// Whether there is an estimate, or why not.
    enum class Verdict {
        Found,
        NoCharges,             ///< no charge clearly above 0
        Scattered,             ///< no e fits the charges, even loosely
        Ambiguous,             ///< the charges lie near the multiples of more than one e
        TooUncertain,          ///< no charge is precise enough to tell its multiple
        TooFew,                ///< fewer than MinimumCharges tell their multiple: e, 2e or 3e cannot be told apart
        ScatterHidesMultiples, ///< the charges scatter more than their errors say, too much to tell their multiples
    };

    struct Result {
        Verdict verdict = Verdict::NoCharges;
        int certain = 0;          ///< charges whose multiple is certain at the e found
        double e = 0;             ///< the estimate, in the unit of the charges
        double u = 0;             ///< its standard uncertainty
        double expanded = 0;      ///< its expanded uncertainty, k = 2
        double chi2 = 0;          ///< χ² of the final fit
        int degreesOfFreedom = 0; ///< charges in the final fit − 1
        bool consistent = false;  ///< the fit to all the charges is within their stated errors
        double scale = 1;         ///< the factor the stated errors were taken to be too small by
        double odds = 0; ///< how many times likelier the e found (or the likeliest) makes the charges than any other
        std::vector<int> multiples;    ///< n_i of each charge of the final fit, in the order of `used`
        std::vector<std::size_t> used; ///< indexes of the measurements in the final fit

        /// An estimate was found.
        bool valid() const { return verdict == Verdict::Found; }
    };

    /// Multiples beyond this are not considered: e at least q_max/MaxMultiple.
    static constexpr int MaxMultiple = 60;
    /// Coverage factor of the expanded uncertainty.
    static constexpr double CoverageFactor = 2;
    /// Certain charges needed for an estimate: (1/2)^7 < 1 %.
    static constexpr int MinimumCharges = 7;
    /// How many times likelier the e found must make the charges than any other.
    static constexpr double DecisiveOdds = 100;
    /// The largest factor by which the stated errors may be too small.
    static constexpr double ScaleLimit = 300;

    /// The estimate from `measurements`. Only positive charges with a positive,
    /// finite uncertainty that are more than twice their uncertainty take part
    /// (a charge within its errors of 0 says nothing about e).
    static Result estimate(std::span<const Measurement> measurements);

    /// The p-quantile of the χ² distribution with `dof` degrees of freedom
    /// (Wilson–Hilferty), for p of 0.5 and above.
    static double chiSquareQuantile(double p, int dof);
};
