// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "JournalAnalysis.h"

#include "DropletPhysics.h"
#include "SlipCorrection.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

namespace {

/// The smallest relative uncertainty a charge is given: an exact reading
/// would otherwise weigh infinitely.
constexpr double UncertaintyFloor = 1e-6;

struct Accumulator {
    int count = 0;
    double sum = 0;
    double sumSquares = 0;
    double sumU2 = 0; ///< Σ u² of the values' own uncertainties

    void add(double value, double u = 0)
    {
        ++count;
        sum += value;
        sumSquares += value * value;
        sumU2 += u * u;
    }
    double mean() const { return sum / count; }
    /// The sample standard deviation, from two values on.
    std::optional<double> sd() const
    {
        if (count < 2)
            return std::nullopt;
        const double m = mean();
        return std::sqrt(std::max(0.0, (sumSquares - count * m * m) / (count - 1)));
    }
    /// The uncertainty of the mean: its standard error, but no less than the
    /// values' own uncertainty.
    double meanUncertainty() const
    {
        const double own = std::sqrt(sumU2) / count;
        const std::optional<double> s = sd();
        return s ? std::max(own, *s / std::sqrt(static_cast<double>(count))) : own;
    }
};

/// A drop's free fall, m/s.
struct FreeFall {
    double v;
    double u;
};

/// A value with its own standard uncertainty and its move with the free fall
/// (∂/∂v_g times v_g's uncertainty).
struct Part {
    double q = 0;
    double own = 0;
    double common = 0;
};

/// Two or more parts of one charge state taken together, weighted by their own uncertainties.
Part combined(const std::vector<Part>& parts)
{
    double sumW = 0, sumWq = 0, sumWc = 0;
    for (const Part& p : parts) {
        const double w = 1 / (p.own * p.own);
        sumW += w;
        sumWq += w * p.q;
        sumWc += w * p.common;
    }
    return {sumWq / sumW, 1 / std::sqrt(sumW), sumWc / sumW};
}

/// A drop's measurements, sorted out.
struct DropData {
    const JournalDrop* drop = nullptr;
    Accumulator fall; ///< the velocities without field
    /// Per (charge state, field): the velocities, the entries' charges, the balances.
    std::map<std::tuple<int, int>, Accumulator> velocities, charges, balances;
    /// Per charge state: each timing in the field as (v − v_g)/E's parts, and
    /// each balance as its charge's, once v_g is known.
    std::map<int, Accumulator> reduced;      ///< (v − v_g)/E, s·m/(V·s)… with own uncertainties
    std::map<int, Accumulator> inverseField; ///< 1/E of the timings
    std::map<int, Accumulator> balanceCharges;
    std::map<int, Accumulator> balanceSlopes; ///< ∂q/∂v_g of the balances
};

int fieldIndex(FieldState field)
{
    return static_cast<int>(field);
}

/// The free fall of a drop: the mean of its timings without field, or for a
/// drop of known size without them the model's own terminal velocity (with
/// the slip of the air when it had it and `slip`).
std::optional<FreeFall> freeFallOf(const DropData& d, bool slip)
{
    if (d.fall.count > 0)
        return FreeFall{d.fall.mean(), d.fall.meanUncertainty()};
    if (!d.drop || d.drop->diameterHidden)
        return std::nullopt;
    const SetupParameters& p = d.drop->setup;
    const float eta = slip && d.drop->slipCorrection && d.drop->pressure ? static_cast<float>(
                          SlipCorrection::effectiveViscosity(static_cast<double>(p.eta), *d.drop->pressure, p.d / 2))
                                                                         : p.eta;
    const float tau = DropletPhysics::relaxationTime(p.r, p.d, eta);
    return FreeFall{DropletPhysics::terminalVelocity(tau, p.r, p.r0), 0};
}

/// Every entry's velocity (`entryVelocity`), sorted out by drop; the free falls first.
std::map<int, DropData> sortOut(const Journal& journal, std::vector<std::optional<double>>& entryVelocity)
{
    std::map<int, DropData> drops;
    for (const JournalDrop& d : journal.drops)
        drops[d.number].drop = &d;
    entryVelocity.assign(journal.entries.size(), std::nullopt);
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        const JournalEntry& e = journal.entries[i];
        if (e.deleted || !drops.count(e.drop))
            continue;
        DropData& d = drops[e.drop];
        const auto key = std::tuple{e.chargeState, fieldIndex(e.field)};
        if (e.isBalance()) {
            if (e.field != FieldState::Off)
                d.balances[key].add(0);
            continue;
        }
        const std::optional<double> v = e.measuredVelocity();
        if (!v || !std::isfinite(*v))
            continue;
        entryVelocity[i] = v;
        d.velocities[key].add(*v, e.velocityUncertainty());
        if (e.field == FieldState::Off)
            d.fall.add(*v, e.velocityUncertainty());
    }
    return drops;
}

