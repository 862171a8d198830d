// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalAnalysis.h"

#include "DropletPhysics.h"

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

namespace {

using Phase = MeasurementPhase;

/// The smallest relative uncertainty a charge is given: an exact reading
/// would otherwise weigh infinitely.
constexpr double UncertaintyFloor = 1e-6;

int phaseIndex(Phase phase)
{
    return static_cast<int>(phase);
}

struct Accumulator {
    int count = 0;
    double sum = 0;
    double sumSquares = 0;
    double sumU2 = 0; ///< Σ u² of the timings' own uncertainties
};

/// Mean and sample standard deviation of values kept as Σx and Σx².
double mean(const Accumulator& a)
{
    return a.sum / a.count;
}

std::optional<double> sd(const Accumulator& a)
{
    if (a.count < 2)
        return std::nullopt;
    const double m = mean(a);
    return std::sqrt(std::max(0.0, (a.sumSquares - a.count * m * m) / (a.count - 1)));
}

/// The uncertainty of a group's mean: its standard error, but no less than
/// the timings' own uncertainty.
double meanUncertainty(const Accumulator& a)
{
    const double own = std::sqrt(a.sumU2) / a.count;
    const std::optional<double> s = sd(a);
    return s ? std::max(own, *s / std::sqrt(static_cast<double>(a.count))) : own;
}

} // namespace

ChargeFormula::Setup JournalAnalysis::setupOf(const JournalDrop& drop)
{
    ChargeFormula::Setup s;
    s.DD = drop.setup.DD;
    s.Ux = drop.setup.Ux;
    s.r = drop.setup.r;
    s.r0 = drop.setup.r0;
    s.eta = static_cast<double>(drop.setup.eta);
    if (!drop.diameterHidden)
        s.d = drop.setup.d;
    return s;
}

