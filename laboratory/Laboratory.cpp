// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Laboratory.h"

#include "JournalModel.h"

#include "AirViscosity.h"
#include "BrownianMotion.h"
#include "DropSizeDistribution.h"
#include "ExperimentState.h"
#include "IonCapture.h"
#include "ModelRange.h"
#include "Reticle.h"
#include "RunRecord.h"
#include "SlipCorrection.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

/// The streams of a drop's seed.
enum Stream : std::uint64_t { SizeAndCharges = 1, Kicks = 2, Ions = 3 };

} // namespace

Laboratory::Laboratory(const ExperimentState& state, JournalModel& journal, const RunRecord& record,
                       const SteadyClock& wall, QObject* parent)
    : QObject(parent), m_state(state), m_journal(journal), m_record(record), m_clock(state, wall),
      m_stopwatch([this] { return moment(); }, this), m_seed(QRandomGenerator::system()->generate64()), m_chamber(state)
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

void Laboratory::setSlipCorrection(bool on)
{
    m_slip = on;
    emit changed();
}

void Laboratory::setAir(double pressure, double temperature)
{
    m_pressure = pressure;
    m_temperature = temperature;
    emit changed();
}

std::optional<double> Laboratory::slipPressure() const
{
    return m_active && m_slip ? std::optional(m_pressure) : std::nullopt;
}

std::optional<float> Laboratory::airViscosity() const
{
    if (!slipPressure())
        return std::nullopt;
    return static_cast<float>(AirViscosity::at(m_temperature));
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
    m.field = field();
    m.chargeState = chargeState();
    m.voltage = m_state.Ux;
    return m;
}

FieldState Laboratory::field() const
{
    if (!m_state.fieldOn)
        return FieldState::Off;
    return m_state.reversed ? FieldState::Reversed : FieldState::On;
}

int Laboratory::chargeState() const
{
    return m_state.chargeState;
}

double Laboratory::voltage() const
{
    return m_state.Ux;
}

bool Laboratory::holding() const
{
    return m_plottedDrop > 0 && m_state.holding;
}

