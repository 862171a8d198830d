#include "PlotRanges.h"

#include "ExperimentState.h"

#include "Form1Controls.h"

PlotRanges::PlotRanges(ExperimentState& state, const Form1Controls& controls)
    : m_state(state), m_controls(controls)
{
}

void PlotRanges::minmax()
{
    ExperimentState& s = m_state;
    s.x_left = 0;
    s.y_bottom = 0;
    s.x_right = s.xmax;
    s.y_top = s.DDx;
    m_controls.Picture1->Scale(static_cast<float>(s.x_left), s.y_bottom, static_cast<float>(s.x_right),
                               static_cast<float>(s.y_top));
}

void PlotRanges::minmax_2()
{
    ExperimentState& s = m_state;
    s.t_left = 0;
    s.t_right = s.t_max;
    s.y_top = s.DDx;
    s.y_bottom = 0;
    m_controls.Picture2->Scale(static_cast<float>(s.t_left), static_cast<float>(s.y_top),
                               static_cast<float>(s.t_right), s.y_bottom);

    // The velocity range always holds 0, 1 and both limiting velocities.
    s.Vy_max = s.V2max > 1 ? static_cast<float>(s.V2max) : 1.0f;
    if (static_cast<float>(s.V3max) > s.Vy_max)
        s.Vy_max = static_cast<float>(s.V3max);
    s.Vy_min = s.V2max < 0 ? s.V2max : 0;
    if (s.V3max < s.Vy_min)
        s.Vy_min = s.V3max;
    s.Vy_bottom = static_cast<float>(s.Vy_min * 1.1);
    s.Vy_top = static_cast<double>(s.Vy_max) * 1.1;
    m_controls.Picture3->Scale(static_cast<float>(s.t_left), static_cast<float>(s.Vy_top),
                               static_cast<float>(s.t_right), s.Vy_bottom);
}
