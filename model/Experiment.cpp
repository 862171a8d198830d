// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Experiment.h"

#include "SlipCorrection.h"

#include "ExperimentListener.h"
#include "RunPreparation.h"

#include "Announcer.h"
#include "Canvas.h"
#include "DropletPhysics.h"
#include "ExperimentView.h"
#include "ModelRange.h"
#include "Sprite.h"

#include <algorithm>
#include <cmath>

QString Experiment::remarkTitle()
{
    return tr("ЗАМЕЧАНИЕ");
}

QString Experiment::remarkText()
{
    return tr("Опыт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию.");
}

QString Experiment::runEndedText()
{
    return tr("Движение капли окончено.");
}

QString Experiment::correctText()
{
    return tr("Опыт выполнен верно.");
}

QString Experiment::fieldText(bool on, bool reversed)
{
    if (!on)
        return tr("Поле выключено.");
    return reversed ? tr("Поле включено, полярность обратная.") : tr("Поле включено.");
}

QString Experiment::polarityText(bool reversed)
{
    return reversed ? tr("Полярность обратная.") : tr("Полярность прямая.");
}

QString Experiment::chargeChangedText(int irradiations)
{
    return tr("Облучение: заряд капли изменился (облучений: %1).").arg(irradiations);
}

QString Experiment::dropLostText()
{
    return tr("Капля коснулась пластины и потеряна.");
}

QString Experiment::dropLetGoText()
{
    return tr("Капля отпущена.");
}

namespace {

/// How long the beam flashes, and how long the charges are shown, s.
constexpr double FlashSeconds = 1.5;
constexpr double ReadOutSeconds = 3;

} // namespace

SetupParameters Experiment::defaultSetup()
{
    SetupParameters p;
    p.DD = 0.016;
    p.Ux = -5085;
    p.d = 5.52e-6;
    p.r = 920;
    p.r0 = 1.23;
    p.eta = 1.82e-5f;
    return p;
}

Experiment::Experiment(ExperimentView& view, const DrawingSurfaces& surfaces, RunPreparation& window,
                       const Services& services)
    : m_view(view), m_surfaces(surfaces), m_window(window), m_timer(*services.timer),
      m_pause(*services.timer, *services.lifetime), m_sound(*services.tones), m_messageBox(*services.messageBox),
      m_lifetime(*services.lifetime), m_random(*services.random), m_clock(*services.clock),
      m_wall(services.steadyClock), m_announcer(services.announcer),
      m_run(m_state, m_record, surfaces, m_pause, *services.lifetime, m_listeners)
{
    m_timer.setEnabled(false);
    // The one timer paces the pauses of the demonstration and the beat of a
    // held run; a held run never pauses, so its ticks are the beat's.
    m_timer.onTick = [this] {
        if (m_pause.isWaiting() || !m_held) {
            m_pause.endPause();
            if (!m_held)
                expireDisplays(false);
        } else {
            beat();
        }
    };
}

void Experiment::startUp()
{
    m_state.startUpDone = 0;
    setDefaultParameters();
    m_state.startUpDone = 1;
}

void Experiment::setDefaultParameters()
{
    const SetupParameters defaults = defaultSetup();
    for (const SetupParameter p : AllSetupParameters)
        setParameter(p, defaults.get(p));
    m_state.viewWidth = 0.2;
    m_state.X = m_state.viewWidth / 2;
    m_state.slowDown = 5;

    // Each input reads its value back as it is written.
    for (const SetupParameter p : AllSetupParameters)
        m_view.showParameter(p, defaults.get(p));
    m_view.setRandomCharges(true);
}

void Experiment::setParameter(SetupParameter parameter, double value)
{
    SetupParameters p = m_state.setup();
    p.set(parameter, value);
    m_state.DD = p.DD;
    m_state.Ux = p.Ux;
    m_state.d = p.d;
    m_state.r = p.r;
    m_state.r0 = p.r0;
    m_state.eta = p.eta;
}

