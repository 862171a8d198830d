// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawingSurfaces.h"
#include "ExperimentListener.h"

#include <vector>

struct ExperimentState;
class DropletNoise;
class Lifetime;
class Pause;
class RunRecord;

/// The droplet's run from the upper plate through the gap, and its pacing:
/// the part of the experiment (Experiment) that steps its state.
class DropletRun {
public:
    DropletRun(ExperimentState& state, RunRecord& record, const DrawingSurfaces& surfaces, Pause& pause,
               const Lifetime& lifetime, const std::vector<ExperimentListener*>& listeners);

    /// Puts the droplet at rest at the upper plate with the run's clock at
    /// its start, tells the listeners, and runs it until it leaves the
    /// measuring range [0, 0.99·reducedGap) — a held droplet (the state's
    /// `holding`) until it touches a plate, outside [0, reducedGap), or the
    /// run is ended (requestEnd) —, drawing the coordinate and
    /// velocity curves and moving the marker, and pausing slowDown × 10 ms
    /// after every step. Every quantity the step uses is read afresh at each
    /// step, so changes made during a pause take effect at the next step.
    /// Returns at once when the program is ending. The course of the run is
    /// kept in the run record, from the start at rest.
    ///
    /// `noise` (none: the deterministic motion) is added to the coordinate
    /// after every step; the velocity drawn and recorded is then the
    /// droplet's mean velocity over the step, noise included.
    ExperimentListener::End run(DropletNoise* noise);

    // The same run a step at a time, for a held droplet stepped by a timer:
    // begin() puts it at rest (`Y0` below the upper plate, Vg·tau) and tells the listeners; while canStep() (the
    // droplet in its range, the run not asked to end), each step() advances
    // it by one step, drawn and told; finish() ends it and says how.
    void begin(DropletNoise* noise, double Y0 = 0);
    bool canStep() const;
    void step();
    ExperimentListener::End finish();

    /// The run under way ends at its next test.
    void requestEnd() { m_endRequested = true; }
    bool isRunning() const { return m_depth > 0; }

private:
    ExperimentState& m_state;
    RunRecord& m_record;
    DrawingSurfaces m_surfaces;
    Pause& m_pause;
    const Lifetime& m_lifetime;
    const std::vector<ExperimentListener*>& m_listeners;
    using End = ExperimentListener::End;
    bool inRange() const;

    DropletNoise* m_noise = nullptr;
    int m_depth = 0; ///< runs under way, one inside another's pause in the demonstration
    bool m_endRequested = false;
};
