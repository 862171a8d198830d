// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowReset.h"

#include "WindowLayout.h"

#include "ExperimentState.h"
#include "Parameters.h"
#include "PlotBackgrounds.h"
#include "PlotScales.h"

#include "ClientArea.h"
#include "MainWindowControls.h"

WindowReset::WindowReset(ExperimentState& state, const MainWindowControls& controls, const ClientArea& clientArea,
                         WindowLayout& layout, Parameters& parameters, PlotScales& scales, PlotBackgrounds& backgrounds)
    : m_state(state), m_controls(controls), m_clientArea(clientArea), m_layout(layout), m_parameters(parameters),
      m_scales(scales), m_backgrounds(backgrounds)
{
}

void WindowReset::resetWindow()
{
    if (m_state.startUpDone == 0)
        return;
    // A minimised window has no client area worth laying out; the pass runs
    // again when the window is restored.
    if (m_clientArea.isMinimized())
        return;
    m_layout.apply();
    m_parameters.updateDerivedQuantities();
    m_controls.animationView->clear();
    // Selecting the animation view runs its click handler when it was not selected.
    m_controls.animationOption->setValue(1);
    m_scales.setAnimationScale();
    m_backgrounds.drawAnimationBackground();
}

void WindowReset::preparePlots()
{
    m_controls.coordinatePlot->clear();
    m_controls.velocityPlot->clear();
    m_scales.setAnimationScale();
    m_scales.setPlotScales();
    m_backgrounds.drawCoordinateBackground();
    m_backgrounds.drawVelocityBackground();
}
