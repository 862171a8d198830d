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

/// A range from 0 with room above the largest value.
double top(double largest)
{
    return largest > 0 ? largest * 1.1 : 1;
}

/// From 0, or with room below a negative value: a charge timed the wrong way
/// comes out negative, and it is shown rather than lost off the chart.
double bottom(double smallest)
{
    return smallest < 0 ? smallest * 1.1 : 0;
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

    double largest = 0, smallest = 0;
    for (const Data::Charge& c : data.charges) {
        largest = std::max(largest, c.q);
        smallest = std::min(smallest, c.q);
    }
    const double right = top(largest);
    // Bins of a fifth of e, so that each multiple stands apart; without an
    // estimate about √N bins over the range. Bin edges at whole widths from 0.
    const double width = data.e && *data.e > 0
                             ? *data.e / 5
                             : (right - bottom(smallest))
                                   / std::max(5.0, std::ceil(std::sqrt(static_cast<double>(data.charges.size()))));
    const double start = std::floor(bottom(smallest) / width) * width;
    const int bins = std::max(1, static_cast<int>(std::ceil((right - start) / width)));
    std::vector<int> counts(static_cast<std::size_t>(bins), 0);
    for (const Data::Charge& c : data.charges)
        ++counts[static_cast<std::size_t>(std::clamp(static_cast<int>((c.q - start) / width), 0, bins - 1))];

    // The histogram as a filled outline of steps.
    auto* upper = new QLineSeries;
    auto* lower = new QLineSeries;
    int highest = 1;
    for (int i = 0; i < bins; ++i) {
        const double left = start + i * width, rightEdge = start + (i + 1) * width;
        upper->append(left, counts[static_cast<std::size_t>(i)]);
        upper->append(rightEdge, counts[static_cast<std::size_t>(i)]);
        lower->append(left, 0);
        lower->append(rightEdge, 0);
        highest = std::max(highest, counts[static_cast<std::size_t>(i)]);
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

    double largest = 0, smallest = 0;
    int lastDrop = 1;
    auto* points = new QScatterSeries;
    points->setMarkerSize(8);
    points->setColor(ChargeColour);
    points->setBorderColor(ChargeColour);
    for (const Data::Charge& c : data.charges) {
        points->append(c.drop, c.q);
        largest = std::max(largest, c.q);
        smallest = std::min(smallest, c.q);
        lastDrop = std::max(lastDrop, c.drop);
    }
    const double ceiling = top(largest);
    QValueAxis* x = axis(tr("номер капли"), 0, lastDrop + 1);
    x->setLabelFormat(QStringLiteral("%.0f"));
    x->setTickType(QValueAxis::TicksDynamic);
    x->setTickAnchor(0);
    x->setTickInterval(std::max(1, (lastDrop + 1) / 10));
    QValueAxis* y = axis(tr("q, 10⁻¹⁹ Кл"), bottom(smallest), ceiling);
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
