#include "WindowReset.h"

#include "PlotBackgrounds.h"
#include "WindowLayout.h"
#include "ExperimentState.h"
#include "Parameters.h"
#include "PlotScales.h"

#include "MainWindowControls.h"
#include "ClientArea.h"

WindowReset::WindowReset(ExperimentState& state, const MainWindowControls& controls, const ClientArea& window, WindowLayout& ekran,
                     Parameters& parameters, PlotScales& ranges, PlotBackgrounds& axes)
    : m_state(state), m_controls(controls), m_window(window), m_ekran(ekran), m_parameters(parameters),
      m_ranges(ranges), m_axes(axes)
{
}

void WindowReset::resetWindow()
{
    if (m_state.startUpDone == 0)
        return;
    // A minimised window has no client area worth laying out; the pass runs
    // again when the window is restored.
    if (m_window.isMinimized())
        return;
    m_ekran.apply();
    m_parameters.updateDerivedQuantities();
    m_controls.animationView->clear();
    // Selecting the animation view runs its click handler when it was not selected.
    m_controls.animationOption->setValue(1);
    m_ranges.setAnimationScale();
    m_axes.drawAnimationBackground();
}