/// The charge of every measurement in the field, given its drop's free fall,
/// into `charges` and `d`'s sums.
void chargesOfEntries(const Journal& journal, const std::vector<std::optional<double>>& entryVelocity,
                      std::map<int, DropData>& drops, std::vector<std::optional<double>>& charges, bool slip)
{
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        const JournalEntry& e = journal.entries[i];
        if (e.deleted || e.field == FieldState::Off || !drops.count(e.drop))
            continue;
        DropData& d = drops[e.drop];
        const std::optional<FreeFall> fall = freeFallOf(d, slip);
        if (!d.drop || !fall)
            continue;
        const std::optional<ChargeFormula::Weight> w =
            ChargeFormula::weightPerFall(JournalAnalysis::setupOf(*d.drop, slip), fall->v);
        const double E = JournalAnalysis::fieldOf(e, *d.drop);
        if (!w || E == 0 || !std::isfinite(E))
            continue;
        const auto key = std::tuple{e.chargeState, fieldIndex(e.field)};
        if (e.isBalance()) {
            // Hovering, v_E = 0: q = −K·v_g/E; K·v_g is the effective weight.
            const double q = -w->K * fall->v / E;
            const double slope = -(w->dKdvg * fall->v + w->K) / E;
            const double voltage = std::fabs(E) * d.drop->setup.DD;
            charges[i] = q;
            d.charges[key].add(q);
            d.balanceCharges[e.chargeState].add(q, std::fabs(q) * e.uncertainty / voltage);
            d.balanceSlopes[e.chargeState].add(slope);
        } else if (entryVelocity[i]) {
            const double y = (*entryVelocity[i] - fall->v) / E;
            charges[i] = w->K * y;
            d.charges[key].add(w->K * y);
            d.reduced[e.chargeState].add(y, e.velocityUncertainty() / std::fabs(E));
            d.inverseField[e.chargeState].add(1 / E);
        }
    }
}

void addGroups(int drop, const DropData& d, std::vector<JournalAnalysis::Group>& groups)
{
    std::set<std::tuple<int, int>> keys;
    for (const auto& [key, a] : d.velocities)
        keys.insert(key);
    for (const auto& [key, a] : d.balances)
        keys.insert(key);
    for (const auto& key : keys) {
        JournalAnalysis::Group g;
        g.drop = drop;
        g.chargeState = std::get<0>(key);
        g.field = static_cast<FieldState>(std::get<1>(key));
        if (const auto v = d.velocities.find(key); v != d.velocities.end()) {
            g.count = v->second.count;
            g.velocityMean = v->second.mean();
            g.velocitySd = v->second.sd();
            g.velocityUncertainty = v->second.meanUncertainty();
        }
        if (const auto b = d.balances.find(key); b != d.balances.end())
            g.balances = b->second.count;
        if (const auto c = d.charges.find(key); c != d.charges.end() && c->second.count > 0) {
            g.chargeMean = c->second.mean();
            g.chargeSd = c->second.sd();
        }
        groups.push_back(g);
    }
}

