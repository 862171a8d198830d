// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotScales.h"

#include "ExperimentState.h"

#include "Canvas.h"

PlotScales::PlotScales(ExperimentState& state, const DrawingSurfaces& surfaces) : m_state(state), m_surfaces(surfaces)
{
}

void PlotScales::setAnimationScale()
{
    ExperimentState& s = m_state;
    s.viewLeft = 0;
    s.coordinateMin = 0;
    s.viewRight = s.viewWidth;
    s.coordinateMax = s.reducedGap;
    m_surfaces.animationView.setScale(static_cast<float>(s.viewLeft), s.coordinateMin, static_cast<float>(s.viewRight),
                                      static_cast<float>(s.coordinateMax));
}

void PlotScales::setPlotScales()
{
    ExperimentState& s = m_state;
    s.timeLeft = 0;
    s.timeRight = s.plotTimeSpan;
    s.coordinateMax = s.reducedGap;
    s.coordinateMin = 0;
    m_surfaces.coordinatePlot.setScale(static_cast<float>(s.timeLeft), static_cast<float>(s.coordinateMax),
                                       static_cast<float>(s.timeRight), s.coordinateMin);

    // The velocity range always holds 0, 1 and both limiting velocities.
    s.velocityMax = s.V2max > 1 ? static_cast<float>(s.V2max) : 1.0f;
    if (static_cast<float>(s.V3max) > s.velocityMax)
        s.velocityMax = static_cast<float>(s.V3max);
    s.velocityMin = s.V2max < 0 ? s.V2max : 0;
    if (s.V3max < s.velocityMin)
        s.velocityMin = s.V3max;
    s.velocityBottom = static_cast<float>(s.velocityMin * 1.1);
    s.velocityTop = static_cast<double>(s.velocityMax) * 1.1;
    m_surfaces.velocityPlot.setScale(static_cast<float>(s.timeLeft), static_cast<float>(s.velocityTop),
                                     static_cast<float>(s.timeRight), s.velocityBottom);
}
