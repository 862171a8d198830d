// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ExtrapolationChart.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor PointColour(0, 0, 192);
const QColor LineColour(200, 0, 0);

/// A tick spacing of 1, 2 or 5 times a power of ten giving about five ticks over `span`.
double tickStep(double span)
{
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 5.0})
        if (m * power >= raw)
            return m * power;
    return 10 * power;
}

} // namespace

ExtrapolationChart::ExtrapolationChart(const QLocale& locale, QWidget* parent) : QWidget(parent), m_locale(locale)
{
    setMinimumSize(300, 240);
    setAccessibleName(tr("Экстраполяция к 1/(p·a) = 0"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ExtrapolationChart::show(const SlipExtrapolation::Result& result)
{
    m_result = result;
    update();
}

void ExtrapolationChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, rect());
}

void ExtrapolationChart::paint(QPainter& painter, const QRectF& area) const
{
    const SlipExtrapolation::Result& r = m_result;
    const QFontMetricsF metrics(painter.font());
    const double line = metrics.height();
    painter.save();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(area.left(), area.top() + 2, area.width(), line), Qt::AlignHCenter,
                     tr("Экстраполяция к 1/(p·a) = 0"));
    const QRectF plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("0,0000")) + line + 8, 2 * line + 6, -12,
                                      -2 * line - 10);
    if (r.points.empty() || plot.width() < 20 || plot.height() < 20) {
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, tr("Нет капель с поправкой на скольжение"));
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
    xMax *= 1.1;
    const double pad = std::max(0.05 * (yMax - yMin), 1e-3 * yMax);
    yMin -= pad;
    yMax += pad;
    const auto X = [&](double x) { return plot.left() + x / xMax * plot.width(); };
    const auto Y = [&](double y) { return plot.bottom() - (y - yMin) / (yMax - yMin) * plot.height(); };

    // Axes, ticks and their numbers in the locale's form.
    painter.drawRect(plot);
    const double xStep = tickStep(xMax), yStep = tickStep(yMax - yMin);
    for (double x = 0; x <= xMax; x += xStep) {
        painter.drawLine(QPointF(X(x), plot.bottom()), QPointF(X(x), plot.bottom() - 4));
        painter.drawText(QRectF(X(x) - 40, plot.bottom() + 2, 80, line), Qt::AlignHCenter,
                         m_locale.toString(x, 'g', 3));
    }
    for (double y = std::ceil(yMin / yStep) * yStep; y <= yMax; y += yStep) {
        painter.drawLine(QPointF(plot.left(), Y(y)), QPointF(plot.left() + 4, Y(y)));
        painter.drawText(QRectF(area.left(), Y(y) - line / 2, plot.left() - area.left() - 3, line), Qt::AlignRight,
                         m_locale.toString(y, 'g', 4));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + line + 2, plot.width(), line), Qt::AlignHCenter,
                     tr("1/(p·a), 1/(Па·м)"));
    painter.save();
    painter.translate(area.left() + line / 2 + 1, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, -line / 2, plot.height(), line), Qt::AlignHCenter,
                     tr("e^(2/3), (10⁻¹⁹ Кл)^(2/3)"));
    painter.restore();

    // The line, drawn on to the axis, and its intercept.
    painter.setClipRect(plot);
    if (r.valid) {
        painter.setPen(QPen(LineColour, 1.5));
        painter.drawLine(QPointF(X(0), Y(r.intercept)), QPointF(X(xMax), Y(r.intercept + r.slope * xMax)));
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(X(0), Y(r.intercept)), 5, 5);
    }
    // The drops, with their standard uncertainties.
    painter.setPen(QPen(PointColour, 1.2));
    painter.setBrush(PointColour);
    for (const SlipExtrapolation::Point& p : r.points) {
        painter.drawLine(QPointF(X(p.x), Y(p.y - p.yU)), QPointF(X(p.x), Y(p.y + p.yU)));
        painter.drawEllipse(QPointF(X(p.x), Y(p.y)), 3.5, 3.5);
    }
    painter.restore();
}
