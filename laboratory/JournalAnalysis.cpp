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

namespace {

using Velocities = std::map<int, std::array<Accumulator, 3>>;
using Drops = std::unordered_map<int, const JournalDrop*>;

/// A drop's free-fall velocity and its uncertainty, m/s.
struct FreeFall {
    double v;
    double u;
};
using FreeFalls = std::unordered_map<int, FreeFall>;

void add(Accumulator& a, double value, double u = 0)
{
    ++a.count;
    a.sum += value;
    a.sumSquares += value * value;
    a.sumU2 += u * u;
}

/// The velocity of every entry that has one (`entryVelocity`), summed by drop and phase.
Velocities velocitiesOf(const Journal& journal, std::vector<std::optional<double>>& entryVelocity)
{
    Velocities velocities;
    entryVelocity.assign(journal.entries.size(), std::nullopt);
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        const JournalEntry& e = journal.entries[i];
        if (e.deleted)
            continue;
        const std::optional<double> v = e.measuredVelocity();
        if (!v || !std::isfinite(*v))
            continue;
        entryVelocity[i] = v;
        add(velocities[e.drop][phaseIndex(e.phase)], *v, e.velocityUncertainty());
    }
    return velocities;
}

/// Each drop's free fall: the mean of its timings without field, or for a
/// drop of known size without them the model's own terminal velocity.
FreeFalls freeFallsOf(const Velocities& velocities, const Drops& drops)
{
    FreeFalls freeFall;
    for (const auto& [drop, phases] : velocities) {
        const Accumulator& a = phases[phaseIndex(Phase::NoField)];
        if (a.count > 0) {
            freeFall[drop] = {mean(a), meanUncertainty(a)};
            continue;
        }
        const auto it = drops.find(drop);
        if (it != drops.end() && !it->second->diameterHidden) {
            const SetupParameters& p = it->second->setup;
            const float tau = DropletPhysics::relaxationTime(p.r, p.d, p.eta);
            freeFall[drop] = {DropletPhysics::terminalVelocity(tau, p.r, p.r0), 0};
        }
    }
    return freeFall;
}

/// The charge of every timing with the field (`entryCharges`), summed by drop and phase.
Velocities chargesOf(const Journal& journal, const std::vector<std::optional<double>>& entryVelocity,
                     const Drops& drops, const FreeFalls& freeFall, std::vector<std::optional<double>>& entryCharges)
{
    Velocities charges;
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        const JournalEntry& e = journal.entries[i];
        if (!entryVelocity[i] || e.phase == Phase::NoField)
            continue;
        const auto drop = drops.find(e.drop);
        const auto fall = freeFall.find(e.drop);
        if (drop == drops.end() || fall == freeFall.end())
            continue;
        const std::optional<ChargeFormula::Charge> q =
            ChargeFormula::charge(JournalAnalysis::setupOf(*drop->second), *entryVelocity[i], fall->second.v);
        if (!q)
            continue;
        entryCharges[i] = q->q;
        add(charges[e.drop][phaseIndex(e.phase)], q->q);
    }
    return charges;
}

/// The groups of one drop, one per phase it was measured in.
void addGroups(int drop, const std::array<Accumulator, 3>& phases, const Velocities& charges,
               std::vector<JournalAnalysis::Group>& groups)
{
    for (const Phase phase : {Phase::NoField, Phase::FirstCharge, Phase::Irradiated}) {
        const Accumulator& a = phases[phaseIndex(phase)];
        if (a.count == 0)
            continue;
        JournalAnalysis::Group g;
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
        groups.push_back(g);
    }
}

/// The charge of a drop in each field phase from its mean velocities, and
/// their change on irradiation.
void addDropCharges(int drop, const std::array<Accumulator, 3>& phases, const ChargeFormula::Setup& setup,
                    const FreeFall& fall, JournalAnalysis::Result& result)
{
    const Accumulator& first = phases[phaseIndex(Phase::FirstCharge)];
    const Accumulator& after = phases[phaseIndex(Phase::Irradiated)];
    for (const Phase phase : {Phase::FirstCharge, Phase::Irradiated}) {
        const Accumulator& a = phase == Phase::FirstCharge ? first : after;
        if (a.count == 0)
            continue;
        const std::optional<ChargeFormula::Charge> q = ChargeFormula::charge(setup, mean(a), fall.v);
        if (!q)
            continue;
        const double u =
            std::max(std::hypot(q->dqdvE * meanUncertainty(a), q->dqdvg * fall.u), UncertaintyFloor * std::fabs(q->q));
        result.charges.push_back({drop, phase, q->q, u});
    }
    if (first.count == 0 || after.count == 0)
        return;
    const std::optional<ChargeFormula::Charge> dq =
        ChargeFormula::chargeChange(setup, mean(first), mean(after), fall.v);
    if (!dq)
        return;
    const double u =
        std::max(std::hypot(dq->dqdvE * meanUncertainty(first), dq->dqdvE * meanUncertainty(after), dq->dqdvg * fall.u),
                 UncertaintyFloor * std::fabs(dq->q));
    result.changes.push_back({drop, Phase::Irradiated, dq->q, u});
}

/// How many drops the charges of a fit came from.
int dropsIn(const std::vector<JournalAnalysis::DropCharge>& charges, const std::vector<std::size_t>& used)
{
    std::set<int> drops;
    for (const std::size_t i : used)
        drops.insert(charges[i].drop);
    return static_cast<int>(drops.size());
}

} // namespace

JournalAnalysis::Result JournalAnalysis::analyse(const Journal& journal)
{
    Result result;
    result.entryCharges.assign(journal.entries.size(), std::nullopt);
    std::vector<std::optional<double>> entryVelocity;
    const Velocities velocities = velocitiesOf(journal, entryVelocity);
    Drops drops;
    for (const JournalDrop& d : journal.drops)
        drops[d.number] = &d;
    const FreeFalls freeFall = freeFallsOf(velocities, drops);
    const Velocities charges = chargesOf(journal, entryVelocity, drops, freeFall, result.entryCharges);

    for (const auto& [drop, phases] : velocities) {
        addGroups(drop, phases, charges, result.groups);
        const auto dropIt = drops.find(drop);
        const auto fall = freeFall.find(drop);
        if (dropIt != drops.end() && fall != freeFall.end())
            addDropCharges(drop, phases, setupOf(*dropIt->second), fall->second, result);
    }

    std::vector<ElementaryChargeEstimate::Measurement> chargeMeasurements, changeMeasurements;
    for (const DropCharge& c : result.charges)
        chargeMeasurements.push_back({c.q, c.u});
    // The size of a change counts; its sign only says which way.
    for (const DropCharge& c : result.changes)
        changeMeasurements.push_back({std::fabs(c.q), c.u});
    result.fromCharges = ElementaryChargeEstimate::estimate(chargeMeasurements);
    result.fromChanges = ElementaryChargeEstimate::estimate(changeMeasurements);
    result.dropsInFit = dropsIn(result.charges, result.fromCharges.used);
    result.changeDropsInFit = dropsIn(result.changes, result.fromChanges.used);
    return result;
}
