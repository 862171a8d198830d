// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct ExperimentState;
class SteadyClock;

/// The experiment's own time: seconds of the droplet's motion since it
/// started at rest, steps × step × tau, whatever the slow-down. Between two
/// steps it runs on evenly through the pause, from the time of one step to
/// that of the next, so that it reads to a hundredth of a second although a
/// step is much longer; it stands still while a display holds the run and
/// after the run.
class ExperimentClock {
public:
    ExperimentClock(const ExperimentState& state, const SteadyClock& wall);

    /// The droplet is at rest at the upper plate: time 0.
    void runStarting();
    /// A step was taken; its pause begins now.
    void stepped();
    /// A display holds the run until the next step.
    void held();
    /// The run is over: the clock stops at its last step.
    void runEnded();
    /// The run stands still (a modal dialog, the window minimised): the
    /// clock stops where it is, and goes on from there when resumed.
    void pause();
    void resume();

    /// Seconds of the experiment now.
    double now() const;
    /// Seconds of the experiment at the last step.
    double atLastStep() const;
    /// Seconds of the experiment per second of wall time now (0 when standing still).
    double rate() const;
    bool isRunning() const { return m_running && !m_held && !m_paused; }

private:
    double stepSeconds() const;
    double pauseMs() const;

    const ExperimentState& m_state;
    const SteadyClock& m_wall;
    double m_start = 0;    ///< the run's clock at rest, tau
    double m_stepWall = 0; ///< wall time of the last step, ms
    double m_heldAt = 0;   ///< the time a hold stopped the clock at, s
    bool m_running = false;
    bool m_held = false;
    bool m_paused = false;
    double m_pausedWall = 0; ///< wall time it was paused at, ms
};
