#include "DropletRun.h"

#include "ExperimentState.h"
#include "Pause.h"

#include "MainWindowControls.h"
#include "Lifetime.h"

#include <cmath>

DropletRun::DropletRun(ExperimentState& state, const MainWindowControls& controls, Pause& pause,
                       const Lifetime& lifetime)
    : m_state(state), m_controls(controls), m_pause(pause), m_lifetime(lifetime)
{
}

void DropletRun::runDroplet()
{
    ExperimentState& s = m_state;
    Canvas& coordinatePlot = *m_controls.coordinatePlot;
    Canvas& velocityPlot = *m_controls.velocityPlot;
    Sprite& marker = *m_controls.dropletMarker;

    coordinatePlot.setDrawWidth(3);
    velocityPlot.setDrawWidth(3);
    coordinatePlot.drawPoint(0, 0, Colors::Red);
    velocityPlot.drawPoint(0, 0, Colors::Red);

    // At rest at the upper plate, no electric force yet.
    s.activeChargeNumber = 0;
    s.Vy = 0;
    s.Y = 0;

    while (s.Y >= 0 && s.Y < 0.99 * s.reducedGap) {
        // Exact step of dV/dT = V∞ − V over timeStep: V relaxes towards V∞ by the
        // factor e^(−timeStep); the displacement is the drift V∞·timeStep plus the
        // relaxation term (1 − E)·(V − V∞), taken with the velocity at the end
        // of the step. Vy is single precision, and so is Vy − 1.
        const double E = std::exp(-s.timeStep);
        const double vInfinity = 1 + s.activeChargeNumber * s.forceRatio;
        s.Vy = static_cast<float>(vInfinity + E * (static_cast<double>(s.Vy - 1.0f) - s.activeChargeNumber * s.forceRatio));
        s.Y = s.Y + s.timeStep * vInfinity + (1 - E) * (static_cast<double>(s.Vy - 1.0f) - s.activeChargeNumber * s.forceRatio);
        s.t = s.t + s.timeStep;

        coordinatePlot.lineTo(static_cast<float>(s.t), static_cast<float>(s.Y), Colors::Red);
        velocityPlot.lineTo(static_cast<float>(s.t), s.Vy, Colors::Red);

        marker.setLeft(s.X - marker.userWidth() / 2);
        marker.setTop(s.Y - marker.userHeight() / 2);

        m_pause.waitOnBeat(s.slowDown * 0.01);
        if (m_lifetime.isEnding())
            return;
    }
}

void DropletRun::onSlowDownChanged()
{
    m_state.slowDown = static_cast<std::int16_t>(m_controls.slowDownScrollBar->value());
    m_controls.slowDownReadout->setText(QString::number(m_state.slowDown));
}
