// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowReset.h"

#include "DrawingArea.h"
#include "Experiment.h"
#include "WindowLayout.h"

#include "ClientArea.h"

WindowReset::WindowReset(const ClientArea& clientArea, WindowLayout& layout, Experiment& experiment,
                         DrawingArea& drawingArea)
    : m_clientArea(clientArea), m_layout(layout), m_experiment(experiment), m_drawingArea(drawingArea)
{
}

void WindowReset::resetWindow()
{
    if (m_experiment.state().startUpDone == 0)
        return;
    // A minimised window has no client area worth laying out; the pass runs
    // again when the window is restored.
    if (m_clientArea.isMinimized())
        return;
    m_layout.apply();
    m_experiment.recompute();
    m_drawingArea.resetAnimationView();
    // A droplet held between the plates stays under the student's control.
    m_experiment.showHeldDrop();
}

void WindowReset::preparePlots()
{
    m_drawingArea.preparePlots();
}
