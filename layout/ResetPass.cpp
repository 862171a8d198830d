#include "ResetPass.h"

#include "Axes.h"
#include "Ekran.h"
#include "ExperimentState.h"
#include "Parameters.h"
#include "PlotRanges.h"

#include "Form1Controls.h"
#include "FormWindow.h"

ResetPass::ResetPass(ExperimentState& state, const Form1Controls& controls, const FormWindow& window, Ekran& ekran,
                     Parameters& parameters, PlotRanges& ranges, Axes& axes)
    : m_state(state), m_controls(controls), m_window(window), m_ekran(ekran), m_parameters(parameters),
      m_ranges(ranges), m_axes(axes)
{
}

void ResetPass::Form_Resize()
{
    if (m_state.zagruzka == 0)
        return;
    // A minimised window has no client area worth laying out; the pass runs
    // again when the window is restored.
    if (m_window.isMinimized())
        return;
    m_ekran.ekran();
    m_parameters.parametr();
    m_controls.Picture1->Cls();
    // Selecting the animation view runs its click handler when it was not selected.
    m_controls.Option1->setValue(1);
    m_ranges.minmax();
    m_axes.axes();
}
