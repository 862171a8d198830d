// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Laboratory.h"

#include "JournalModel.h"

#include "BrownianMotion.h"
#include "DropSizeDistribution.h"
#include "ExperimentState.h"
#include "ModelRange.h"
#include "Reticle.h"
#include "RunRecord.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <cmath>

namespace {

/// The streams of a drop's seed.
enum Stream : std::uint64_t { SizeAndCharges = 1, Kicks = 2 };

} // namespace

Laboratory::Laboratory(const ExperimentState& state, JournalModel& journal, const RunRecord& record,
                       const SteadyClock& wall, QObject* parent)
    : QObject(parent), m_state(state), m_journal(journal), m_record(record), m_clock(state, wall),
      m_stopwatch([this] { return moment(); }, this), m_seed(QRandomGenerator::system()->generate64())
{
}

void Laboratory::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    if (!active)
        m_stopwatch.newDrop();
    emit changed();
}

void Laboratory::setUnknownSize(bool on)
{
    m_unknownSize = on;
    emit changed();
}

void Laboratory::setBrownian(bool on)
{
    m_brownian = on;
    emit changed();
}

void Laboratory::setSeed(std::optional<std::uint64_t> seed)
{
    m_seedFixed = seed.has_value();
    m_seed = seed ? *seed : QRandomGenerator::system()->generate64();
    m_journal.setSeed(m_seed, m_seedFixed);
    emit changed();
}

void Laboratory::adoptSeedOf(const JournalModel& journal)
{
    if (journal.journal().seedFixed) {
        m_seed = journal.journal().seed;
        m_seedFixed = true;
        emit changed();
    }
}

void Laboratory::setBands(int bands)
{
    m_bands = std::clamp(bands, 1, 10);
}

double Laboratory::bandLength() const
{
    return Reticle::bandLength(m_state.DD);
}

Stopwatch::Moment Laboratory::moment() const
{
    Stopwatch::Moment m;
    m.seconds = m_clock.now();
    m.rate = m_clock.rate();
    m.Y = m_state.Y;
    m.drop = m_drop;
    m.bands = m_bands;
    m.phase = m_phase;
    m.irradiation = m_irradiation;
    return m;
}

std::optional<DropSource::Drop> Laboratory::nextDrop(const SetupParameters& setup)
{
    m_startingDrop = 0;
    if (!m_active)
        return std::nullopt;
    m_startingDrop = m_journal.journal().nextDropNumber();
    m_dropSeed = SeededRandom::derive(m_seed, static_cast<std::uint64_t>(m_startingDrop));
    SeededRandom draws(SeededRandom::derive(m_dropSeed, SizeAndCharges));
    Drop drop{};
    if (m_unknownSize) {
        // A diameter the model computes with the rest of the setup.
        for (int attempt = 0; attempt < 20; ++attempt) {
            SetupParameters p = setup;
            p.d = DropSizeDistribution::draw(draws);
            if (ModelRange::computable(p)) {
                drop.diameter = p.d;
                break;
            }
        }
    }
    // The charges the start draws, when they are drawn at random.
    drop.chargeDraws[0] = draws.uniformSingle();
    drop.chargeDraws[1] = draws.uniformSingle();
    m_kicks = SeededRandom(SeededRandom::derive(m_dropSeed, Kicks));
    drop.noise = m_brownian ? this : nullptr;
    return drop;
}

void Laboratory::runStarting()
{
    const bool laboratoryDrop = m_active && m_startingDrop > 0;
    m_plottedDrop = laboratoryDrop ? m_startingDrop : 0;
    m_phases.clear();
    if (!laboratoryDrop)
        return;
    m_drop = m_startingDrop;
    m_startingDrop = 0;
    m_phase = MeasurementPhase::NoField;
    m_irradiation = 0;

    JournalDrop drop = JournalDrop::startedNow(m_drop, m_state.setup(), m_unknownSize);
    drop.brownian = m_brownian;
    drop.seed = m_dropSeed;
    m_journal.setSeed(m_seed, m_seedFixed);
    m_journal.addDrop(drop);

    m_clock.runStarting();
    m_stopwatch.newDrop();
    emit changed();
}

