// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct MainWindowControls;
class PlotBackgrounds;
class PlotScales;

/// The drawing area made ready: the animation view for a new droplet, and
/// the plots for a run.
class DrawingArea {
public:
    DrawingArea(const MainWindowControls& controls, PlotScales& scales, PlotBackgrounds& backgrounds);

    /// The animation view cleared, selected (its option's handler runs when it
    /// was not selected) and redrawn with the droplet at the upper plate.
    void resetAnimationView();
    /// Both plots cleared, the coordinate systems of all three surfaces and
    /// the plots' backgrounds.
    void preparePlots();

private:
    const MainWindowControls& m_controls;
    PlotScales& m_scales;
    PlotBackgrounds& m_backgrounds;
};
