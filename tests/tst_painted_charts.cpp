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
    void dropNumbersStandApart_data();
    void dropNumbersStandApart();
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

void tst_painted_charts::dropNumbersStandApart_data()
{
    QTest::addColumn<int>("drops");
    QTest::addColumn<int>("width");
    QTest::newRow("12 drops, the journal's chart") << 12 << 300;
    QTest::newRow("28 drops, narrow") << 28 << 160;
    QTest::newRow("99 drops, narrow") << 99 << 160;
}

void tst_painted_charts::dropNumbersStandApart()
{
    // The drops' numbers under the axis, read off the pixels: each a group of
    // dark columns no wider than the widest number, a space between
    // neighbours (two numbers run together would make one wide group), and
    // at least the first and the last.
    QFETCH(int, drops);
    QFETCH(int, width);
    std::vector<Data::Charge> list;
    for (int drop = 1; drop <= drops; ++drop)
        list.push_back({drop, 1.6 * (drop % 3 + 1)});
    QImage image(width, 240, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        ChargePlots::paintByDrop(painter, QRectF(image.rect()), charges(list, 1.6), Russian);
    }
    // The plot's lower edge: the lowest row black across most of the image.
    int bottom = image.height() - 1;
    const auto blackRun = [&image](int y) {
        int black = 0;
        for (int x = 0; x < image.width(); ++x)
            black += qGray(image.pixel(x, y)) < 64;
        return black;
    };
    while (bottom > 0 && blackRun(bottom) < image.width() / 2)
        --bottom;
    const QFontMetrics metrics(QGuiApplication::font());
    const QImage numbers = image.copy(0, bottom + 2, image.width(), metrics.height());
    std::vector<int> dark(static_cast<std::size_t>(numbers.width()), 0);
    for (int y = 0; y < numbers.height(); ++y)
        for (int x = 0; x < numbers.width(); ++x)
            dark[static_cast<std::size_t>(x)] += qGray(numbers.pixel(x, y)) < 128;
    const int widest = metrics.horizontalAdvance(QString::number(drops + 10)) + 1;
    std::vector<std::pair<int, int>> groups; // first and last column
    for (int x = 0; x < numbers.width(); ++x)
        if (dark[static_cast<std::size_t>(x)] > 0) {
            if (groups.empty() || groups.back().second < x - 1)
                groups.emplace_back(x, x);
            groups.back().second = x;
        }
    QVERIFY2(groups.size() >= 2, qPrintable(QString::number(groups.size())));
    for (std::size_t i = 0; i < groups.size(); ++i) {
        QVERIFY2(groups[i].second - groups[i].first < widest,
                 qPrintable(QStringLiteral("%1..%2").arg(groups[i].first).arg(groups[i].second)));
        if (i > 0)
            QVERIFY(groups[i].first - groups[i - 1].second >= 3);
    }
}

QTEST_MAIN(tst_painted_charts)
#include "tst_painted_charts.moc"