JournalAnalysis::Result JournalAnalysis::analyse(const Journal& journal)
{
    Result result;
    const std::size_t n = journal.entries.size();
    result.entryCharges.assign(n, std::nullopt);

    // The velocities of each drop in each phase.
    std::map<int, std::array<Accumulator, 3>> velocities;
    std::vector<std::optional<double>> entryVelocity(n);
    for (std::size_t i = 0; i < n; ++i) {
        const JournalEntry& e = journal.entries[i];
        if (e.deleted)
            continue;
        const std::optional<double> v = e.measuredVelocity();
        if (!v || !std::isfinite(*v))
            continue;
        entryVelocity[i] = v;
        Accumulator& a = velocities[e.drop][phaseIndex(e.phase)];
        ++a.count;
        a.sum += *v;
        a.sumSquares += *v * *v;
        const double u = e.velocityUncertainty();
        a.sumU2 += u * u;
    }

    // Each drop's free fall, and its setup.
    std::unordered_map<int, const JournalDrop*> drops;
    for (const JournalDrop& d : journal.drops)
        drops[d.number] = &d;
    struct FreeFall {
        double v;
        double u;
    };
    std::unordered_map<int, FreeFall> freeFall;
    for (const auto& [drop, phases] : velocities) {
        const Accumulator& a = phases[phaseIndex(Phase::NoField)];
        if (a.count > 0) {
            freeFall[drop] = {mean(a), meanUncertainty(a)};
            continue;
        }
        const auto it = drops.find(drop);
        if (it != drops.end() && !it->second->diameterHidden) {
            // The model's own terminal velocity.
            const SetupParameters& p = it->second->setup;
            const float tau = DropletPhysics::relaxationTime(p.r, p.d, p.eta);
            freeFall[drop] = {DropletPhysics::terminalVelocity(tau, p.r, p.r0), 0};
        }
    }

    // The charge of every timing with the field.
    std::map<int, std::array<Accumulator, 3>> charges;
    for (std::size_t i = 0; i < n; ++i) {
        const JournalEntry& e = journal.entries[i];
        if (!entryVelocity[i] || e.phase == Phase::NoField)
            continue;
        const auto drop = drops.find(e.drop);
        const auto fall = freeFall.find(e.drop);
        if (drop == drops.end() || fall == freeFall.end())
            continue;
        const std::optional<ChargeFormula::Charge> q =
            ChargeFormula::charge(setupOf(*drop->second), *entryVelocity[i], fall->second.v);
        if (!q)
            continue;
        result.entryCharges[i] = q->q;
        Accumulator& a = charges[e.drop][phaseIndex(e.phase)];
        ++a.count;
        a.sum += q->q;
        a.sumSquares += q->q * q->q;
    }

    // Groups, and the charge of each drop in each field phase from its mean velocities.
    std::vector<ElementaryChargeEstimate::Measurement> chargeMeasurements, changeMeasurements;
    for (const auto& [drop, phases] : velocities) {
        for (const Phase phase : {Phase::NoField, Phase::FirstCharge, Phase::Irradiated}) {
            const Accumulator& a = phases[phaseIndex(phase)];
            if (a.count == 0)
                continue;
            Group g;
            g.drop = drop;
            g.phase = phase;
            g.count = a.count;
            g.velocityMean = mean(a);
            g.velocitySd = sd(a);
            g.velocityUncertainty = meanUncertainty(a);
            if (const auto c = charges.find(drop); c != charges.end() && c->second[phaseIndex(phase)].count > 0) {
                g.chargeMean = mean(c->second[phaseIndex(phase)]);
                g.chargeSd = sd(c->second[phaseIndex(phase)]);
            }
            result.groups.push_back(g);
        }
        const auto dropIt = drops.find(drop);
        const auto fall = freeFall.find(drop);
        if (dropIt == drops.end() || fall == freeFall.end())
            continue;
        const ChargeFormula::Setup setup = setupOf(*dropIt->second);
        const Accumulator& first = phases[phaseIndex(Phase::FirstCharge)];
        const Accumulator& after = phases[phaseIndex(Phase::Irradiated)];
        for (const Phase phase : {Phase::FirstCharge, Phase::Irradiated}) {
            const Accumulator& a = phase == Phase::FirstCharge ? first : after;
            if (a.count == 0)
                continue;
            const std::optional<ChargeFormula::Charge> q = ChargeFormula::charge(setup, mean(a), fall->second.v);
            if (!q)
                continue;
            const double u = std::max(std::hypot(q->dqdvE * meanUncertainty(a), q->dqdvg * fall->second.u),
                                      UncertaintyFloor * std::fabs(q->q));
            result.charges.push_back({drop, phase, q->q, u});
            chargeMeasurements.push_back({q->q, u});
        }
        if (first.count > 0 && after.count > 0) {
            const std::optional<ChargeFormula::Charge> dq =
                ChargeFormula::chargeChange(setup, mean(first), mean(after), fall->second.v);
            if (dq) {
                const double u = std::max(std::hypot(dq->dqdvE * meanUncertainty(first),
                                                     dq->dqdvE * meanUncertainty(after), dq->dqdvg * fall->second.u),
                                          UncertaintyFloor * std::fabs(dq->q));
                result.changes.push_back({drop, Phase::Irradiated, dq->q, u});
                // The size of the change counts; its sign only says which way.
                changeMeasurements.push_back({std::fabs(dq->q), u});
            }
        }
    }

    result.fromCharges = ElementaryChargeEstimate::estimate(chargeMeasurements);
    result.fromChanges = ElementaryChargeEstimate::estimate(changeMeasurements);
    std::set<int> inFit;
    for (const std::size_t i : result.fromCharges.used)
        inFit.insert(result.charges[i].drop);
    result.dropsInFit = static_cast<int>(inFit.size());
    inFit.clear();
    for (const std::size_t i : result.fromChanges.used)
        inFit.insert(result.changes[i].drop);
    result.changeDropsInFit = static_cast<int>(inFit.size());
    return result;
}
