#include "DropletRun.h"

#include "ExperimentState.h"
#include "Pause.h"

#include "Form1Controls.h"
#include "Lifetime.h"

#include <cmath>

DropletRun::DropletRun(ExperimentState& state, const Form1Controls& controls, Pause& pause,
                       const Lifetime& lifetime)
    : m_state(state), m_controls(controls), m_pause(pause), m_lifetime(lifetime)
{
}

void DropletRun::raschet3()
{
    ExperimentState& s = m_state;
    Canvas& coordinatePlot = *m_controls.Picture2;
    Canvas& velocityPlot = *m_controls.Picture3;
    Sprite& marker = *m_controls.Shape1;

    coordinatePlot.setDrawWidth(3);
    velocityPlot.setDrawWidth(3);
    coordinatePlot.PSet(0, 0, Colors::Red);
    velocityPlot.PSet(0, 0, Colors::Red);

    // At rest at the upper plate, no electric force yet.
    s.Nq = 0;
    s.Vy = 0;
    s.Y = 0;

    while (s.Y >= 0 && s.Y < 0.99 * s.DDx) {
        // Exact step of dV/dT = V∞ − V over shag_t: V relaxes towards V∞ by the
        // factor e^(−shag_t); the displacement is the drift V∞·shag_t plus the
        // relaxation term (1 − E)·(V − V∞), taken with the velocity at the end
        // of the step. Vy is single precision, and so is Vy − 1.
        const double E = std::exp(-s.shag_t);
        const double vInfinity = 1 + s.Nq * s.aa;
        s.Vy = static_cast<float>(vInfinity + E * (static_cast<double>(s.Vy - 1.0f) - s.Nq * s.aa));
        s.Y = s.Y + s.shag_t * vInfinity + (1 - E) * (static_cast<double>(s.Vy - 1.0f) - s.Nq * s.aa);
        s.t = s.t + s.shag_t;

        coordinatePlot.LineTo(static_cast<float>(s.t), static_cast<float>(s.Y), Colors::Red);
        velocityPlot.LineTo(static_cast<float>(s.t), s.Vy, Colors::Red);

        marker.setLeft(s.X - marker.Width() / 2);
        marker.setTop(s.Y - marker.Height() / 2);

        m_pause.waitOnBeat(s.tormoz * 0.01);
        if (m_lifetime.isEnding())
            return;
    }
}

void DropletRun::HScroll1_Change()
{
    m_state.tormoz = static_cast<std::int16_t>(m_controls.HScroll1->value());
    m_controls.Label16->setText(QString::number(m_state.tormoz));
}
