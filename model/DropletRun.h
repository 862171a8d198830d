// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawingSurfaces.h"

struct ExperimentState;
class DropletNoise;
class ExperimentObserver;
class ExperimentView;
class Lifetime;
class Pause;
class RunRecord;

/// The droplet's run from the upper plate through the gap, and its pacing.
class DropletRun {
public:
    DropletRun(ExperimentState& state, const DrawingSurfaces& surfaces, ExperimentView& view, Pause& pause,
               const Lifetime& lifetime, RunRecord& record);

    /// Runs the droplet until it leaves the measuring range [0, 0.99·reducedGap),
    /// drawing the coordinate and velocity curves and moving the marker, and
    /// pausing slowDown × 10 ms after every step. Every quantity the step uses is
    /// read afresh at each step, so changes made during a pause take effect at
    /// the next step. Returns at once when the program is ending. The course
    /// of the run is kept in the run record, from the start at rest.
    void runDroplet();

    /// The slow-down setting changed: the next pause uses the new value.
    void onSlowDownChanged();

    /// Adds `noise` to the droplet's coordinate after every step (none: the
    /// deterministic motion). The velocity drawn and recorded is then the
    /// droplet's mean velocity over the step, noise included.
    void setNoise(DropletNoise* noise) { m_noise = noise; }
    /// Told of every step.
    void setObserver(ExperimentObserver* observer) { m_observer = observer; }

private:
    ExperimentState& m_state;
    DrawingSurfaces m_surfaces;
    ExperimentView& m_view;
    Pause& m_pause;
    const Lifetime& m_lifetime;
    RunRecord& m_record;
    DropletNoise* m_noise = nullptr;
    ExperimentObserver* m_observer = nullptr;
};
