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

    // Grid and numbers on both axes.
    for (double v = x.from; v <= x.to + x.step / 2; v += x.step) {
        const double px = plot.at(v, y.from).x();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(px, plot.area.top()), QPointF(px, plot.area.bottom()));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(px - 40, plot.area.bottom() + line * 0.2, 80, line), Qt::AlignHCenter | Qt::AlignTop,
                         locale.toString(v, 'f', x.decimals));
    }
    for (double v = y.from; v <= y.to + y.step / 2; v += y.step) {
        const double py = plot.at(x.from, v).y();
        painter.setPen(GridColour);
        painter.drawLine(QPointF(plot.area.left(), py), QPointF(plot.area.right(), py));
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
