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
    begin(noise);
    while (canStep()) {
        step();
        m_pause.waitOnBeat(m_state.slowDown * 0.01);
        if (m_lifetime.isEnding()) {
            --m_depth;
            return End::ProgramEnding;
        }
    }
    return finish();
}

void DropletRun::begin(DropletNoise* noise, double Y0)
{
    ExperimentState& s = m_state;
    m_noise = noise;
    m_surfaces.coordinatePlot.setDrawWidth(3);
    m_surfaces.velocityPlot.setDrawWidth(3);
    m_surfaces.coordinatePlot.drawPoint(0, static_cast<float>(Y0), Colors::Red);
    m_surfaces.velocityPlot.drawPoint(0, 0, Colors::Red);
    // At rest (at the upper plate, or a caught droplet where it was seen), no
    // electric force yet, the clock at the plots' time origin.
    s.activeChargeNumber = 0;
    s.Vy = 0;
    s.Y = Y0;
    s.t = s.runStartTime;
    m_record.begin(s.tau, s.Vg, s.t, Y0);
    ++m_depth;
    m_endRequested = false;
    for (ExperimentListener* listener : m_listeners)
        listener->runStarting();
}

bool DropletRun::inRange() const
{
    // A held droplet stays until it touches a plate; the demonstration's
    // measuring range ends a hundredth of the gap above the lower plate.
    const ExperimentState& s = m_state;
    return s.Y >= 0 && s.Y < (s.holding ? s.reducedGap : 0.99 * s.reducedGap);
}

bool DropletRun::canStep() const
{
    return inRange() && !m_endRequested;
}

void DropletRun::step()
{
    ExperimentState& s = m_state;
    const DropletPhysics::Motion next = DropletPhysics::step(s.Vy, s.Y, s.timeStep, s.activeChargeNumber, s.forceRatio);
    s.Vy = next.Vy;
    s.Y = next.Y;
    // The velocity shown: the droplet's own, or with a random displacement
    // its mean over the step (the velocity itself, which the next step
    // continues from, stays the deterministic one).
    float shownVy = s.Vy;
    if (m_noise) {
        const double kick = m_noise->displacement(s);
        s.Y += kick;
        shownVy = static_cast<float>(static_cast<double>(s.Vy) + kick / s.timeStep);
    }
    s.t = s.t + s.timeStep;
    m_record.add(s.t, s.Y, shownVy);
    m_surfaces.coordinatePlot.lineTo(static_cast<float>(s.t), static_cast<float>(s.Y), Colors::Red);
    m_surfaces.velocityPlot.lineTo(static_cast<float>(s.t), shownVy, Colors::Red);
    Sprite& marker = m_surfaces.dropletMarker;
    marker.setLeft(s.X - marker.userWidth() / 2);
    marker.setTop(s.Y - marker.userHeight() / 2);
    for (ExperimentListener* listener : m_listeners)
        listener->stepped();
}

ExperimentListener::End DropletRun::finish()
{
    --m_depth;
    if (inRange())
        return End::Ended;
    return m_state.holding ? End::TouchedPlate : End::LeftGap;
}
