// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ViewSelector.h"

#include "MainWindowControls.h"

ViewSelector::ViewSelector(const MainWindowControls& controls) : m_controls(controls) {}

void ViewSelector::showIfSelected(View view)
{
    const MainWindowControls& c = m_controls;
    switch (view) {
    case View::Animation:
        if (c.animationOption->value() != 0)
            show(true, false, false);
        break;
    case View::Coordinate:
        if (c.coordinateOption->value() != 0)
            show(false, true, false);
        break;
    case View::Velocity:
        if (c.velocityOption->value() != 0)
            show(false, false, true);
        break;
    }
}

void ViewSelector::show(bool animation, bool coordinate, bool velocity)
{
    m_controls.animationView->setVisible(animation);
    m_controls.coordinatePlot->setVisible(coordinate);
    m_controls.velocityPlot->setVisible(velocity);
    // The slow-down belongs to the animation.
    m_controls.slowDownScrollBar->setVisible(animation);
    m_controls.slowDownReadout->setVisible(animation);
}
