// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropletRun.h"

#include "DropletNoise.h"
#include "ExperimentObserver.h"
#include "ExperimentState.h"
#include "Pause.h"
#include "RunRecord.h"

#include "Canvas.h"
#include "DropletPhysics.h"
#include "ExperimentView.h"
#include "Lifetime.h"
#include "Sprite.h"

DropletRun::DropletRun(ExperimentState& state, const DrawingSurfaces& surfaces, ExperimentView& view, Pause& pause,
                       const Lifetime& lifetime, RunRecord& record)
    : m_state(state), m_surfaces(surfaces), m_view(view), m_pause(pause), m_lifetime(lifetime), m_record(record)
{
}

void DropletRun::runDroplet()
{
    ExperimentState& s = m_state;
    Canvas& coordinatePlot = m_surfaces.coordinatePlot;
    Canvas& velocityPlot = m_surfaces.velocityPlot;
    Sprite& marker = m_surfaces.dropletMarker;

    coordinatePlot.setDrawWidth(3);
    velocityPlot.setDrawWidth(3);
    coordinatePlot.drawPoint(0, 0, Colors::Red);
    velocityPlot.drawPoint(0, 0, Colors::Red);

    // At rest at the upper plate, no electric force yet. The clock was set
    // back to its start by the plots' backgrounds.
    s.activeChargeNumber = 0;
    s.Vy = 0;
    s.Y = 0;
    m_record.begin(s.tau, s.Vg, s.t);

    while (s.Y >= 0 && s.Y < 0.99 * s.reducedGap) {
        const DropletPhysics::Motion next =
            DropletPhysics::step(s.Vy, s.Y, s.timeStep, s.activeChargeNumber, s.forceRatio);
        s.Vy = next.Vy;
        s.Y = next.Y;
        // The velocity shown: the droplet's own, or with a random
        // displacement its mean over the step (the velocity itself, which
        // the next step continues from, stays the deterministic one).
        float shownVy = s.Vy;
        if (m_noise) {
            const double kick = m_noise->displacement(s);
            s.Y += kick;
            shownVy = static_cast<float>(static_cast<double>(s.Vy) + kick / s.timeStep);
        }
        s.t = s.t + s.timeStep;
        m_record.add(s.t, s.Y, shownVy);

        coordinatePlot.lineTo(static_cast<float>(s.t), static_cast<float>(s.Y), Colors::Red);
        velocityPlot.lineTo(static_cast<float>(s.t), shownVy, Colors::Red);

        marker.setLeft(s.X - marker.userWidth() / 2);
        marker.setTop(s.Y - marker.userHeight() / 2);

        if (m_observer)
            m_observer->stepped();
        m_pause.waitOnBeat(s.slowDown * 0.01);
        if (m_lifetime.isEnding())
            return;
    }
}

void DropletRun::onSlowDownChanged()
{
    m_state.slowDown = static_cast<std::int16_t>(m_view.slowDownSetting());
    m_view.showSlowDown(m_state.slowDown);
}
