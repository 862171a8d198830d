// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LabStudent.h"

#include "SessionTally.h"
#include "WindowFixture.h"

#include "Laboratory.h"
#include "LaboratoryWindows.h"
#include "MainWindow.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "Spray.h"
#include "StopwatchWindow.h"

#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

/// The speeds the student times a rise at, in units of the free fall: slower
/// is too slow to wait for, faster too quick to time well.
constexpr double SlowestRise = 0.5;
constexpr double FastestRise = 2.5;

} // namespace

LabStudent::LabStudent(WindowFixture& w, std::uint64_t handSeed, Hand hand) : m_w(w), m_hand(w, handSeed, hand) {}

bool LabStudent::stateDone() const
{
    return m_falls >= m_plan.timings && m_rises >= m_plan.timings;
}

void LabStudent::setUp(WindowFixture& w, std::uint64_t seed, const Options& options)
{
    w.widgets().voltageEdit->setText(QStringLiteral("-25000"));
    w.widgets().slowDownScrollBar->setValue(9);
    w.fakes.random.values = {};
    w.simulation().laboratory().setSeed(seed);
    const MainWindow::Menus& m = w.form->menus();
    m.laboratoryMode->trigger();
    for (const auto& [on, option] : {std::pair{options.unknown, m.unknownDrop}, std::pair{options.brownian, m.brownian},
                                     std::pair{options.slip, m.slipCorrection}})
        if (on)
            option->trigger();
    if (options.level)
        w.form->laboratory().levelAction(*options.level)->trigger();
}

LabStudent::Session LabStudent::run(const Plan& plan)
{
    m_plan = plan;
    m_session = {};
    m_unseen = 0;
    m_drop = 0;
    // The distance of a timing, in the stopwatch's box.
    m_w.form->laboratory().stopwatchWindow()->bandsBox()->setValue(plan.bands);
    const SessionTally tally(m_w);
    const RunRecord& record = m_w.simulation().record();
    m_w.fakes.timer.everyPause = [this, &record, last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step < 1 || step == last)
            return;
        last = step;
        atStep(step);
    };
    const std::optional<RealismLevel> level = m_w.simulation().laboratory().realismLevel();
    m_spray = level && *level != RealismLevel::Ideal;
    while (m_session.measured < plan.drops && m_session.started < plan.maxStarts) {
        if (m_spray)
            choose();
        QTest::keyClick(m_w.form.get(), Qt::Key_F5);
        m_w.holdWhileHeld();
    }
    m_session.experimentSeconds += (static_cast<double>(record.points().size()) - 1) * stepSeconds();
    m_w.fakes.timer.everyPause = {};

    m_session.lost += tally.lostDrops();
    m_session.unseenSteps = m_unseen;
    m_session.wallSeconds = tally.wallSeconds();
    return m_session;
}

void LabStudent::newDrop()
{
    if (m_drop != 0)
        m_session.experimentSeconds += m_lastStep * stepSeconds();
    m_drop = m_w.simulation().laboratory().currentDrop();
    ++m_session.started;
    m_hand.clear();
    // A caught droplet starts where it was seen; below the third line it is tried at once.
    m_lastY = m_w.simulation().record().points().front().Y;
    if (m_lastY >= 3 * m_w.state().reducedGap / 10)
        act(0, Qt::Key_F6);
    m_lastStep = 0;
    m_settled = 0;
    m_tested = false;
    m_irradiating = false;
    m_timing = Timing::None;
    m_falls = m_rises = 0;
    m_statesDone = 0;
    m_chargeState = 0;
}

