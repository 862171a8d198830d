// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class ClientArea;
class DrawingArea;
class Experiment;
class WindowLayout;

/// The reset pass that runs on every resize of the main window, at every
/// start of an experiment and after every edit of a parameter: the window
/// laid out, the experiment's quantities recomputed, the animation view
/// ready for a new droplet, so that the window is as it was before an
/// experiment. It also prepares the plots for a run.
class WindowReset {
public:
    WindowReset(const ClientArea& clientArea, WindowLayout& layout, Experiment& experiment, DrawingArea& drawingArea);

    /// Does nothing while the experiment's start-up gate is closed or the
    /// window is minimised. Otherwise: layout, derived quantities, the
    /// animation view cleared, selected and redrawn with the droplet at the
    /// upper plate; a held droplet's field buttons and plates shown again.
    void resetWindow();
    /// Both plots cleared, the coordinate systems of all three surfaces, the
    /// plots' backgrounds.
    void preparePlots();

private:
    const ClientArea& m_clientArea;
    WindowLayout& m_layout;
    Experiment& m_experiment;
    DrawingArea& m_drawingArea;
};
