// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NoviceStudent.h"

#include "SessionTally.h"
#include "WindowFixture.h"

#include "JournalModel.h"
#include "Laboratory.h"
#include "LaboratoryWindows.h"
#include "MainWindow.h"
#include "StopwatchWindow.h"

#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <cmath>

NoviceStudent::NoviceStudent(WindowFixture& w, std::uint64_t handSeed, StudentHand::Model hand)
    : m_w(w), m_hand(w, handSeed, hand)
{
}

Coach& NoviceStudent::coach()
{
    return m_w.form->laboratory().coach();
}

NoviceStudent::Session NoviceStudent::run(double maxMinutes, int maxStarts)
{
    m_session = {};
    m_drop = 0;
    m_done = false;
    const SessionTally tally(m_w);
    const RunRecord& record = m_w.simulation().record();
    m_w.fakes.timer.everyPause = [this, &record, maxMinutes, last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step < 1 || step == last || m_done)
            return;
        last = step;
        if (m_session.experimentSeconds + step * m_hand.stepSeconds() > maxMinutes * 60) {
            m_done = true;
            m_w.simulation().experiment().end();
            return;
        }
        atStep(step);
    };
    // Between runs the coach says what to set, to start, or to read.
    while (!m_done && m_session.started < maxStarts) {
        const Coach::Step step = coach().advise().step;
        if (watch)
            watch(step);
        if (m_done)
            break;
        if (step == Coach::Step::ReadE) {
            m_session.readE = true;
            break;
        }
        if (step == Coach::Step::SlowDown) {
            m_w.widgets().slowDownScrollBar->setValue(Coach::RecommendedSlowDown);
            continue;
        }
        QTest::keyClick(m_w.form.get(), Qt::Key_F5);
        m_w.holdWhileHeld();
    }
    if (m_drop != 0)
        m_session.experimentSeconds += (static_cast<double>(record.points().size()) - 1) * m_hand.stepSeconds();
    m_w.fakes.timer.everyPause = {};

    m_session.lost += tally.lostDrops();
    m_session.wallSeconds = tally.wallSeconds();
    return m_session;
}

void NoviceStudent::stop()
{
    m_done = true;
    m_hand.clear();
    m_w.simulation().experiment().end();
}

void NoviceStudent::newDrop()
{
    if (m_drop != 0)
        m_session.experimentSeconds += m_lastStep * m_hand.stepSeconds();
    m_drop = m_w.simulation().laboratory().currentDrop();
    ++m_session.started;
    m_hand.clear();
    m_lastY = 0;
    m_lastStep = 0;
    m_timing = Timing::None;
}

void NoviceStudent::atStep(int step)
{
    const ExperimentState& s = m_w.state();
    if (m_w.simulation().laboratory().currentDrop() != m_drop)
        newDrop();
    m_lastStep = step;
    const double stepSeconds = m_hand.stepSeconds();
    const double band = s.reducedGap / 10;
    const double from = m_lastY, to = s.Y;
    const int a = static_cast<int>(std::floor(from / band)), b = static_cast<int>(std::floor(to / band));
    // The lines the droplet passed during this step, in the order it passed them.
    const auto when = [&](int line) { return (step - 1 + (line * band - from) / (to - from)) * stepSeconds; };
    for (int line = a + 1; line <= b; ++line)
        crossed(line, true, when(line));
    for (int line = a; line > b; --line)
        crossed(line, false, when(line));
    m_lastY = to;
    // A timing whose motion turned back is stopped where it stands.
    if ((m_timing == Timing::Fall && s.fieldOn) || (m_timing == Timing::Rise && !s.fieldOn)) {
        m_hand.act(step * stepSeconds, Qt::Key_F8);
        m_timing = Timing::None;
    }
    m_step = coach().advise().step;
    if (watch)
        watch(m_step);
    if (m_done)
        return;
    follow(m_step, step * stepSeconds);
    m_hand.pressDue(step);
}

void NoviceStudent::crossed(int line, bool down, double when)
{
    const ExperimentState& s = m_w.state();
    const int top = Coach::TopLine, bottom = top + Coach::Bands;
    if (m_timing == Timing::None && m_step == Coach::Step::Time) {
        if (!s.fieldOn && down && line == top) {
            m_hand.act(when, Qt::Key_F8);
            m_timing = Timing::Fall;
        } else if (s.fieldOn && !down && line == bottom) {
            m_hand.act(when, Qt::Key_F8);
            m_timing = Timing::Rise;
        }
    } else if ((m_timing == Timing::Fall && down && line == bottom)
               || (m_timing == Timing::Rise && !down && line == top)) {
        m_hand.act(when, Qt::Key_F8);
        m_timing = Timing::None;
    }
}

void NoviceStudent::follow(Coach::Step step, double now)
{
    using Step = Coach::Step;
    // One thing at a time: what the last press changed shows first.
    if (!m_hand.idle() || m_timing != Timing::None)
        return;
    const ExperimentState& s = m_w.state();
    switch (step) {
    case Step::Distance: m_w.form->laboratory().stopwatchWindow()->bandsBox()->setValue(Coach::Bands); break;
    case Step::Record: m_hand.act(now, Qt::Key_F12); break;
    case Step::ChooseSlower:
    case Step::AnotherDrop:
    case Step::NextDrop: m_hand.act(now, Qt::Key_F5); break;
    case Step::TestField:
    case Step::FieldOnLow:
    case Step::FieldOffHigh: m_hand.act(now, Qt::Key_F6); break;
    case Step::Polarity: m_hand.act(now, Qt::Key_F6, Qt::ShiftModifier); break;
    case Step::VoltageUp: m_hand.act(now, Qt::Key_PageUp, Qt::ShiftModifier); break;
    case Step::VoltageDown: m_hand.act(now, Qt::Key_PageDown, Qt::ShiftModifier); break;
    case Step::Irradiate:
        // The field off once the droplet is in the upper half, then the light.
        if (!s.fieldOn)
            m_hand.act(now, Qt::Key_F7);
        else if (s.Y < 4 * s.reducedGap / 10)
            m_hand.act(now, Qt::Key_F6);
        break;
    case Step::ReadE:
        m_session.readE = true;
        m_done = true;
        m_w.simulation().experiment().end();
        break;
    case Step::SlowDown:
    case Step::StartDrop:
    case Step::Watch:
    case Step::Time: break;
    }
}