void Laboratory::fieldSwitched(Field field)
{
    if (!m_active || m_plottedDrop == 0)
        return;
    if (field == Field::Voltage) {
        m_phase = MeasurementPhase::FirstCharge;
    } else {
        m_phase = MeasurementPhase::Irradiated;
        ++m_irradiation;
    }
    // The new charge acts from the next step on: after the last step's time.
    m_phases.push_back({m_state.t, m_phase, m_irradiation});
    emit changed();
}

void Laboratory::stepped()
{
    if (m_plottedDrop > 0)
        m_clock.stepped();
}

void Laboratory::held()
{
    m_clock.held();
}

void Laboratory::runEnded()
{
    m_clock.runEnded();
    // The droplet is out: a running stopwatch has nothing more to time.
    m_stopwatch.halt();
}

double Laboratory::displacement(const ExperimentState& s)
{
    // Over one step, in metres, then in the reduced unit Vg·tau.
    const double tau = static_cast<double>(s.tau);
    const double metres = BrownianMotion::displacement(s.d, static_cast<double>(s.eta), s.timeStep * tau, m_kicks);
    return metres / (s.Vg * tau);
}

int Laboratory::dropForHandEntry()
{
    const Journal& journal = m_journal.journal();
    if (!journal.drops.empty())
        return journal.drops.back().number;
    const JournalDrop drop = JournalDrop::startedNow(journal.nextDropNumber(), m_state.setup(), hidesDropSize());
    m_journal.addDrop(drop);
    return drop.number;
}

int Laboratory::recordTimings()
{
    std::vector<JournalEntry> entries;
    for (const Stopwatch::Timing& t : m_stopwatch.takeUnrecorded()) {
        const JournalDrop* drop = m_journal.journal().drop(t.end.drop);
        if (!drop || t.hundredths <= 0)
            continue;
        JournalEntry e;
        e.drop = t.end.drop;
        e.phase = t.end.phase;
        e.irradiation = t.end.irradiation;
        // Downward positive: a rising droplet covers a negative distance.
        const double sign = t.end.Y < t.start.Y ? -1 : 1;
        e.bands = sign * t.end.bands;
        e.distance = *e.bands * Reticle::bandLength(drop->setup.DD);
        e.time = t.seconds();
        e.uncertainty = t.uncertainty;
        e.source = JournalEntry::Source::Stopwatch;
        if (t.start.drop != t.end.drop || t.start.phase != t.end.phase || t.start.irradiation != t.end.irradiation) {
            e.deleted = true;
            e.reason = tr("фаза сменилась во время отсчёта");
        }
        entries.push_back(e);
    }
    m_journal.addEntries(entries);
    return static_cast<int>(entries.size());
}

bool Laboratory::recordPlotVelocity(double t)
{
    double Y = 0, Vy = 0;
    if (m_plottedDrop == 0 || !m_journal.journal().drop(m_plottedDrop) || !m_record.valuesAt(t, Y, Vy))
        return false;
    const double v = Vy * m_record.Vg();
    if (!std::isfinite(v) || v == 0)
        return false;
    // As the read-out shows it: four significant digits; their last one's
    // rounding is the reading's uncertainty (half a unit, uniform: /√3).
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 3);
    JournalEntry e;
    e.drop = m_plottedDrop;
    e.phase = MeasurementPhase::NoField;
    e.irradiation = 0;
    for (const PhaseChange& change : m_phases)
        if (t > change.t) {
            e.phase = change.phase;
            e.irradiation = change.irradiation;
        }
    e.velocity = std::round(v / unit) * unit;
    e.uncertainty = unit / 2 / std::sqrt(3.0);
    e.source = JournalEntry::Source::Plot;
    m_journal.addEntries({e});
    return true;
}
