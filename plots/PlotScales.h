// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PlotRanges.h"

#include "DrawingSurfaces.h"

struct ExperimentState;

/// The user coordinate systems of the three drawing surfaces, from the
/// experiment's quantities; it keeps their ranges.
class PlotScales {
public:
    PlotScales(const ExperimentState& state, const DrawingSurfaces& surfaces);

    /// Animation view: 0..viewWidth across, 0 (upper plate) at the top down to
    /// reducedGap (lower plate) at the bottom.
    void setAnimationScale();
    /// Both plots: time 0..plotTimeSpan across; the coordinate plot
    /// 0..reducedGap upward; the velocity plot from 1.1 × the smallest to 1.1 ×
    /// the largest of 0, 1 and the two limiting velocities, upward.
    void setPlotScales();

    /// Both plots over a wider range: time 0..timeRight, the velocity plot
    /// from `velocityBottom` to `velocityTop`; the coordinate's as it was.
    void growPlots(double timeRight, double velocityBottom, double velocityTop);

    /// The ranges set last.
    const PlotRanges& ranges() const { return m_ranges; }
    PlotRanges& ranges() { return m_ranges; }

private:
    /// Both plots' canvases set to the ranges.
    void applyPlotScales();

    const ExperimentState& m_state;
    DrawingSurfaces m_surfaces;
    PlotRanges m_ranges;
};
