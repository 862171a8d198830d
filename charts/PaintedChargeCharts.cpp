// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PaintedChargeCharts.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor ChargeColour(0, 0, 192);
const QColor BarColour(120, 150, 230);
const QColor MultipleColour(200, 0, 0);
const QColor GridColour(225, 225, 225);

/// A step of 1, 2 or 5 × 10ⁿ giving about `count` intervals over `span`.
double niceStep(double span, int count)
{
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

/// One axis: its range, where its ticks fall and how its numbers read.
struct Axis {
    double from, to, step;
    int decimals;

    /// `from`..`to` widened to whole steps of a nice size (whole numbers if `integral`).
    static Axis nice(double from, double to, int count, bool integral)
    {
        double step = niceStep(to - from, count);
        if (integral)
            step = std::max(1.0, std::round(step));
        const int decimals = integral ? 0 : std::max(0, -static_cast<int>(std::floor(std::log10(step))));
        return {std::floor(from / step) * step, std::ceil(to / step - 1e-9) * step, step, decimals};
    }
};

/// The plot area of a chart: the frame less its title, its numbers and the
/// axes' titles; `x` and `y` map values into it.
struct Plot {
    QRectF area;
    Axis x, y;

    QPointF at(double vx, double vy) const
    {
        return {area.left() + (vx - x.from) / (x.to - x.from) * area.width(),
                area.bottom() - (vy - y.from) / (y.to - y.from) * area.height()};
    }
};

/// The frame, title, grid, ticks and numbers of a chart; returns its plot area.
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

/// Dashed lines at the multiples n·e within the plot, vertical or horizontal.
void paintMultiples(QPainter& painter, const Plot& plot, double e, bool vertical)
{
    if (e <= 0)
        return;
    QPen pen(MultipleColour);
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

/// A widget that paints one chart with `paint` at its whole size.
class ChartWidget : public QWidget {
public:
    using Paint = std::function<void(QPainter&, const QRectF&)>;

    ChartWidget(QWidget* parent, const QString& title, Paint paint) : QWidget(parent), m_paint(std::move(paint))
    {
        setMinimumSize(300, 240);
        setAccessibleName(title);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        m_paint(painter, QRectF(rect()));
    }

private:
    Paint m_paint;
};

} // namespace

PaintedChargeCharts::PaintedChargeCharts(QWidget* parent, const QLocale& locale)
    : m_data(std::make_shared<Data>()), m_locale(locale)
{
    m_widget = new QWidget(parent);
    m_histogram = new ChartWidget(m_widget, tr("Распределение зарядов"),
                                  [data = m_data, locale](QPainter& painter, const QRectF& frame) {
                                      paintHistogram(painter, frame, *data, locale);
                                  });
    m_byDrop =
        new ChartWidget(m_widget, tr("Заряды капель"), [data = m_data, locale](QPainter& painter, const QRectF& frame) {
            paintByDrop(painter, frame, *data, locale);
        });
    auto* layout = new QHBoxLayout(m_widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_histogram);
    layout->addWidget(m_byDrop);
}

void PaintedChargeCharts::show(const Data& data)
{
    *m_data = data;
    m_histogram->update();
    m_byDrop->update();
}

void PaintedChargeCharts::paintHistogram(QPainter& painter, const QRectF& frame, const Data& data,
                                         const QLocale& locale)
{
    const Histogram h = histogramOf(data);
    const double start = h.start, width = h.width, right = h.to;
    const std::vector<int>& counts = h.counts;
    const int bins = static_cast<int>(counts.size()), highest = h.highest;

    const Plot plot = paintFrame(painter, frame, tr("Распределение зарядов"), tr("q, 10⁻¹⁹ Кл"), tr("число зарядов"),
                                 Axis::nice(start, right, 5, false), Axis::nice(0, highest + 1, 5, true), locale);
    painter.save();
    painter.setClipRect(plot.area);
    QPen border(ChargeColour);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(BarColour);
    for (int i = 0; i < bins; ++i)
        if (const int count = counts[static_cast<std::size_t>(i)]; count > 0)
            painter.drawRect(QRectF(plot.at(start + i * width, count), plot.at(start + (i + 1) * width, 0)));
    if (data.e && *data.e > 0)
        paintMultiples(painter, plot, *data.e, true);
    painter.restore();
}

void PaintedChargeCharts::paintByDrop(QPainter& painter, const QRectF& frame, const Data& data, const QLocale& locale)
{
    int lastDrop = 1;
    for (const Data::Charge& c : data.charges)
        lastDrop = std::max(lastDrop, c.drop);
    const Range range = chargeRange(data);
    const Plot plot =
        paintFrame(painter, frame, tr("Заряды капель"), tr("номер капли"), tr("q, 10⁻¹⁹ Кл"),
                   Axis::nice(0, lastDrop + 1, 10, true), Axis::nice(range.from, range.to, 5, false), locale);
    painter.save();
    painter.setClipRect(plot.area);
    // Lines at n·e, under the points.
    if (data.e && *data.e > 0)
        paintMultiples(painter, plot, *data.e, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ChargeColour);
    const double radius = 4 * painter.device()->logicalDpiX() / 96.0;
    for (const Data::Charge& c : data.charges)
        painter.drawEllipse(plot.at(c.drop, c.q), radius, radius);
    painter.restore();
}

bool PaintedChargeCharts::draw(QPainter& painter, const QRectF& target, int plot)
{
    // The same painting as on the screen, into the page's rectangle.
    if (plot == 0)
        paintHistogram(painter, target, *m_data, m_locale);
    else
        paintByDrop(painter, target, *m_data, m_locale);
    return true;
}
