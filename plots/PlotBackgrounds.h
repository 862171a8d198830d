// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawingSurfaces.h"

#include <QLocale>

struct ExperimentState;
struct PlotRanges;

/// The fixed backgrounds of the drawing surfaces: grid, axes, tick labels and
/// axis titles. The caller clears a surface before its background is drawn.
class PlotBackgrounds {
public:
    PlotBackgrounds(const ExperimentState& state, const PlotRanges& ranges, const DrawingSurfaces& surfaces,
                    const QLocale& locale = QLocale());

    /// Animation view: 11 rules dividing the plate gap into 10 bands, labelled
    /// 0.00 (top) … 1.00 (bottom), and the droplet marker at the upper plate.
    void drawAnimationBackground();
    /// Coordinate plot: axes, a 21 × 21 grid, points on the axes and the titles.
    void drawCoordinateBackground();
    /// Velocity plot: axes, a grid of 41 × 41 lines anchored at (0, 0), labelled
    /// velocity ticks and the titles.
    void drawVelocityBackground();

private:
    const ExperimentState& m_state;
    const PlotRanges& m_ranges;
    DrawingSurfaces m_surfaces;
    QLocale m_locale;
};
