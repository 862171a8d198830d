// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// The user coordinate systems of the three drawing surfaces: the ranges
/// PlotScales sets and the backgrounds are drawn in. Reduced units, as the
/// experiment's state has them; `float` fields are single precision and round
/// every value stored in them. All 0 at creation.
struct PlotRanges {
    double viewLeft = 0;      ///< left edge of the animation view, in its own units
    double viewRight = 0;     ///< right edge of the animation view
    double coordinateMax = 0; ///< the lower plate (reducedGap) on the animation view and the coordinate plot, Vg·tau
    float coordinateMin = 0;  ///< the upper plate (0) on the same surfaces, Vg·tau
    double timeLeft = 0;      ///< left edge of both plots, tau
    double timeRight = 0;     ///< right edge of both plots, tau
    float velocityMax = 0;    ///< largest velocity the velocity plot must show, Vg
    double velocityMin = 0;   ///< smallest velocity the velocity plot must show, Vg
    double velocityTop = 0;   ///< top edge of the velocity plot, Vg
    float velocityBottom = 0; ///< bottom edge of the velocity plot, Vg
};
