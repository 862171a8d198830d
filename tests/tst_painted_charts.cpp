// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChargeChartsWidget.h"
#include "ChargePlots.h"
#include "ExtrapolationPlot.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <vector>

/// The journal's charts painted by the program: bars in proportion to the
/// counts, a line at every multiple of e, a point for every charge (a
/// negative one included), the extrapolation's drops and line, read off the
/// rendered pixels.
class tst_painted_charts : public QObject {
    Q_OBJECT

private slots:
    void histogramBarsInProportion();
    void multiplesOfE_data();
    void multiplesOfE();
    void pointForEveryCharge();
    void widgetShowsTheData();
    void extrapolationDropsAndLine();
};

namespace {

using Data = ChargePlots::Data;
const QLocale Russian(QLocale::Russian);

enum class Chart { Histogram, ByDrop };

/// The chart as a report's page gets it, drawn onto the device.
QImage render(Chart chart, const Data& data)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QPainter painter(&image);
    if (chart == Chart::Histogram)
        ChargePlots::paintHistogram(painter, QRectF(image.rect()), data, Russian);
    else
        ChargePlots::paintByDrop(painter, QRectF(image.rect()), data, Russian);
    return image;
}

bool near(QRgb pixel, QColor colour)
{
    return std::abs(qRed(pixel) - colour.red()) < 12 && std::abs(qGreen(pixel) - colour.green()) < 12
           && std::abs(qBlue(pixel) - colour.blue()) < 12;
}

/// Pixels of `colour` in each column of the image.
std::vector<int> columnCounts(const QImage& image, QColor colour)
{
    std::vector<int> counts(static_cast<std::size_t>(image.width()), 0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            counts[static_cast<std::size_t>(x)] += near(image.pixel(x, y), colour);
    return counts;
}

/// Runs of columns that hold `colour`: their number.
int columnRuns(const std::vector<int>& counts)
{
    int runs = 0;
    for (std::size_t x = 0; x < counts.size(); ++x)
        runs += counts[x] > 0 && (x == 0 || counts[x - 1] == 0);
    return runs;
}

Data charges(std::vector<Data::Charge> list, std::optional<double> e)
{
    return Data{std::move(list), e};
}

} // namespace

void tst_painted_charts::histogramBarsInProportion()
{
    // Three charges of one e and one of two: the first bar three times the second.
    const QImage image = render(Chart::Histogram, charges({{1, 1.6}, {2, 1.6}, {3, 1.62}, {4, 3.2}}, 1.6));
    const std::vector<int> bars = columnCounts(image, QColor(120, 150, 230));
    QCOMPARE(columnRuns(bars), 2);
    const auto firstEnd = std::find(std::find_if(bars.begin(), bars.end(), [](int c) { return c > 0; }), bars.end(), 0);
    const int first = *std::max_element(bars.begin(), firstEnd);
    const int second = *std::max_element(firstEnd, bars.end());
    QVERIFY2(std::abs(static_cast<double>(first) / second - 3) < 0.1,
             qPrintable(QStringLiteral("%1 : %2").arg(first).arg(second)));
}

void tst_painted_charts::multiplesOfE_data()
{
    QTest::addColumn<std::optional<double>>("e");
    QTest::addColumn<int>("lines");
    // Charges up to 4.8: the range reaches 5.28, so the lines at e, 2e and 3e.
    QTest::newRow("an estimate") << std::optional<double>(1.6) << 3;
    QTest::newRow("none yet") << std::optional<double>() << 0;
}

void tst_painted_charts::multiplesOfE()
{
    QFETCH(std::optional<double>, e);
    QFETCH(int, lines);
    const Data data = charges({{1, 1.6}, {2, 3.2}, {3, 4.8}}, e);
    // Vertical lines across the histogram, horizontal ones across the charges by drop.
    QCOMPARE(columnRuns(columnCounts(render(Chart::Histogram, data), QColor(200, 0, 0))), lines);
    const QImage byDrop = render(Chart::ByDrop, data).transformed(QTransform().rotate(90));
    QCOMPARE(columnRuns(columnCounts(byDrop, QColor(200, 0, 0))), lines);
}

void tst_painted_charts::pointForEveryCharge()
{
    // Four drops, one of them timed the wrong way (a negative charge): four points.
    const QImage image = render(Chart::ByDrop, charges({{1, 1.6}, {2, 3.2}, {4, -1.6}, {6, 4.8}}, 1.6));
    QCOMPARE(columnRuns(columnCounts(image, QColor(0, 0, 192))), 4);
}

void tst_painted_charts::widgetShowsTheData()
{
    // As the journal's window uses it: the widget paints what show() gave it.
    ChargeChartsWidget charts(Russian);
    charts.resize(900, 300);
    const Data data = charges({{1, 1.6}, {2, 3.2}}, 1.6);
    charts.show(data);
    const QImage shown = charts.histogram()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage expected(shown.size(), QImage::Format_RGB32);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        ChargePlots::paintHistogram(painter, QRectF(expected.rect()), data, Russian);
    }
    QCOMPARE(shown, expected);
    QCOMPARE(charts.histogram()->accessibleName(), QStringLiteral("Распределение зарядов"));
}

void tst_painted_charts::extrapolationDropsAndLine()
{
    // Three drops and the line through them, on the helper's axes.
    SlipExtrapolation::Result result;
    result.valid = true;
    result.intercept = 1.37;
    result.slope = 0.01;
    for (const double x : {2.0, 5.0, 9.0})
        result.points.push_back({1, 1e5, x, 1.6, 0.005, 1.37 + 0.01 * x, 0.002});
    QImage image(600, 400, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        ExtrapolationPlot::paint(painter, QRectF(image.rect()), result, Russian);
    }
    QCOMPARE(columnRuns(columnCounts(image, QColor(0, 0, 192))), 3);
    QVERIFY(columnRuns(columnCounts(image, QColor(200, 0, 0))) >= 1);
}

QTEST_MAIN(tst_painted_charts)
#include "tst_painted_charts.moc"
