// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintedPlot.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace PaintedPlot {

double niceStep(double span, int count)
{
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

Axis Axis::nice(double from, double to, int count, bool integral)
{
    double step = niceStep(to - from, count);
    if (integral)
        step = std::max(1.0, std::round(step));
    const int decimals = integral ? 0 : std::max(0, -static_cast<int>(std::floor(std::log10(step))));
    return {std::floor(from / step) * step, std::ceil(to / step - 1e-9) * step, step, decimals};
}

Plot paintFrame(QPainter& painter, const QRectF& frame, const QString& title, const QString& xTitle,
                const QString& yTitle, const Axis& x, const Axis& y, const QLocale& locale)
{
    painter.save();
    painter.fillRect(frame, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    double widest = 0;
    for (double v = y.from; v <= y.to + y.step / 2; v += y.step)
        widest = std::max(widest, metrics.horizontalAdvance(locale.toString(v, 'f', y.decimals)));
    Plot plot{QRectF(frame.left() + line * 1.5 + widest + line / 2, frame.top() + line * 2, 0, 0), x, y};
    plot.area.setRight(frame.right() - line);
    plot.area.setBottom(frame.bottom() - line * 2.8);

    const QFont normal = painter.font();
    QFont bold = normal;
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(frame.left(), frame.top() + line / 4, frame.width(), line * 1.5), Qt::AlignCenter, title);
    painter.setFont(normal);

    // Grid and numbers on both axes; a number at every tick, or at every
    // 2nd, 5th, 10th… where the plot is too small for them all to stand a
    // space apart (never one over another, never cut).
    const auto every = [](double tickSpacing, double labelSize) {
        for (int k : {1, 2, 5, 10, 20, 50, 100, 200, 500})
            if (tickSpacing * k >= labelSize)
                return k;
        return 1000;
    };
    double widestX = 0;
    for (double v = x.from; v <= x.to + x.step / 2; v += x.step)
        widestX = std::max(widestX, metrics.horizontalAdvance(locale.toString(v, 'f', x.decimals)));
    const int everyX = every(plot.area.width() * x.step / (x.to - x.from), widestX + line / 2);
    const int everyY = every(plot.area.height() * y.step / (y.to - y.from), line);
    int tick = 0;
    for (double v = x.from; v <= x.to + x.step / 2; v += x.step, ++tick) {
        const double px = plot.at(v, y.from).x();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(px, plot.area.top()), QPointF(px, plot.area.bottom()));
        if (tick % everyX != 0)
            continue;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - widestX, plot.area.bottom() + line * 0.2, 2 * widestX, line),
                         Qt::AlignHCenter | Qt::AlignTop, locale.toString(v, 'f', x.decimals));
    }
    tick = 0;
    for (double v = y.from; v <= y.to + y.step / 2; v += y.step, ++tick) {
        const double py = plot.at(x.from, v).y();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(plot.area.left(), py), QPointF(plot.area.right(), py));
        if (tick % everyY != 0)
            continue;
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.area.left() - widest - line / 2, py - line / 2, widest + line / 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, locale.toString(v, 'f', y.decimals));
    }
    painter.setPen(Qt::black);
    painter.drawRect(plot.area);
    painter.drawText(QRectF(plot.area.left(), plot.area.bottom() + line * 1.4, plot.area.width(), line),
                     Qt::AlignCenter, xTitle);
    painter.translate(frame.left() + line * 0.2, plot.area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.area.height() / 2, 0, plot.area.height(), line), Qt::AlignCenter, yTitle);
    painter.restore();
    return plot;
}

} // namespace PaintedPlot
