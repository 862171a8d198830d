// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExperimentClock.h"

#include "ExperimentState.h"

#include "SteadyClock.h"

#include <algorithm>

ExperimentClock::ExperimentClock(const ExperimentState& state, const SteadyClock& wall) : m_state(state), m_wall(wall)
{
}

void ExperimentClock::runStarting()
{
    m_start = m_state.t;
    m_stepWall = m_wall.milliseconds();
    m_running = true;
    m_held = true; // until the first step, which follows at once
    m_heldAt = 0;
}

void ExperimentClock::stepped()
{
    m_stepWall = m_wall.milliseconds();
    m_held = false;
}

void ExperimentClock::held()
{
    if (!m_running || m_held)
        return;
    m_heldAt = now();
    m_held = true;
}

void ExperimentClock::runEnded()
{
    if (!m_running)
        return;
    m_heldAt = atLastStep();
    m_running = false;
    m_paused = false;
}

void ExperimentClock::pause()
{
    if (!m_running || m_paused)
        return;
    m_pausedWall = m_wall.milliseconds();
    m_paused = true;
}

void ExperimentClock::resume()
{
    if (!m_paused)
        return;
    // The step's pause goes on from where it stood.
    m_stepWall += m_wall.milliseconds() - m_pausedWall;
    m_paused = false;
}

double ExperimentClock::stepSeconds() const
{
    return m_state.timeStep * static_cast<double>(m_state.tau);
}

double ExperimentClock::pauseMs() const
{
    return m_state.slowDown * 10.0;
}

double ExperimentClock::atLastStep() const
{
    return (m_state.t - m_start) * static_cast<double>(m_state.tau);
}

double ExperimentClock::now() const
{
    if (!m_running || m_held)
        return m_heldAt;
    // The motion of the step to come, spread evenly over its pause.
    const double pause = pauseMs();
    const double wall = m_paused ? m_pausedWall : m_wall.milliseconds();
    const double fraction = pause > 0 ? std::clamp((wall - m_stepWall) / pause, 0.0, 1.0) : 1.0;
    return atLastStep() + fraction * stepSeconds();
}

double ExperimentClock::rate() const
{
    if (!isRunning() || pauseMs() <= 0)
        return 0;
    return stepSeconds() / (pauseMs() / 1000);
}
