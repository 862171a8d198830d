// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SlipExtrapolation.h"

#include "ChargeUnits.h"
#include "DropletPhysics.h"
#include "SlipCorrection.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using Point = SlipExtrapolation::Point;
constexpr double Unit = ChargeUnits::ChargeUnit;

/// A drop on the line: its point, and what its radius is found from.
struct DropPoint {
    Point point;
    const JournalDrop* drop;
    double vg; ///< m/s
};

/// The journal's own estimate, whose multiples the drops' charges take.
const ElementaryChargeEstimate::Result* reference(const JournalAnalysis::Result& r)
{
    if (r.fromCharges.valid())
        return &r.fromCharges;
    if (r.fromChanges.valid())
        return &r.fromChanges;
    return nullptr;
}

std::optional<double> fallOf(const JournalAnalysis::Result& r, int drop)
{
    for (const JournalAnalysis::Fall& f : r.falls)
        if (f.drop == drop)
            return f.v;
    return std::nullopt;
}

/// The drop's apparent elementary charge from its charges by Stokes' law,
/// each divided by the multiple its corrected charge has of `e` (10⁻¹⁹ C);
/// none without a charge whose multiple is certain.
std::optional<Point> apparentCharge(int drop, const JournalAnalysis::Result& corrected,
                                    const JournalAnalysis::Result& plain, double e)
{
    double sumWnn = 0, sumWnq = 0, sumWnc = 0;
    for (const JournalAnalysis::DropCharge& c : corrected.charges) {
        if (c.drop != drop)
            continue;
        const auto a = std::find_if(plain.charges.begin(), plain.charges.end(),
                                    [&c](const auto& p) { return p.drop == c.drop && p.chargeState == c.chargeState; });
        const double q = std::fabs(c.q) / Unit, u = c.u / Unit;
        const double n = std::round(q / e);
        // A multiple is certain when its neighbours are three errors away.
        if (a == plain.charges.end() || n < 1 || u >= e / 6 || std::fabs(q - n * e) > 3 * u)
            continue;
        const double own = std::sqrt(std::max(a->u * a->u - a->common * a->common, 1e-12 * a->u * a->u)) / Unit;
        const double w = 1 / (own * own);
        sumWnn += w * n * n;
        sumWnq += w * n * std::fabs(a->q) / Unit;
        sumWnc += w * n * (a->q < 0 ? -a->common : a->common) / Unit;
    }
    if (sumWnn == 0)
        return std::nullopt;
    Point p;
    p.drop = drop;
    p.e = sumWnq / sumWnn;
    // The free fall's error moves all the drop's charges together.
    p.eU = std::hypot(1 / std::sqrt(sumWnn), sumWnc / sumWnn);
    p.y = std::pow(p.e, 2.0 / 3);
    p.yU = 2.0 / 3 * p.y * p.eU / p.e;
    return p;
}

/// A weighted straight line y = A + B·x and its covariance.
struct Line {
    double A = 0, B = 0, varA = 0, varB = 0, cov = 0, chi2 = 0;
    int dof = 0;
};

std::optional<Line> fitLine(const std::vector<DropPoint>& drops)
{
    double S = 0, Sx = 0, Sy = 0, Sxx = 0, Sxy = 0;
    for (const DropPoint& d : drops) {
        const Point& p = d.point;
        const double w = 1 / (p.yU * p.yU);
        S += w;
        Sx += w * p.x;
        Sy += w * p.y;
        Sxx += w * p.x * p.x;
        Sxy += w * p.x * p.y;
    }
    const double D = S * Sxx - Sx * Sx;
    // All drops at one x: no line through them.
    if (!(D > 1e-12 * S * Sxx))
        return std::nullopt;
    Line l;
    l.A = (Sxx * Sy - Sx * Sxy) / D;
    l.B = (S * Sxy - Sx * Sy) / D;
    for (const DropPoint& d : drops)
        l.chi2 += std::pow((d.point.y - l.A - l.B * d.point.x) / d.point.yU, 2);
    l.dof = static_cast<int>(drops.size()) - 2;
    // Drops scattered more than their errors say: the errors are larger (Birge).
    const double scale = l.dof > 0 ? std::max(1.0, l.chi2 / l.dof) : 1.0;
    l.varA = scale * Sxx / D;
    l.varB = scale * S / D;
    l.cov = -scale * Sx / D;
    return l;
}

/// Every drop's x at the slip constant `b`: false when a radius cannot be found.
bool placeAt(std::vector<DropPoint>& drops, double b)
{
    for (DropPoint& d : drops) {
        const SetupParameters& s = d.drop->setup;
        const std::optional<double> a = SlipCorrection::radius(d.vg, s.r, s.r0, static_cast<double>(s.eta),
                                                               *d.drop->pressure, DropletPhysics::G, b);
        if (!a)
            return false;
        d.point.x = 1 / (*d.drop->pressure * *a);
    }
    return true;
}

} // namespace

SlipExtrapolation::Result SlipExtrapolation::fit(const Journal& journal, const JournalAnalysis::Result& corrected,
                                                 const JournalAnalysis::Result& plain)
{
    Result result;
    const ElementaryChargeEstimate::Result* estimate = reference(corrected);
    if (!estimate)
        return result;
    std::vector<DropPoint> drops;
    for (const JournalDrop& d : journal.drops) {
        const std::optional<double> vg = fallOf(plain, d.number);
        if (!d.slipCorrection || !d.pressure || !d.diameterHidden || !vg)
            continue;
        if (std::optional<Point> p = apparentCharge(d.number, corrected, plain, estimate->e / Unit)) {
            p->pressure = *d.pressure;
            drops.push_back({*p, &d, *vg});
        }
    }
    // Stokes' radii first; then the radii of the b found, until it settles.
    double b = 0;
    std::optional<Line> line;
    bool placed = placeAt(drops, b);
    for (int i = 0; placed && static_cast<int>(drops.size()) >= MinimumDrops && i < 100; ++i) {
        line = fitLine(drops);
        if (!line || !(line->A > 0))
            break;
        const double next = std::max(0.0, line->B / line->A);
        const bool settled = std::fabs(next - b) <= 1e-9 * std::max(next, 1e-6);
        b = next;
        placed = placeAt(drops, b);
        if (settled)
            break;
    }
    for (const DropPoint& d : drops)
        result.points.push_back(d.point);
    if (!placed || !line || !(line->A > 0))
        return result;
    const Line& l = *line;
    result.valid = true;
    result.intercept = l.A;
    result.slope = l.B;
    result.e = std::pow(l.A, 1.5);
    result.u = 1.5 * result.e * std::sqrt(l.varA) / l.A;
    result.expanded = ElementaryChargeEstimate::CoverageFactor * result.u;
    result.b = l.B / l.A;
    result.bU = std::sqrt(std::max(0.0, l.varB / (l.A * l.A) + l.B * l.B * l.varA / std::pow(l.A, 4)
                                            - 2 * l.B * l.cov / std::pow(l.A, 3)));
    result.chi2 = l.chi2;
    result.degreesOfFreedom = l.dof;
    return result;
}