void Experiment::setSlowDown(int slowDown)
{
    m_state.slowDown = static_cast<std::int16_t>(slowDown);
    m_view.showSlowDown(m_state.slowDown);
}

float Experiment::chargeDraw()
{
    if (m_chargeDraws.empty())
        return m_random.next();
    const float u = m_chargeDraws.front();
    m_chargeDraws.pop_front();
    return u;
}

void Experiment::recompute()
{
    using Physics = DropletPhysics;
    ExperimentState& s = m_state;
    // A held droplet keeps its charges; a drop of its own brings them; the
    // program's generator is seeded anew from the time of day for every
    // other computation.
    const bool newCharges = m_view.randomCharges() && !s.holding;
    if (m_chargeDraws.empty() && !s.holding)
        m_random.reseed(m_clock.secondsSinceMidnight());

    s.mass = Physics::mass(s.r, s.d);
    // Without a positive viscosity tau and Vg keep their values and are not shown.
    if (s.eta > 0) {
        // The terminal velocity is computed from the rounded relaxation time;
        // with the slip correction, both with the droplet's effective viscosity.
        const float eta = m_slipPressure ? static_cast<float>(
                              SlipCorrection::effectiveViscosity(static_cast<double>(s.eta), *m_slipPressure, s.d / 2))
                                         : s.eta;
        s.tau = Physics::relaxationTime(s.r, s.d, eta);
        s.Vg = Physics::terminalVelocity(s.tau, s.r, s.r0);
    }
    if (newCharges) {
        // Charges 1..10, drawn independently from single-precision uniforms.
        const float u = chargeDraw();
        s.N2 = std::floor(10.0 * static_cast<double>(u) + 1.0);
        const float v = chargeDraw();
        s.N3 = static_cast<std::int16_t>(std::floor(10.0 * static_cast<double>(v) + 1.0));
    }
    computeField();

    s.runStartTime = 0;
    const Physics::TimeGrid grid = Physics::timeGrid(s.DD, s.Vg, s.tau);
    s.reducedGap = grid.reducedGap;
    s.plotTimeSpan = grid.plotTimeSpan;
    s.timeStep = grid.timeStep;
    showDerivedQuantities();
}

void Experiment::computeField()
{
    using Physics = DropletPhysics;
    ExperimentState& s = m_state;
    s.Ex = s.Ux / s.DD;
    s.forceRatio = Physics::forceRatio(s.Ux, s.d, s.r, s.r0, s.DD);
    s.V2max = Physics::limitingVelocity(s.forceRatio, s.N2);
    s.V3max = Physics::limitingVelocity(s.forceRatio, s.N3);
}

void Experiment::updateField()
{
    computeField();
    showDerivedQuantities();
}

void Experiment::showDerivedQuantities()
{
    const ExperimentState& s = m_state;
    ExperimentView::DerivedQuantities shown{};
    shown.mass = s.mass;
    shown.fieldStrength = s.Ex;
    if (s.eta > 0) {
        shown.tau = s.tau;
        shown.Vg = s.Vg;
    }
    shown.forceRatio = s.forceRatio;
    shown.limitingVelocity2 = s.Vg * s.V2max;
    shown.limitingVelocity3 = s.Vg * s.V3max;
    m_view.showDerivedQuantities(shown);
    m_view.showSlowDown(s.slowDown);
}

void Experiment::start()
{
    if (m_held) {
        // A held droplet is let go; the next drop starts at once.
        m_run.requestEnd();
        finishHeld();
    } else if (m_run.isRunning() && ((m_dropSource && m_dropSource->holdsDrops()) || !m_timer.allowsNestedPauses())) {
        // Inside a demonstration run's pause (perhaps a run inside another's):
        // every run under way ends at its next test, and the held drop starts
        // from the outermost start, when no run is left. Where pauses cannot
        // nest (a browser's page), every new run starts so.
        m_startAgain = true;
        m_run.requestEnd();
        return;
    }
    ++m_startDepth;
    do {
        m_startAgain = false;
        runExperiment();
    } while (m_startDepth == 1 && m_startAgain && !m_lifetime.isEnding());
    --m_startDepth;
}