DropSource::Drop Laboratory::drawDrop(const SetupParameters& setup, std::uint64_t dropSeed, bool unknownSize)
{
    SeededRandom draws(SeededRandom::derive(dropSeed, SizeAndCharges));
    Drop drop{};
    if (unknownSize) {
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
    return drop;
}

double Laboratory::drawnCharge(const SetupParameters& setup, std::uint64_t dropSeed, bool unknownSize)
{
    // As the start draws it: 1..10 from a single-precision uniform.
    const float u = drawDrop(setup, dropSeed, unknownSize).chargeDraws[0];
    return std::floor(10.0 * static_cast<double>(u) + 1.0);
}

std::uint64_t Laboratory::kicksSeed(std::uint64_t dropSeed)
{
    return SeededRandom::derive(dropSeed, Kicks);
}

std::uint64_t Laboratory::ionsSeed(std::uint64_t dropSeed)
{
    return SeededRandom::derive(dropSeed, Ions);
}

std::optional<DropSource::Drop> Laboratory::nextDrop(const SetupParameters& setup)
{
    m_startingDrop = 0;
    if (!m_active)
        return std::nullopt;
    m_startingDrop = m_journal.journal().nextDropNumber();
    m_dropSeed = SeededRandom::derive(m_seed, static_cast<std::uint64_t>(m_startingDrop));
    Drop drop = drawDrop(setup, m_dropSeed, m_unknownSize);
    m_kicks = SeededRandom(kicksSeed(m_dropSeed));
    // The full level's slow changes act through the same displacement as the thermal kicks.
    drop.noise = m_brownian || m_level == RealismLevel::Full ? this : nullptr;
    // Held between the plates, each irradiation a new charge from the drop's own ions.
    m_ions = SeededRandom(ionsSeed(m_dropSeed));
    drop.held = true;
    const bool full = m_level == RealismLevel::Full;
    drop.newCharge = [this, full](int charge) { return chargeAfterLight(charge, m_ions, full, m_state.fieldOn); };
    // The droplet chosen in the microscope, caught where it is now.
    m_catching.reset();
    // (The ideal level gives its drop alone.)
    const Spray* spray = m_level != RealismLevel::Ideal ? m_chamber.current() : nullptr;
    const Spray::Droplet* chosen = spray ? spray->droplet(m_chosen) : nullptr;
    if (chosen && !chosen->gone && !chosen->held) {
        CaughtDroplet c{m_chamber.sprays(), m_spraySeed, chosen->id, spray->time(), chosen->Y};
        drop.diameter = Spray::diameterAt(c.spraySeed, c.droplet, sprayLevel(), c.sprayTime);
        drop.charge = chosen->charge;
        drop.startDepth = chosen->Y;
        m_catching = c;
    }
    return drop;
}

void Laboratory::runStarting()
{
    const bool laboratoryDrop = m_active && m_startingDrop > 0;
    m_plottedDrop = laboratoryDrop ? m_startingDrop : 0;
    m_changes.clear();
    if (!laboratoryDrop)
        return;
    m_drop = m_startingDrop;
    m_startingDrop = 0;

    // A caught droplet's size is never known: it came out of the sprayer.
    JournalDrop drop = JournalDrop::startedNow(m_drop, m_state.setup(), m_unknownSize || m_catching);
    drop.brownian = m_brownian;
    drop.level = m_level;
    drop.seed = m_dropSeed;
    drop.caught = m_catching;
    m_dropBrownian = m_brownian;
    m_dropFull = m_level == RealismLevel::Full;
    m_dropSprayTime = m_catching ? m_catching->sprayTime : 0;
    if (m_catching) {
        m_caught = m_catching->droplet;
        m_chamber.current()->hold(m_caught);
        m_catching.reset();
    }
    m_dropSlip = slipPressure();
    m_dropTemperature = m_dropSlip ? m_temperature : BrownianMotion::Temperature;
    if (m_dropSlip) {
        drop.pressure = m_pressure;
        drop.temperature = m_temperature;
        drop.slipCorrection = true;
    }
    m_journal.setSeed(m_seed, m_seedFixed);
    m_journal.addDrop(drop);
    // Charges chosen by hand, not drawn from the drop's seed: kept for a replay.
    if (drop.caught || m_state.N2 != drawnCharge(m_state.setup(), m_dropSeed, m_unknownSize))
        m_journal.setStartCharge(m_drop, static_cast<int>(m_state.N2));

    m_clock.runStarting();
    m_stopwatch.newDrop();
    emit changed();
}

void Laboratory::fieldSwitched(Field what)
{
    if (!m_active || m_plottedDrop == 0)
        return;
    // The change, for a replay of the run: the field and voltage after it, or the light.
    if (m_state.holding) {
        DropEvent event;
        event.t = m_clock.atLastStep();
        event.kind = what == Field::Light ? DropEvent::Kind::Light : DropEvent::Kind::Field;
        event.field = field();
        event.voltage = m_state.Ux;
        m_journal.addEvent(m_plottedDrop, event);
    }
    // Irradiated with the field on: a mistake the journal keeps.
    if (what == Field::Light && m_state.holding && m_state.fieldOn)
        m_journal.markIrradiatedInField(m_plottedDrop, m_state.chargeState);
    // The new state acts from the next step on: after the last step's time.
    m_changes.push_back({m_state.t, field(), chargeState(), m_state.Ux});
    emit changed();
}

void Laboratory::stepped()
{
    if (m_plottedDrop > 0)
        m_clock.stepped();
    // The spray moves on with the held droplet's steps, the held one where its run has it.
    if (Spray* spray = m_caught ? m_chamber.current() : nullptr) {
        const ExperimentState& s = m_state;
        const double unit = s.Vg * static_cast<double>(s.tau);
        spray->step(s.timeStep * static_cast<double>(s.tau), m_chamber.voltage());
        spray->place(m_caught, s.Y * unit);
    }
}

void Laboratory::spray()
{
    // A droplet caught stays in its cloud: let it go first.
    if (m_caught)
        return;
    m_spraySeed = spraySeed(m_seed, m_chamber.sprays() + 1);
    m_chamber.spray(m_spraySeed, sprayLevel(), m_brownian, m_temperature);
    m_chosen = 0;
    emit changed();
}

int Laboratory::chargeAfterLight(int charge, SeededRandom& ions, bool full, bool fieldOn)
{
    if (full && fieldOn && !(ions.uniform() < InFieldCapture))
        return charge;
    return IonCapture::next(charge, ions);
}

std::uint64_t Laboratory::spraySeed(std::uint64_t seed, int spray)
{
    // Each spray of the session from a stream of its seed of its own, apart from the drops'.
    constexpr std::uint64_t SprayStreams = std::uint64_t(1) << 40;
    return SeededRandom::derive(seed, SprayStreams + static_cast<std::uint64_t>(spray - 1));
}

void Laboratory::advanceSpray(double wallSeconds)
{
    if (!m_caught)
        m_chamber.advance(wallSeconds);
}

bool Laboratory::inSight() const
{
    const Spray* spray = m_caught ? m_chamber.current() : nullptr;
    const Spray::Droplet* droplet = spray ? spray->droplet(m_caught) : nullptr;
    return !droplet || spray->visible(*droplet);
}

void Laboratory::held()
{
    m_clock.held();
}

void Laboratory::paused(bool paused)
{
    if (paused)
        m_clock.pause();
    else
        m_clock.resume();
    emit changed();
}

void Laboratory::runEnded(End end)
{
    m_clock.runEnded();
    // The droplet is out: a running stopwatch has nothing more to time.
    m_stopwatch.halt();
    if (end == End::TouchedPlate && m_plottedDrop > 0)
        m_journal.markLost(m_plottedDrop);
    if (m_caught && m_chamber.current()) {
        // Let go, it moves on its own again; on a plate, it is gone.
        m_chamber.current()->release(m_caught, end == End::TouchedPlate);
        m_chosen = 0;
        m_caught = 0;
    }
    emit changed();
}

double Laboratory::displacement(const ExperimentState& s)
{
    // Over one step, in metres, then in the reduced unit Vg·tau.
    const double tau = static_cast<double>(s.tau);
    // With the slip of the air the droplet diffuses as freely as it falls.
    const double eta = m_dropSlip ? SlipCorrection::effectiveViscosity(static_cast<double>(s.eta), *m_dropSlip, s.d / 2)
                                  : static_cast<double>(s.eta);
    double Y = 0;
    if (m_dropBrownian)
        Y = BrownianMotion::displacement(s.d, eta, s.timeStep * tau, m_kicks, m_dropTemperature) / (s.Vg * tau);
    if (m_dropFull) {
        // Since the spray (or the start), to the beginning of this step.
        const double t = m_dropSprayTime + static_cast<double>(m_record.points().size() - 1) * s.timeStep * tau;
        Y += Spray::fullLevelDrift(t, s.activeChargeNumber, s.forceRatio, s.timeStep);
    }
    return Y;
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

namespace {

/// Why a timing cannot be used: its start and end differ in the drop, the
/// charge, the field or the voltage.
constexpr const char* ChangeReasons[] = {
    QT_TRANSLATE_NOOP("Laboratory", "отсчёт начат на другой капле"),
    QT_TRANSLATE_NOOP("Laboratory", "капля облучена во время отсчёта"),
    QT_TRANSLATE_NOOP("Laboratory", "поле переключено во время отсчёта"),
    QT_TRANSLATE_NOOP("Laboratory", "напряжение изменено во время отсчёта"),
};

/// Why a timing from `start` to `end` cannot be used, empty when it can.
QString changeDuring(const Stopwatch::Moment& start, const Stopwatch::Moment& end)
{
    const bool changed[] = {start.drop != end.drop, start.chargeState != end.chargeState, start.field != end.field,
                            start.voltage != end.voltage};
    for (std::size_t i = 0; i < std::size(changed); ++i)
        if (changed[i])
            return Laboratory::tr(ChangeReasons[i]);
    return {};
}

} // namespace

bool Laboratory::isChangeReason(const QString& reason)
{
    // In the language the journal was kept in, or in this one.
    return std::any_of(std::begin(ChangeReasons), std::end(ChangeReasons),
                       [&reason](const char* text) { return reason == QString::fromUtf8(text) || reason == tr(text); });
}

int Laboratory::recordTimings()
{
    std::vector<JournalEntry> entries;
    for (const Stopwatch::Timing& t : m_stopwatch.takeUnrecorded()) {
        if (!m_journal.journal().drop(t.end.drop) || t.hundredths <= 0)
            continue;
        JournalEntry e;
        e.drop = t.end.drop;
        e.field = t.end.field;
        e.chargeState = t.end.chargeState;
        e.voltage = t.end.voltage;
        // Downward positive: a rising droplet covers a negative distance.
        const double sign = t.end.Y < t.start.Y ? -1 : 1;
        e.bands = sign * t.end.bands;
        e.distance = m_journal.journal().distanceOf(e);
        e.time = t.seconds();
        e.started = t.start.seconds;
        e.ended = t.end.seconds;
        e.uncertainty = t.uncertainty;
        e.source = JournalEntry::Source::Stopwatch;
        e.reason = changeDuring(t.start, t.end);
        e.deleted = !e.reason.isEmpty();
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
    e.voltage = m_journal.journal().drop(m_plottedDrop)->setup.Ux;
    for (const Change& change : m_changes)
        if (t > change.t) {
            e.field = change.field;
            e.chargeState = change.chargeState;
            e.voltage = change.voltage;
        }
    e.velocity = std::round(v / unit) * unit;
    e.uncertainty = unit / 2 / std::sqrt(3.0);
    e.source = JournalEntry::Source::Plot;
    m_journal.addEntries({e});
    return true;
}

bool Laboratory::recordBalance()
{
    if (!m_active || !holding() || !m_state.fieldOn)
        return false;
    JournalEntry e;
    e.drop = m_plottedDrop;
    e.field = field();
    e.chargeState = chargeState();
    e.voltage = m_state.Ux;
    e.uncertainty = BalanceUncertainty * std::fabs(m_state.Ux);
    e.source = JournalEntry::Source::Balance;
    m_journal.addEntries({e});
    return true;
}
