#pragma once

struct ExperimentState;
struct Form1Controls;
class Axes;
class Ekran;
class FormWindow;
class Parameters;
class PlotRanges;

/// The layout-and-reset pass that runs on every resize of the main window, at
/// every start of an experiment and after every edit of a parameter: it lays
/// the window out and returns it to its state before an experiment.
class ResetPass {
public:
    ResetPass(ExperimentState& state, const Form1Controls& controls, const FormWindow& window, Ekran& ekran,
              Parameters& parameters, PlotRanges& ranges, Axes& axes);

    /// Does nothing while the start-up gate is closed or the window is
    /// minimised. Otherwise: layout, derived quantities, the animation view
    /// cleared, selected and redrawn with the droplet at the upper plate.
    void Form_Resize();

private:
    ExperimentState& m_state;
    const Form1Controls& m_controls;
    const FormWindow& m_window;
    Ekran& m_ekran;
    Parameters& m_parameters;
    PlotRanges& m_ranges;
    Axes& m_axes;
};