void Experiment::runExperiment()
{
    // The droplet of this start: the laboratory's own, or the inputs'.
    m_drop = m_dropSource ? m_dropSource->nextDrop(m_state.setup()) : std::nullopt;
    if (m_drop) {
        if (m_drop->diameter)
            m_state.d = *m_drop->diameter;
        m_chargeDraws.assign(m_drop->chargeDraws.begin(), m_drop->chargeDraws.end());
    }
    m_window.resetWindow();
    m_chargeDraws.clear();
    if (m_drop && m_drop->charge) {
        // A caught droplet brings the charge it was sprayed with.
        m_state.N2 = *m_drop->charge;
        updateField();
    }
    m_view.setFieldButtonsEnabled(true);
    m_state.wasIrradiated = 0;
    m_window.preparePlots();

    // A held drop runs on the timer's beat; so does every run where pauses
    // cannot nest (a browser's page, which waits in no handler).
    if ((m_drop && m_drop->held) || !m_timer.allowsNestedPauses()) {
        beginHeld();
        return;
    }
    endRun(runDroplet());
}

void Experiment::endRun(ExperimentListener::End end)
{
    const bool holding = m_state.holding;
    expireDisplays(true);
    m_state.holding = false;
    for (ExperimentListener* listener : m_listeners)
        listener->runEnded(end);
    if (end == ExperimentListener::End::ProgramEnding || m_lifetime.isEnding())
        return;
    m_view.setFieldButtonsEnabled(false);
    if (holding) {
        // The laboratory's verdict: the drop is lost, or let go for the next.
        announce(end == ExperimentListener::End::TouchedPlate ? dropLostText() : dropLetGoText());
        return;
    }
    // A run ended before the droplet left the gap (a held drop was started) has no verdict.
    if (end != ExperimentListener::End::Ended)
        judge(end);
}

void Experiment::beginHeld()
{
    ExperimentState& s = m_state;
    s.holding = m_drop && m_drop->held;
    s.fieldOn = false;
    s.reversed = false;
    s.chargeState = 0;
    if (s.holding)
        drawPlates(false, false);
    m_held = true;
    m_paused = false;
    // A caught droplet starts where it was seen, within the gap.
    const double Y0 =
        m_drop ? DropletPhysics::heldStart(m_drop->startDepth, s.Vg * static_cast<double>(s.tau), s.reducedGap) : 0;
    m_run.begin(m_drop ? m_drop->noise : nullptr, Y0);
    // The first step at once, as a run's loop takes it; then one per beat.
    stepHeld();
}

void Experiment::scheduleBeat(int milliseconds, bool onBeat)
{
    m_timer.setEnabled(true);
    if (onBeat)
        m_timer.setIntervalOnBeat(milliseconds);
    else
        m_timer.setInterval(milliseconds);
}

void Experiment::beat()
{
    if (m_held && !m_paused)
        stepHeld();
}

void Experiment::stepHeld()
{
    if (!m_run.canStep()) {
        finishHeld();
        return;
    }
    m_run.step();
    if (!m_held)
        return; // let go by a listener of the step
    m_beatWall = wallNow();
    expireDisplays(false);
    // The next step a pause after this one, on the run's steady beat.
    scheduleBeat(m_state.slowDown * 10, true);
}

void Experiment::finishHeld()
{
    const ExperimentListener::End end = m_run.finish();
    m_held = false;
    m_paused = false;
    m_timer.setEnabled(false);
    endRun(end);
}

void Experiment::setPaused(bool paused)
{
    if (!m_held || paused == m_paused)
        return;
    const double now = wallNow();
    m_paused = paused;
    if (paused) {
        m_pausedAt = now;
        m_timer.setEnabled(false);
    } else {
        // What was left of the pause after the last step, and the displays' deadlines, moved on by the standstill.
        const double stood = now - m_pausedAt;
        const double left = std::max(0.0, m_state.slowDown * 10.0 - (m_pausedAt - m_beatWall));
        m_beatWall += stood;
        for (std::optional<double>* until : {&m_beamUntil, &m_chargesUntil, &m_ratioUntil})
            if (*until)
                **until += stood;
        scheduleBeat(static_cast<int>(std::lround(left)), false);
    }
    for (ExperimentListener* listener : m_listeners)
        listener->paused(paused);
}

