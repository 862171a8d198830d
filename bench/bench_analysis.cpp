// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The journal's analysis of 10 000 charges: 5 000 drops, each timed once
// without field, once with its first charge and once after irradiation
// (charges of 1 to 10 e, the timings 0.4 % off, as a hand's 0.07 s over ten
// bands of the default droplet's 19 s), from the grouping of the
// timings to the estimates of e from the charges and from their changes.
// Also the estimate alone on 10 000 charges. Target: under 50 ms. Reports
// the median over the repetitions.

#include "ChargeUnits.h"
#include "DropletPhysics.h"
#include "ElementaryChargeEstimate.h"
#include "JournalAnalysis.h"
#include "SeededRandom.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Drops = 5000;

Journal journalOfDrops()
{
    using P = DropletPhysics;
    const SetupParameters setup{0.016, -5085, 5.52e-6, 920, 1.23, 1.82e-5f};
    const float tau = P::relaxationTime(setup.r, setup.d, setup.eta);
    const double Vg = P::terminalVelocity(tau, setup.r, setup.r0);
    const double a = P::forceRatio(setup.Ux, setup.d, setup.r, setup.r0, setup.DD);
    SeededRandom random(2026);
    Journal journal;
    for (int drop = 1; drop <= Drops; ++drop) {
        JournalDrop d;
        d.number = drop;
        d.setup = setup;
        journal.drops.push_back(d);
        const int n2 = 1 + static_cast<int>(random.uniform() * 10), n3 = 1 + static_cast<int>(random.uniform() * 10);
        const double velocities[] = {Vg, Vg * P::limitingVelocity(a, n2), Vg * P::limitingVelocity(a, n3)};
        const FieldState fields[] = {FieldState::Off, FieldState::On, FieldState::On};
        for (int i = 0; i < 3; ++i) {
            JournalEntry e;
            e.drop = drop;
            e.field = fields[i];
            e.chargeState = i == 2 ? 1 : 0;
            e.bands = 5;
            e.distance = 0.008;
            e.time = *e.distance / velocities[i] * (1 + 0.004 * random.normal());
            e.uncertainty = 0.004 * *e.time;
            e.source = JournalEntry::Source::Stopwatch;
            journal.entries.push_back(e);
        }
    }
    return journal;
}

void AnalyseJournalOf10000Charges(benchmark::State& state)
{
    const Journal journal = journalOfDrops();
    JournalAnalysis::Result result;
    for (auto _ : state) {
        result = JournalAnalysis::analyse(journal);
        benchmark::DoNotOptimize(result.fromCharges.e);
    }
    // What was found, as the journal would say it.
    state.counters["charges"] = static_cast<double>(result.charges.size());
    state.counters["used"] = static_cast<double>(result.fromCharges.used.size());
    state.counters["e/1e-19C"] = result.fromCharges.e / ChargeUnits::ChargeUnit;
    state.counters["u/1e-19C"] = result.fromCharges.u / ChargeUnits::ChargeUnit;
}

void Estimate10000Charges(benchmark::State& state)
{
    SeededRandom random(7);
    std::vector<ElementaryChargeEstimate::Measurement> charges;
    for (int i = 0; i < 2 * Drops; ++i) {
        const double q = (1 + static_cast<int>(random.uniform() * 10)) * ChargeUnits::ElementaryCharge
                         * (1 + 0.05 * random.normal());
        charges.push_back({q, 0.05 * q});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ElementaryChargeEstimate::estimate(charges).e);
}

} // namespace

BENCHMARK(AnalyseJournalOf10000Charges)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);
BENCHMARK(Estimate10000Charges)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