void LabStudent::atStep(int step)
{
    const ExperimentState& s = m_w.state();
    if (m_w.simulation().laboratory().currentDrop() != m_drop)
        newDrop();
    m_lastStep = step;
    if (m_spray)
        keepInFocus();
    if (s.chargeState != m_chargeState) {
        // A new charge: tested anew, and timed anew.
        m_chargeState = s.chargeState;
        m_falls = m_rises = 0;
        m_tested = false;
        m_irradiating = false;
        m_timing = Timing::None;
        m_settled = 0;
    }
    const double band = s.reducedGap / 10;
    const double from = m_lastY, to = s.Y;
    const int a = static_cast<int>(std::floor(from / band)), b = static_cast<int>(std::floor(to / band));
    // The lines the droplet passed during this step, in the order it passed them.
    const auto when = [&](int line) { return (step - 1 + (line * band - from) / (to - from)) * stepSeconds(); };
    for (int line = a + 1; line <= b; ++line)
        crossed(line, true, when(line));
    for (int line = a; line > b; --line)
        crossed(line, false, when(line));
    const double v = (to - from) / s.timeStep;
    m_lastY = to;
    ++m_settled;
    if (s.fieldOn && m_timing == Timing::None && m_hand.idle())
        tune(v, step * stepSeconds());
    if (m_hand.pressDue(step) > 0)
        m_settled = 0;
    if (watch)
        watch(m_drop, step);
}

void LabStudent::crossed(int line, bool down, double when)
{
    const ExperimentState& s = m_w.state();
    const int top = m_plan.topLine, bottom = top + m_plan.bands;
    if (!s.fieldOn) {
        if (down && line == top && m_timing == Timing::None && m_tested && m_falls < m_plan.timings) {
            act(when, Qt::Key_F8);
            m_timing = Timing::Fall;
        } else if (down && line == bottom && m_timing == Timing::Fall) {
            act(when, Qt::Key_F8);
            act(when, Qt::Key_F12);
            m_timing = Timing::None;
            ++m_falls;
        }
        // The field on past the eighth line, or past the third to try the drop.
        if (down && line == (m_tested ? bottom + 1 : 3))
            act(when, Qt::Key_F6);
        return;
    }
    if (!down && line == bottom && m_timing == Timing::None && m_tested && m_rises < m_plan.timings) {
        act(when, Qt::Key_F8);
        m_timing = Timing::Rise;
    } else if (!down && line == top && m_timing == Timing::Rise) {
        act(when, Qt::Key_F8);
        act(when, Qt::Key_F12);
        m_timing = Timing::None;
        ++m_rises;
    }
    if (!down && line == top - 1)
        act(when, Qt::Key_F6);
    // A state timed: on the next rise, a new charge, or the next drop.
    if (!down && line == 5 && m_timing == Timing::None && stateDone() && !m_irradiating) {
        if (m_statesDone + 1 >= m_plan.states) {
            ++m_session.measured;
            // The next drop at once, or, from a spray, after spraying and choosing anew.
            if (m_session.measured >= m_plan.drops || m_spray)
                m_w.simulation().experiment().end();
            else
                act(when, Qt::Key_F5);
        } else {
            act(when, Qt::Key_F7);
        }
        ++m_statesDone;
        m_irradiating = true;
    }
}

void LabStudent::tune(double v, double now)
{
    const ExperimentState& s = m_w.state();
    if (m_settled < 2)
        return;
    if (v > 1.05) {
        // Faster than the free fall: the field pushes down; the other way round.
        act(now, Qt::Key_F6, Qt::ShiftModifier);
    } else if (v > -SlowestRise) {
        // Not lifted (enough): more voltage, or, at the highest, a new charge.
        if (std::fabs(s.Ux) * 1.1 <= m_plan.maxVoltage)
            act(now, Qt::Key_PageUp, Qt::ShiftModifier);
        else
            act(now, Qt::Key_F7);
    } else if (v < -FastestRise) {
        act(now, Qt::Key_PageDown, Qt::ShiftModifier);
    } else {
        m_tested = true;
    }
}

void LabStudent::act(double seen, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    m_hand.act(seen, key, modifiers);
}

void LabStudent::choose()
{
    // Sprayed again while no droplet fits.
    for (int spray = 0; spray < 10 && !sprayAndChoose(); ++spray) {
    }
}

