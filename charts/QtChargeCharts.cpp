// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtChargeCharts.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor ChargeColour(0, 0, 192);
const QColor MultipleColour(200, 0, 0);

QChartView* makeView(QWidget* parent, const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(300, 240);
    view->setAccessibleName(title);
    return view;
}

QValueAxis* axis(const QString& title, double from, double to)
{
    auto* a = new QValueAxis;
    a->setTitleText(title);
    a->setRange(from, to);
    a->setLabelFormat(QStringLiteral("%.3g"));
    return a;
}

/// Dashed lines at the multiples n·e up to `to`, across (vertical lines at
/// n·e on the x axis) or along (horizontal ones on the y axis) the chart,
/// from 0 to `span` the other way.
void addMultiples(QChart* chart, QValueAxis* x, QValueAxis* y, double e, double to, double span, bool vertical)
{
    for (int n = 1; n * e <= to && n <= 60; ++n) {
        auto* line = new QLineSeries;
        if (vertical) {
            line->append(n * e, 0);
            line->append(n * e, span);
        } else {
            line->append(0, n * e);
            line->append(span, n * e);
        }
        QPen pen(MultipleColour);
        pen.setStyle(Qt::DashLine);
        line->setPen(pen);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
    }
}

} // namespace

QtChargeCharts::QtChargeCharts(QWidget* parent, const QLocale& locale)
{
    m_widget = new QWidget(parent);
    m_histogram = makeView(m_widget, tr("Распределение зарядов"));
    m_byDrop = makeView(m_widget, tr("Заряды капель"));
    auto* layout = new QHBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_histogram);
    layout->addWidget(m_byDrop);
    // The axes' numbers in the locale's form (a decimal comma in Russian).
    for (QChartView* view : {m_histogram, m_byDrop}) {
        view->chart()->setLocalizeNumbers(true);
        view->chart()->setLocale(locale);
    }
}

void QtChargeCharts::show(const Data& data)
{
    showHistogram(data);
    showByDrop(data);
}

void QtChargeCharts::showHistogram(const Data& data)
{
    QChart* chart = m_histogram->chart();
    chart->removeAllSeries();
    // Taken off the chart, an axis is the caller's again.
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }

    const Histogram h = histogramOf(data);
    const double start = h.start, width = h.width, right = h.to;
    const int highest = h.highest;

    // The histogram as a filled outline of steps.
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        const double left = start + static_cast<double>(i) * width, rightEdge = left + width;
        upper->append(left, h.counts[i]);
        upper->append(rightEdge, h.counts[i]);
        lower->append(left, 0);
        lower->append(rightEdge, 0);
    }
    auto* bars = new QAreaSeries(upper, lower);
    // The area does not own its outlines: they go with it.
    upper->setParent(bars);
    lower->setParent(bars);
    bars->setColor(QColor(120, 150, 230));
    bars->setBorderColor(ChargeColour);
    chart->addSeries(bars);

    QValueAxis* x = axis(tr("q, 10⁻¹⁹ Кл"), start, right);
    x->applyNiceNumbers();
    QValueAxis* y = axis(tr("число зарядов"), 0, highest + 1);
    // Whole numbers of charges (the labels are printf formats of a double).
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTickType(QValueAxis::TicksDynamic);
    y->setTickAnchor(0);
    y->setTickInterval(std::max(1, (highest + 1) / 5));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    bars->attachAxis(x);
    bars->attachAxis(y);

    // The multiples of e.
    if (data.e && *data.e > 0)
        addMultiples(chart, x, y, *data.e, right, highest + 1, true);
}

void QtChargeCharts::showByDrop(const Data& data)
{
    QChart* chart = m_byDrop->chart();
    chart->removeAllSeries();
    // Taken off the chart, an axis is the caller's again.
    for (QAbstractAxis* a : chart->axes()) {
        chart->removeAxis(a);
        delete a;
    }

    int lastDrop = 1;
    auto* points = new QScatterSeries;
    points->setMarkerSize(8);
    points->setColor(ChargeColour);
    points->setBorderColor(ChargeColour);
    for (const Data::Charge& c : data.charges) {
        points->append(c.drop, c.q);
        lastDrop = std::max(lastDrop, c.drop);
    }
    const Range range = chargeRange(data);
    const double ceiling = range.to;
    QValueAxis* x = axis(tr("номер капли"), 0, lastDrop + 1);
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(std::max(1, (lastDrop + 1) / 10));
    QValueAxis* y = axis(tr("q, 10⁻¹⁹ Кл"), range.from, ceiling);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    // Lines at n·e, under the points.
    if (data.e && *data.e > 0)
        addMultiples(chart, x, y, *data.e, ceiling, lastDrop + 1, false);
    chart->addSeries(points);
    points->attachAxis(x);
    points->attachAxis(y);
}

bool QtChargeCharts::draw(QPainter& painter, const QRectF& target, int plot)
{
    QChartView* view = plot == 0 ? m_histogram : m_byDrop;
    QChart* chart = view->chart();
    // Laid out at a screen's size of the page's proportions and scaled into
    // the page: the scene paints its items as paths and text, so the page
    // gets vectors, not a picture. The window's chart is given its size back.
    const QSizeF shown = chart->size();
    const QSizeF size(720, 720 * target.height() / target.width());
    chart->resize(size);
    if (chart->layout())
        chart->layout()->activate();
    chart->scene()->render(&painter, target, QRectF(chart->pos(), size));
    chart->resize(shown);
    return true;
}