bool Experiment::displaysByDeadline() const
{
    // A held run never waits, nor does anything where pauses cannot nest (a
    // browser's page): the run goes on, and a display after it stays until
    // the next start.
    return m_held || !m_timer.allowsNestedPauses();
}

double Experiment::wallNow() const
{
    return m_wall ? m_wall->milliseconds() : 0;
}

void Experiment::expireDisplays(bool all)
{
    const double now = wallNow();
    const auto due = [&](std::optional<double>& until) {
        const bool expired = until && (all || now >= *until);
        if (expired)
            until.reset();
        return expired;
    };
    if (due(m_beamUntil))
        m_surfaces.beam.setVisible(false);
    if (due(m_chargesUntil))
        m_view.hideCharges();
    if (due(m_ratioUntil))
        m_view.hideChargeRatio();
}

ExperimentListener::End Experiment::runDroplet()
{
    ExperimentState& s = m_state;
    s.holding = m_drop && m_drop->held;
    s.fieldOn = false;
    s.reversed = false;
    s.chargeState = 0;
    if (s.holding)
        drawPlates(false, false);
    return m_run.run(m_drop ? m_drop->noise : nullptr);
}

void Experiment::end()
{
    m_run.requestEnd();
    if (m_held)
        finishHeld();
}

void Experiment::showHeldDrop()
{
    if (!m_state.holding)
        return;
    m_view.setFieldButtonsEnabled(true);
    drawHeldPlates();
}

void Experiment::drawHeldPlates()
{
    if (m_state.holding)
        drawPlates(m_state.fieldOn, m_state.Ux * (m_state.reversed ? -1 : 1) < 0);
}

void Experiment::judge(ExperimentListener::End end)
{
    const bool correct = m_state.wasIrradiated != 0;
    const QString lost = end == ExperimentListener::End::TouchedPlate ? dropLostText() + u' ' : QString();
    announce(lost + runEndedText() + u' ' + (correct ? correctText() : remarkText()));
    if (correct) {
        m_sound.playSignalTone(Sound::LongSignal);
    } else {
        m_sound.playFailureMelody(Sound::MelodyTempo);
        m_messageBox.showMessage(remarkTitle(), remarkText());
    }
}

void Experiment::announce(const QString& text)
{
    if (m_announcer)
        m_announcer->announce(text);
}

void Experiment::tell(ExperimentListener::Field field)
{
    for (ExperimentListener* listener : m_listeners)
        listener->fieldSwitched(field);
}

void Experiment::drawPlates(bool on, bool upperNegative)
{
    const ExperimentState& s = m_state;
    Canvas& view = m_surfaces.animationView;
    const Rgb upper = !on ? Colors::DarkGrey : upperNegative ? Colors::Red : Colors::Blue;
    const Rgb lower = !on ? Colors::DarkGrey : upperNegative ? Colors::Blue : Colors::Red;
    view.setDrawWidth(7);
    view.drawLine(0, 0, static_cast<float>(s.viewWidth), 0, upper);
    view.drawLine(0, static_cast<float>(s.reducedGap), static_cast<float>(s.viewWidth),
                  static_cast<float>(s.reducedGap), lower);
}

void Experiment::updateHeldForce()
{
    ExperimentState& s = m_state;
    const double charge = s.chargeState == 0 ? s.N2 : static_cast<double>(s.N3);
    s.activeChargeNumber = !s.fieldOn ? 0 : s.reversed ? -charge : charge;
}

