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
///    than MaxMultiple elementary charges.
/// 2. At each candidate the charges get their nearest multiples n_i ≥ 1, and
///    e is fitted to them by weighted least squares, e = Σ w·n·q / Σ w·n²
///    with w = 1/u², the multiples re-assigned and the fit repeated until
///    they no longer change.
/// 3. The first fit — the largest e — whose χ² = Σ ((q − n·e)/u)² is within
///    the 99.9 % quantile of the χ² distribution for N − 1 degrees of freedom
///    is the estimate: the largest e of which all charges are multiples
///    within their errors. Every e/k fits as well, which is why the largest
///    is taken.
/// 4. A few precise charges may all happen to be even multiples, and then the
///    largest e that fits is 2e; charges a little less precise than they
///    say may miss the multiples of e by a little too much, and then it is
///    e/2. So the charges as a whole decide among it, its multiples 2e and
///    3e and its divisors e/2 and e/3: the one under which the charges are
///    most likely (each a multiple n·e with n from 1 to ⌈q_max/e⌉ equally
///    likely, measured with its normal error; each candidate at its most
///    likely value nearby) wins, from the largest down a smaller one only
///    when it makes them clearly (e² times) more likely. A smaller e spreads
///    its chance over more multiples, so it wins only when the charges need
///    it; a larger one loses at once when a charge lies between its multiples.
/// 5. The final fit takes only the charges whose multiple is certain: those
///    with an uncertainty under e/6, whose nearest multiple is then three
///    standard deviations from the next. A charge whose multiple is in doubt
///    would pass its doubt on to e as if it were certain. Charges that
///    cannot tell their multiple "fit" any e of their size, so without such
///    charges there is no estimate.
/// 6. Nor is there one from fewer than MinimumCharges certain charges: if the
///    elementary charge were half the e found, each charge would be an even
///    multiple of it by chance, one in two; fewer than seven all being so
///    is too likely (more than 1 %) to tell e from 2e (and e from 3e).
/// 7. The final fit is weighted least squares with the charges' covariance:
///    each charge has an error of its own and may share one with the other
///    charges of its group (a drop's free fall enters all its charges), so
///    e = nᵀC⁻¹q / nᵀC⁻¹n, χ² = rᵀC⁻¹r with r = q − n·e. Its standard
///    uncertainty 1/sqrt(nᵀC⁻¹n) is scaled by the Birge ratio
///    sqrt(χ²/(N − 1)) when the charges scatter more than their errors say.
///    The expanded uncertainty is twice that (coverage factor k = 2, about
///    95 %).
///
/// When no candidate passes (the errors are stated too small), the estimate is
/// the largest e whose residuals are well inside the spacing of its multiples
/// (their weighted variance under a third of e²/12, that of charges at random
/// places), with the Birge-scaled uncertainty, marked as not consistent with
/// the stated errors.
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
        NoCharges,    ///< no charge clearly above 0
        Scattered,    ///< no e fits the charges, even loosely
        TooUncertain, ///< no charge is precise enough to tell its multiple
        TooFew,       ///< fewer than MinimumCharges tell their multiple: e, 2e or 3e cannot be told apart
    };

    struct Result {
        Verdict verdict = Verdict::NoCharges;
        int certain = 0;               ///< charges whose multiple is certain at the e found
        double e = 0;                  ///< the estimate, in the unit of the charges
        double u = 0;                  ///< its standard uncertainty
        double expanded = 0;           ///< its expanded uncertainty, k = 2
        double chi2 = 0;               ///< χ² of the final fit
        int degreesOfFreedom = 0;      ///< charges in the final fit − 1
        bool consistent = false;       ///< some e fitted all charges within their stated errors
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

    /// The estimate from `measurements`. Only positive charges with a positive,
    /// finite uncertainty that are more than twice their uncertainty take part
    /// (a charge within its errors of 0 says nothing about e).
    static Result estimate(std::span<const Measurement> measurements);

    /// The p-quantile of the χ² distribution with `dof` degrees of freedom
    /// (Wilson–Hilferty), for p of 0.5 and above.
    static double chiSquareQuantile(double p, int dof);
};
