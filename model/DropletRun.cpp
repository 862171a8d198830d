// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropletRun.h"

#include "DropletNoise.h"
#include "ExperimentListener.h"
#include "ExperimentState.h"
#include "Pause.h"
#include "RunRecord.h"

#include "Canvas.h"
#include "DropletPhysics.h"
#include "Lifetime.h"
#include "Sprite.h"

DropletRun::DropletRun(ExperimentState& state, RunRecord& record, const DrawingSurfaces& surfaces, Pause& pause,
                       const Lifetime& lifetime, const std::vector<ExperimentListener*>& listeners)
    : m_state(state), m_record(record), m_surfaces(surfaces), m_pause(pause), m_lifetime(lifetime),
      m_listeners(listeners)
{
}

ExperimentListener::End DropletRun::run(DropletNoise* noise)
{
    using End = ExperimentListener::End;
    ExperimentState& s = m_state;
    Canvas& coordinatePlot = m_surfaces.coordinatePlot;
    Canvas& velocityPlot = m_surfaces.velocityPlot;
    Sprite& marker = m_surfaces.dropletMarker;

    coordinatePlot.setDrawWidth(3);
    velocityPlot.setDrawWidth(3);
    coordinatePlot.drawPoint(0, 0, Colors::Red);
    velocityPlot.drawPoint(0, 0, Colors::Red);

    // At rest at the upper plate, no electric force yet, the clock at the
    // plots' time origin.
    s.activeChargeNumber = 0;
    s.Vy = 0;
    s.Y = 0;
    s.t = s.runStartTime;
    m_record.begin(s.tau, s.Vg, s.t);
    ++m_depth;
    m_endRequested = false;
    for (ExperimentListener* listener : m_listeners)
        listener->runStarting();

    // A held droplet stays until it touches a plate; the demonstration's
    // measuring range ends a hundredth of the gap above the lower plate.
    const auto inRange = [&s] { return s.Y >= 0 && s.Y < (s.holding ? s.reducedGap : 0.99 * s.reducedGap); };
    while (inRange() && !m_endRequested) {
        const DropletPhysics::Motion next =
            DropletPhysics::step(s.Vy, s.Y, s.timeStep, s.activeChargeNumber, s.forceRatio);
        s.Vy = next.Vy;
        s.Y = next.Y;
        // The velocity shown: the droplet's own, or with a random
        // displacement its mean over the step (the velocity itself, which
        // the next step continues from, stays the deterministic one).
        float shownVy = s.Vy;
        if (noise) {
            const double kick = noise->displacement(s);
            s.Y += kick;
            shownVy = static_cast<float>(static_cast<double>(s.Vy) + kick / s.timeStep);
        }
        s.t = s.t + s.timeStep;
        m_record.add(s.t, s.Y, shownVy);

        coordinatePlot.lineTo(static_cast<float>(s.t), static_cast<float>(s.Y), Colors::Red);
        velocityPlot.lineTo(static_cast<float>(s.t), shownVy, Colors::Red);

        marker.setLeft(s.X - marker.userWidth() / 2);
        marker.setTop(s.Y - marker.userHeight() / 2);

        for (ExperimentListener* listener : m_listeners)
            listener->stepped();
        m_pause.waitOnBeat(s.slowDown * 0.01);
        if (m_lifetime.isEnding()) {
            --m_depth;
            return End::ProgramEnding;
        }
    }
    --m_depth;
    if (inRange())
        return End::Ended;
    return s.holding ? End::TouchedPlate : End::LeftGap;
}