void Experiment::applyVoltage()
{
    ExperimentState& s = m_state;
    if (s.holding) {
        s.fieldOn = !s.fieldOn;
        updateHeldForce();
        if (s.fieldOn)
            m_view.showLimitingVelocity(s.chargeState == 0 ? 2 : 3);
        drawHeldPlates();
        announce(fieldText(s.fieldOn, s.reversed));
        tell(ExperimentListener::Field::Voltage);
        return;
    }
    m_view.showLimitingVelocity(2);
    s.activeChargeNumber = s.N2;
    s.fieldOn = true;
    // The plate at the lower potential is drawn red, the other blue.
    drawPlates(true, s.Ux < 0);
    tell(ExperimentListener::Field::Voltage);
}

void Experiment::reversePolarity()
{
    ExperimentState& s = m_state;
    if (!s.holding)
        return;
    s.reversed = !s.reversed;
    updateHeldForce();
    drawHeldPlates();
    announce(polarityText(s.reversed));
    tell(ExperimentListener::Field::Voltage);
}

bool Experiment::setVoltage(double volts)
{
    SetupParameters p = m_state.setup();
    p.Ux = volts;
    if (volts == 0 || !ModelRange::computable(p))
        return false;
    m_state.Ux = volts;
    updateField();
    drawHeldPlates();
    tell(ExperimentListener::Field::Voltage);
    return true;
}

void Experiment::irradiate()
{
    ExperimentState& s = m_state;
    Sprite& beam = m_surfaces.beam;
    if (s.holding && m_drop && m_drop->newCharge) {
        // The ions the beam makes give the droplet a new charge of its own.
        const int before = static_cast<int>(s.chargeState == 0 ? s.N2 : s.N3);
        s.N3 = static_cast<std::int16_t>(m_drop->newCharge(before));
        ++s.chargeState;
        updateField();
        updateHeldForce();
        announce(chargeChangedText(s.chargeState));
    } else {
        // The field acts on the charge N3 from now on, switched on or not.
        s.activeChargeNumber = s.N3;
        s.fieldOn = true;
        ++s.chargeState;
    }
    m_view.showLimitingVelocity(3);
    for (ExperimentListener* listener : m_listeners) {
        listener->fieldSwitched(ExperimentListener::Field::Light);
        if (!m_held)
            listener->held();
    }

    // The beam's lower right corner at the droplet.
    beam.setLeft(s.X - beam.userWidth());
    beam.setTop(s.Y - beam.userHeight());
    beam.setVisible(true);
    if (displaysByDeadline()) {
        // A held droplet goes on moving under the beam.
        m_beamUntil = wallNow() + FlashSeconds * 1000;
        s.wasIrradiated = 1;
        return;
    }
    m_pause.wait(FlashSeconds);
    if (m_lifetime.isEnding())
        return;
    beam.setVisible(false);
    s.wasIrradiated = 1;
}

void Experiment::showCharges()
{
    if (!m_held)
        for (ExperimentListener* listener : m_listeners)
            listener->held();
    m_view.showCharges(m_state.N2, m_state.N3);
    m_sound.playSignalTone(Sound::ShortSignal);
    if (displaysByDeadline()) {
        m_chargesUntil = wallNow() + ReadOutSeconds * 1000;
        return;
    }
    m_pause.wait(ReadOutSeconds);
    if (m_lifetime.isEnding())
        return;
    m_view.hideCharges();
}

void Experiment::showVelocities()
{
    const ExperimentState& s = m_state;
    // V − 1 = N·a, so these are N3/N2 and N3 − N2 up to rounding.
    const double ratio = (s.V3max - 1) / (s.V2max - 1);
    const double difference = (s.V3max - s.V2max) / s.forceRatio;
    if (!m_held)
        for (ExperimentListener* listener : m_listeners)
            listener->held();
    m_view.showChargeRatio(ratio, difference);
    m_sound.playSignalTone(Sound::ShortSignal);
    if (displaysByDeadline()) {
        m_ratioUntil = wallNow() + ReadOutSeconds * 1000;
        return;
    }
    m_pause.wait(ReadOutSeconds);
    if (m_lifetime.isEnding())
        return;
    m_view.hideChargeRatio();
}