bool LabStudent::sprayAndChoose()
{
    Laboratory& lab = m_w.simulation().laboratory();
    QTest::keyClick(m_w.form.get(), Qt::Key_F2);
    const Spray* spray = lab.chamber().current();
    MicroscopeWindow* microscope = m_w.form->laboratory().microscopeWindow();
    if (!spray || !microscope)
        return false;
    // The knob turned through the cloud's depth (±60 µm), and back to where most are seen.
    QSlider* knob = microscope->focusSlider();
    const auto turnTo = [knob](int value) {
        while (knob->value() != value)
            QTest::keyClick(knob, knob->value() < value ? Qt::Key_Up : Qt::Key_Down);
    };
    int sharpest = 0;
    std::size_t most = 0;
    for (int value = -30; value <= 30; ++value) {
        turnTo(value);
        if (spray->visibleByDistance().size() > most) {
            most = spray->visibleByDistance().size();
            sharpest = value;
        }
    }
    turnTo(sharpest);
    // Watched for a while (field off: each falls at its own Vg), as the window's ticks move it.
    const std::vector<Spray::Droplet> before = spray->droplets();
    constexpr int Ticks = 60; // 3 s of wall time
    for (int i = 0; i < Ticks; ++i)
        lab.advanceSpray(LaboratoryWindows::MicroscopeTickMs / 1000.0);
    int best = 0;
    double slowest = 0;
    for (const Spray::Droplet& d : spray->droplets()) {
        const Spray::Droplet& then = before[static_cast<std::size_t>(d.id - 1)];
        // Near the view's middle line, so that it stays in view from the first line to the ninth.
        if (!spray->visible(d) || spray->sharpness(d) < 0.5 || d.Y > spray->plateGap() / 2
            || std::fabs(d.X) > 0.15 * spray->plateGap())
            continue;
        const double fall = d.Y - then.Y;
        if (fall > 0 && (best == 0 || fall < slowest)) {
            best = d.id;
            slowest = fall;
        }
    }
    microscope->refresh();
    // Tab through the droplets seen until it is the one chosen.
    MicroscopeView* view = microscope->view();
    for (int i = 0; i < Spray::Most && best != 0 && view->selected() != best; ++i)
        QTest::keyClick(view, Qt::Key_Tab);
    return best != 0 && lab.chosen() == best;
}

void LabStudent::keepInFocus()
{
    const Laboratory& lab = m_w.simulation().laboratory();
    const Spray* spray = lab.chamber().current();
    const Spray::Droplet* droplet = spray && lab.caught() ? spray->droplet(lab.caught()) : nullptr;
    MicroscopeWindow* microscope = m_w.form->laboratory().microscopeWindow();
    if (!droplet || !microscope)
        return;
    // Blurring: the knob turned a step each way, and left where it looks
    // sharpest; gone from sight, turned through ±30 µm to find it again.
    QSlider* knob = microscope->focusSlider();
    const double sharpness = spray->sharpness(*droplet);
    const bool unseen = lab.holding() && !spray->visible(*droplet);
    m_unseen += unseen;
    // Not found again for a good while: let go, and another one caught.
    m_unseenInARow = unseen ? m_unseenInARow + 1 : 0;
    if (m_unseenInARow > 100) {
        m_unseenInARow = 0;
        m_w.simulation().experiment().end();
        return;
    }
    if (!lab.holding() || sharpness >= 0.85)
        return;
    const int from = knob->value();
    const int reach = sharpness > 0 ? 1 : 15;
    int best = from;
    double sharpest = sharpness;
    for (int value = std::max(from - reach, knob->minimum()); value <= std::min(from + reach, knob->maximum());
         ++value) {
        while (knob->value() != value)
            QTest::keyClick(knob, knob->value() < value ? Qt::Key_Up : Qt::Key_Down);
        if (spray->sharpness(*droplet) > sharpest) {
            sharpest = spray->sharpness(*droplet);
            best = value;
        }
    }
    while (knob->value() != best)
        QTest::keyClick(knob, knob->value() < best ? Qt::Key_Up : Qt::Key_Down);
}
