// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawingArea.h"

#include "PlotBackgrounds.h"
#include "PlotScales.h"

#include "MainWindowControls.h"

DrawingArea::DrawingArea(const MainWindowControls& controls, PlotScales& scales, PlotBackgrounds& backgrounds)
    : m_controls(controls), m_scales(scales), m_backgrounds(backgrounds)
{
}

void DrawingArea::resetAnimationView()
{
    m_controls.animationView->clear();
    m_controls.animationOption->setValue(1);
    m_scales.setAnimationScale();
    m_backgrounds.drawAnimationBackground();
}

void DrawingArea::preparePlots()
{
    m_controls.coordinatePlot->clear();
    m_controls.velocityPlot->clear();
    m_scales.setAnimationScale();
    m_scales.setPlotScales();
    m_backgrounds.drawCoordinateBackground();
    m_backgrounds.drawVelocityBackground();
}
