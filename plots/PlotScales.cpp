// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotScales.h"

#include "ExperimentState.h"

#include "Canvas.h"

PlotScales::PlotScales(const ExperimentState& state, const DrawingSurfaces& surfaces)
    : m_state(state), m_surfaces(surfaces)
{
}

void PlotScales::setAnimationScale()
{
    const ExperimentState& s = m_state;
    PlotRanges& r = m_ranges;
    r.viewLeft = 0;
    r.coordinateMin = 0;
    r.viewRight = s.viewWidth;
    r.coordinateMax = s.reducedGap;
    m_surfaces.animationView.setScale(static_cast<float>(r.viewLeft), r.coordinateMin, static_cast<float>(r.viewRight),
                                      static_cast<float>(r.coordinateMax));
}

void PlotScales::setPlotScales()
{
    const ExperimentState& s = m_state;
    PlotRanges& r = m_ranges;
    r.timeLeft = 0;
    r.timeRight = s.plotTimeSpan;
    r.coordinateMax = s.reducedGap;
    r.coordinateMin = 0;

    // The velocity range always holds 0, 1 and both limiting velocities.
    r.velocityMax = s.V2max > 1 ? static_cast<float>(s.V2max) : 1.0f;
    if (static_cast<float>(s.V3max) > r.velocityMax)
        r.velocityMax = static_cast<float>(s.V3max);
    r.velocityMin = s.V2max < 0 ? s.V2max : 0;
    if (s.V3max < r.velocityMin)
        r.velocityMin = s.V3max;
    r.velocityBottom = static_cast<float>(r.velocityMin * 1.1);
    r.velocityTop = static_cast<double>(r.velocityMax) * 1.1;
    applyPlotScales();
}

void PlotScales::growPlots(double timeRight, double velocityBottom, double velocityTop)
{
    PlotRanges& r = m_ranges;
    r.timeRight = timeRight;
    r.velocityBottom = static_cast<float>(velocityBottom);
    r.velocityTop = velocityTop;
    applyPlotScales();
}

void PlotScales::applyPlotScales()
{
    const PlotRanges& r = m_ranges;
    m_surfaces.coordinatePlot.setScale(static_cast<float>(r.timeLeft), static_cast<float>(r.coordinateMax),
                                       static_cast<float>(r.timeRight), r.coordinateMin);
    m_surfaces.velocityPlot.setScale(static_cast<float>(r.timeLeft), static_cast<float>(r.velocityTop),
                                     static_cast<float>(r.timeRight), r.velocityBottom);
}
