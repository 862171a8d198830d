// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QLocale>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

/// What every plot of the journal shares, painted with QPainter on any paint
/// device (a widget, an image, a PDF page as vector drawing): its colours,
/// axes of 1-2-5 steps, and a frame with a title, a grid, numbers in the
/// locale's form and the axes' titles.
namespace PaintedPlot {

inline const QColor PointColour{0, 0, 192};
inline const QColor BarColour{120, 150, 230};
inline const QColor LineColour{200, 0, 0};
inline const QColor GridColour{225, 225, 225};

/// A step of 1, 2 or 5 × 10ⁿ giving about `count` intervals over `span`.
double niceStep(double span, int count);

/// One axis: its range, where its ticks fall and how its numbers read.
struct Axis {
    double from, to, step;
    int decimals;

    /// `from`..`to` widened to whole steps of a nice size (whole numbers if `integral`).
    static Axis nice(double from, double to, int count, bool integral);
};

/// The plot area of a chart: the frame less its title, its numbers and the
/// axes' titles; `at` maps values into it.
struct Plot {
    QRectF area;
    Axis x, y;

    QPointF at(double vx, double vy) const
    {
        return {area.left() + (vx - x.from) / (x.to - x.from) * area.width(),
                area.bottom() - (vy - y.from) / (y.to - y.from) * area.height()};
    }
};

/// Paints the frame, title, grid, ticks and numbers of a chart into `frame`
/// (on white); returns its plot area.
Plot paintFrame(QPainter& painter, const QRectF& frame, const QString& title, const QString& xTitle,
                const QString& yTitle, const Axis& x, const Axis& y, const QLocale& locale);

} // namespace PaintedPlot
