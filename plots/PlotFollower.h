// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ExperimentListener.h"

#include "DrawingSurfaces.h"

struct ExperimentState;
class PlotBackgrounds;
class PlotScales;
class RunRecord;

/// Keeps the whole run of a held droplet in view on the plots: when the run
/// passes their right edge, the time axis doubles; when its velocity leaves
/// the velocity plot, that plot's range grows to hold it with a quarter to
/// spare. Either way both plots are drawn anew, background and curves, from
/// the run's record, so that the zig-zag of the coordinate and the steps of
/// the velocity stay readable over a long hold. The demonstration's runs
/// keep their plots as they are.
class PlotFollower : public ExperimentListener {
public:
    PlotFollower(const ExperimentState& state, const RunRecord& record, PlotScales& scales,
                 PlotBackgrounds& backgrounds, const DrawingSurfaces& surfaces);

    void stepped() override;

    /// How many times the plots were drawn anew during the last run.
    int redraws() const { return m_redraws; }
    void runStarting() override { m_redraws = 0; }

private:
    void redraw();

    const ExperimentState& m_state;
    const RunRecord& m_record;
    PlotScales& m_scales;
    PlotBackgrounds& m_backgrounds;
    DrawingSurfaces m_surfaces;
    int m_redraws = 0;
};
