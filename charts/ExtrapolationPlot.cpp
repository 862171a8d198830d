// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExtrapolationPlot.h"

#include "PaintedPlot.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

QString ExtrapolationPlot::title()
{
    return tr("Экстраполяция к 1/(p·a) = 0");
}

void ExtrapolationPlot::paint(QPainter& painter, const QRectF& frame, const SlipExtrapolation::Result& r,
                              const QLocale& locale)
{
    using PaintedPlot::Axis;
    if (r.points.empty()) {
        painter.save();
        painter.fillRect(frame, Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(frame, Qt::AlignCenter | Qt::TextWordWrap, tr("Нет капель с поправкой на скольжение"));
        painter.restore();
        return;
    }
    // From x = 0 (the intercept) to beyond the farthest drop; y around the points and the intercept.
    double xMax = 0, yMin = r.valid ? r.intercept : r.points.front().y, yMax = yMin;
    for (const SlipExtrapolation::Point& p : r.points) {
        xMax = std::max(xMax, p.x);
        yMin = std::min(yMin, p.y - p.yU);
        yMax = std::max(yMax, p.y + p.yU);
    }
    const double pad = std::max(0.05 * (yMax - yMin), 1e-3 * yMax);
    const PaintedPlot::Plot plot = PaintedPlot::paintFrame(
        painter, frame, title(), tr("1/(p·a), 1/(Па·м)"), tr("e^(2/3), (10⁻¹⁹ Кл)^(2/3)"),
        Axis::nice(0, xMax * 1.1, 5, false), Axis::nice(yMin - pad, yMax + pad, 5, false), locale);

    painter.save();
    painter.setClipRect(plot.area);
    const double scale = painter.device()->logicalDpiX() / 96.0;
    // The line, drawn on to the axis, and its intercept.
    if (r.valid) {
        QPen line(PaintedPlot::LineColour, 1.5 * scale);
        painter.setPen(line);
        painter.drawLine(plot.at(0, r.intercept), plot.at(plot.x.to, r.intercept + r.slope * plot.x.to));
        painter.setBrush(Qt::white);
        painter.drawEllipse(plot.at(0, r.intercept), 5 * scale, 5 * scale);
    }
    // The drops, with their standard uncertainties.
    painter.setPen(QPen(PaintedPlot::PointColour, 1.2 * scale));
    painter.setBrush(PaintedPlot::PointColour);
    for (const SlipExtrapolation::Point& p : r.points) {
        painter.drawLine(plot.at(p.x, p.y - p.yU), plot.at(p.x, p.y + p.yU));
        painter.drawEllipse(plot.at(p.x, p.y), 3.5 * scale, 3.5 * scale);
    }
    painter.restore();
}