/// The charge of each of a drop's charge states, in their order.
std::map<int, Part> stateCharges(const DropData& d, const FreeFall& fall, const ChargeFormula::Weight& w)
{
    std::set<int> states;
    for (const auto& [state, a] : d.reduced)
        states.insert(state);
    for (const auto& [state, a] : d.balanceCharges)
        states.insert(state);
    std::map<int, Part> charges;
    for (const int state : states) {
        std::vector<Part> parts;
        if (const auto r = d.reduced.find(state); r != d.reduced.end()) {
            // q = K·M, M the mean of (v − v_g)/E: ∂q/∂v_g = K'·M − K·mean(1/E).
            const double M = r->second.mean();
            const double slope = w.dKdvg * M - w.K * d.inverseField.at(state).mean();
            parts.push_back({w.K * M, w.K * r->second.meanUncertainty(), slope * fall.u});
        }
        if (const auto b = d.balanceCharges.find(state); b != d.balanceCharges.end())
            parts.push_back({b->second.mean(), b->second.meanUncertainty(), d.balanceSlopes.at(state).mean() * fall.u});
        for (Part& p : parts)
            p.own = std::max(p.own, UncertaintyFloor * std::fabs(p.q));
        charges[state] = parts.size() == 1 ? parts.front() : combined(parts);
    }
    return charges;
}

JournalAnalysis::DropCharge dropCharge(int drop, int state, const Part& p)
{
    return {drop, state, p.q, std::hypot(p.own, p.common), p.common};
}

/// Each state's charge of the drop, and the changes between consecutive ones.
void addDropCharges(int drop, const DropData& d, JournalAnalysis::Result& result, bool slip)
{
    const std::optional<FreeFall> fall = freeFallOf(d, slip);
    if (!d.drop || !fall)
        return;
    result.falls.push_back({drop, fall->v, fall->u});
    const std::optional<ChargeFormula::Weight> w =
        ChargeFormula::weightPerFall(JournalAnalysis::setupOf(*d.drop, slip), fall->v);
    if (!w)
        return;
    const std::map<int, Part> charges = stateCharges(d, *fall, *w);
    const Part* before = nullptr;
    for (const auto& [state, p] : charges) {
        result.charges.push_back(dropCharge(drop, state, p));
        if (before)
            result.changes.push_back(
                dropCharge(drop, state, {p.q - before->q, std::hypot(p.own, before->own), p.common - before->common}));
        before = &p;
    }
}

/// The estimate of e from the sizes of `charges`: the sign only says which
/// way the field pushes, or which way the charge changed.
ElementaryChargeEstimate::Result estimateFrom(const std::vector<JournalAnalysis::DropCharge>& charges)
{
    std::vector<ElementaryChargeEstimate::Measurement> measurements;
    for (const JournalAnalysis::DropCharge& c : charges)
        measurements.push_back({std::fabs(c.q), c.u, c.drop, c.q < 0 ? -c.common : c.common});
    return ElementaryChargeEstimate::estimate(measurements);
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

ChargeFormula::Setup JournalAnalysis::setupOf(const JournalDrop& drop, bool slipCorrection)
{
    ChargeFormula::Setup setup;
    setup.DD = drop.setup.DD;
    setup.Ux = drop.setup.Ux;
    setup.r = drop.setup.r;
    setup.r0 = drop.setup.r0;
    setup.eta = static_cast<double>(drop.setup.eta);
    if (!drop.diameterHidden)
        setup.d = drop.setup.d;
    if (slipCorrection && drop.slipCorrection)
        setup.p = drop.pressure;
    return setup;
}

double JournalAnalysis::fieldOf(const JournalEntry& entry, const JournalDrop& drop)
{
    const double voltage = entry.voltage.value_or(drop.setup.Ux);
    return FieldStates::sign(entry.field) * voltage / drop.setup.DD;
}

JournalAnalysis::Result JournalAnalysis::analyse(const Journal& journal, bool slipCorrection)
{
    Result result;
    result.entryCharges.assign(journal.entries.size(), std::nullopt);
    std::vector<std::optional<double>> entryVelocity;
    std::map<int, DropData> drops = sortOut(journal, entryVelocity);
    chargesOfEntries(journal, entryVelocity, drops, result.entryCharges, slipCorrection);
    for (const auto& [drop, d] : drops) {
        addGroups(drop, d, result.groups);
        addDropCharges(drop, d, result, slipCorrection);
    }
    result.fromCharges = estimateFrom(result.charges);
    result.fromChanges = estimateFrom(result.changes);
    result.dropsInFit = dropsIn(result.charges, result.fromCharges.used);
    result.changeDropsInFit = dropsIn(result.changes, result.fromChanges.used);
    return result;
}
