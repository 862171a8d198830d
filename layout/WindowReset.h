#pragma once

struct ExperimentState;
struct MainWindowControls;
class PlotBackgrounds;
class WindowLayout;
class ClientArea;
class Parameters;
class PlotScales;

/// The layout-and-reset pass that runs on every resize of the main window, at
/// every start of an experiment and after every edit of a parameter: it lays
/// the window out and returns it to its state before an experiment.
class WindowReset {
public:
    WindowReset(ExperimentState& state, const MainWindowControls& controls, const ClientArea& window, WindowLayout& ekran,
              Parameters& parameters, PlotScales& ranges, PlotBackgrounds& axes);

    /// Does nothing while the start-up gate is closed or the window is
    /// minimised. Otherwise: layout, derived quantities, the animation view
    /// cleared, selected and redrawn with the droplet at the upper plate.
    void resetWindow();

private:
    ExperimentState& m_state;
    const MainWindowControls& m_controls;
    const ClientArea& m_window;
    WindowLayout& m_ekran;
    Parameters& m_parameters;
    PlotScales& m_ranges;
    PlotBackgrounds& m_axes;
};
