// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

class Canvas;
class RunRecord;

/// What the mouse points at on one of the two plots: the cursor's place in
/// the plot's own units and, where the last run's curve reaches the cursor's
/// time, the curve there (interpolated between the steps, as it is drawn),
/// also in SI units with the run's tau and Vg.
class PlotReadout {
public:
    enum class Plot { Coordinate, Velocity };

    struct Values {
        double t;        ///< the cursor's time, tau
        double ordinate; ///< the cursor's height: X/(Vg·tau) or Vy/Vg
        bool onCurve;    ///< the run reached the cursor's time
        double curve;    ///< the curve at that time, in the plot's units
        double seconds;  ///< the cursor's time, s
        double curveSI;  ///< the curve at that time: x in m or v in m/s
    };

    /// The read-out at pixel (x, y) of the plot's surface; none before the
    /// first run (nothing to read).
    static std::optional<Values> at(Plot plot, const Canvas& surface, const RunRecord& record, double x, double y);

    /// The read-out as lines of text, numbers in the locale's form: reduced
    /// quantities and times and lengths with four significant digits in plain
    /// notation, velocities in m/s in the panel's form (6,773E-04), as the
    /// limiting velocities are shown.
    static QStringList lines(Plot plot, const Values& values, const QLocale& locale);

    /// Four significant digits, plain notation from 0.0001 to below 10 000 000,
    /// else scientific.
    static QString significant(double value, const QLocale& locale);
};
