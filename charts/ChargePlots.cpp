// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargePlots.h"

#include "PaintedPlot.h"

#include "ChargeUnits.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

using PaintedPlot::Axis;
using PaintedPlot::paintFrame;
using PaintedPlot::Plot;

/// Dashed lines at the multiples n·e within the plot, vertical or horizontal.
void paintMultiples(QPainter& painter, const Plot& plot, double e, bool vertical)
{
    if (e <= 0)
        return;
    QPen pen(PaintedPlot::LineColour);
    pen.setStyle(Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const double to = vertical ? plot.x.to : plot.y.to;
    for (int n = 1; n * e <= to && n <= 60; ++n) {
        if (vertical)
            painter.drawLine(plot.at(n * e, plot.y.from), plot.at(n * e, plot.y.to));
        else
            painter.drawLine(plot.at(plot.x.from, n * e), plot.at(plot.x.to, n * e));
    }
}

} // namespace

ChargePlots::Data ChargePlots::dataOf(const JournalAnalysis::Result& analysis)
{
    Data data;
    // By their size: the histogram's lines are at n·e.
    for (const JournalAnalysis::DropCharge& c : analysis.charges)
        data.charges.push_back({c.drop, std::fabs(c.q) / ChargeUnits::ChargeUnit});
    if (analysis.fromCharges.valid())
        data.e = analysis.fromCharges.e / ChargeUnits::ChargeUnit;
    return data;
}

ChargePlots::Range ChargePlots::chargeRange(const Data& data)
{
    double largest = 0, smallest = 0;
    for (const Data::Charge& c : data.charges) {
        largest = std::max(largest, c.q);
        smallest = std::min(smallest, c.q);
    }
    return {smallest < 0 ? smallest * 1.1 : 0, largest > 0 ? largest * 1.1 : 1};
}

ChargePlots::Histogram ChargePlots::histogramOf(const Data& data)
{
    const Range range = chargeRange(data);
    Histogram h{};
    h.to = range.to;
    h.width =
        data.e && *data.e > 0
            ? *data.e / 5
            : (range.to - range.from) / std::max(5.0, std::ceil(std::sqrt(static_cast<double>(data.charges.size()))));
    h.start = std::floor(range.from / h.width) * h.width;
    const int bins = std::max(1, static_cast<int>(std::ceil((h.to - h.start) / h.width)));
    h.counts.assign(static_cast<std::size_t>(bins), 0);
    for (const Data::Charge& c : data.charges)
        ++h.counts[static_cast<std::size_t>(std::clamp(static_cast<int>((c.q - h.start) / h.width), 0, bins - 1))];
    h.highest = std::max(1, *std::max_element(h.counts.begin(), h.counts.end()));
    return h;
}

QString ChargePlots::histogramTitle()
{
    return tr("Распределение зарядов");
}

QString ChargePlots::byDropTitle()
{
    return tr("Заряды капель");
}

void ChargePlots::paintHistogram(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale)
{
    const Histogram h = histogramOf(data);
    const double start = h.start, width = h.width, right = h.to;
    const std::vector<int>& counts = h.counts;
    const int bins = static_cast<int>(counts.size()), highest = h.highest;

    const Plot plot = paintFrame(painter, frame, histogramTitle(), tr("q, 10⁻¹⁹ Кл"), tr("число зарядов"),
                                 Axis::nice(start, right, 5, false), Axis::nice(0, highest + 1, 5, true), locale);
    painter.save();
    painter.setClipRect(plot.area);
    QPen border(PaintedPlot::PointColour);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(PaintedPlot::BarColour);
    for (int i = 0; i < bins; ++i)
        if (const int count = counts[static_cast<std::size_t>(i)]; count > 0)
            painter.drawRect(QRectF(plot.at(start + i * width, count), plot.at(start + (i + 1) * width, 0)));
    if (data.e && *data.e > 0)
        paintMultiples(painter, plot, *data.e, true);
    painter.restore();
}

void ChargePlots::paintByDrop(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale)
{
    int lastDrop = 1;
    for (const Data::Charge& c : data.charges)
        lastDrop = std::max(lastDrop, c.drop);
    const Range range = chargeRange(data);
    const Plot plot =
        paintFrame(painter, frame, byDropTitle(), tr("номер капли"), tr("q, 10⁻¹⁹ Кл"),
                   Axis::nice(0, lastDrop + 1, 10, true), Axis::nice(range.from, range.to, 5, false), locale);
    painter.save();
    painter.setClipRect(plot.area);
    // Lines at n·e, under the points.
    if (data.e && *data.e > 0)
        paintMultiples(painter, plot, *data.e, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(PaintedPlot::PointColour);
    const double radius = 4 * painter.device()->logicalDpiX() / 96.0;
    for (const Data::Charge& c : data.charges)
        painter.drawEllipse(plot.at(c.drop, c.q), radius, radius);
    painter.restore();
}
