// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlotFollower.h"

#include "PlotBackgrounds.h"
#include "PlotScales.h"

#include "ExperimentState.h"
#include "RunRecord.h"

#include "Canvas.h"

#include <algorithm>

PlotFollower::PlotFollower(const ExperimentState& state, const RunRecord& record, PlotScales& scales,
                           PlotBackgrounds& backgrounds, const DrawingSurfaces& surfaces)
    : m_state(state), m_record(record), m_scales(scales), m_backgrounds(backgrounds), m_surfaces(surfaces)
{
}

void PlotFollower::stepped()
{
    if (!m_state.holding || m_record.isEmpty())
        return;
    const PlotRanges& r = m_scales.ranges();
    const RunRecord::Point& last = m_record.points().back();
    double timeRight = r.timeRight;
    double top = r.velocityTop;
    double bottom = r.velocityBottom;
    while (last.t > timeRight && timeRight > 0)
        timeRight *= 2;
    const double v = static_cast<double>(last.Vy);
    if (v > top)
        top = 1.25 * v;
    if (v < bottom)
        bottom = 1.25 * v;
    if (timeRight == r.timeRight && top == r.velocityTop && bottom == static_cast<double>(r.velocityBottom))
        return;
    m_scales.growPlots(timeRight, bottom, top);
    redraw();
}

void PlotFollower::redraw()
{
    ++m_redraws;
    Canvas& coordinate = m_surfaces.coordinatePlot;
    Canvas& velocity = m_surfaces.velocityPlot;
    coordinate.clear();
    velocity.clear();
    m_backgrounds.drawCoordinateBackground();
    m_backgrounds.drawVelocityBackground();
    // The curves as the run drew them: from the start at rest, in red, 3 px.
    coordinate.setDrawWidth(3);
    velocity.setDrawWidth(3);
    coordinate.drawPoint(0, 0, Colors::Red);
    velocity.drawPoint(0, 0, Colors::Red);
    const std::vector<RunRecord::Point>& points = m_record.points();
    for (std::size_t i = 1; i < points.size(); ++i) {
        coordinate.lineTo(static_cast<float>(points[i].t), static_cast<float>(points[i].Y), Colors::Red);
        velocity.lineTo(static_cast<float>(points[i].t), points[i].Vy, Colors::Red);
    }
}
