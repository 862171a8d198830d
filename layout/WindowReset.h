// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RunPreparation.h"

struct ExperimentState;
struct MainWindowControls;
class ClientArea;
class Parameters;
class PlotBackgrounds;
class PlotScales;
class WindowLayout;

/// The layout-and-reset pass that runs on every resize of the main window, at
/// every start of an experiment and after every edit of a parameter: it lays
/// the window out and returns it to its state before an experiment. It also
/// prepares the plots for a run.
class WindowReset : public RunPreparation {
public:
    WindowReset(ExperimentState& state, const MainWindowControls& controls, const ClientArea& clientArea,
                WindowLayout& layout, Parameters& parameters, PlotScales& scales, PlotBackgrounds& backgrounds);

    /// Does nothing while the start-up gate is closed or the window is
    /// minimised. Otherwise: layout, derived quantities, the animation view
    /// cleared, selected and redrawn with the droplet at the upper plate.
    void resetWindow() override;
    /// Both plots cleared, the coordinate systems of all three surfaces, the
    /// plots' backgrounds (which set the run's clock back to its start).
    void preparePlots() override;

private:
    ExperimentState& m_state;
    const MainWindowControls& m_controls;
    const ClientArea& m_clientArea;
    WindowLayout& m_layout;
    Parameters& m_parameters;
    PlotScales& m_scales;
    PlotBackgrounds& m_backgrounds;
};
