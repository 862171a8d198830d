// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include "NumberFormat.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

/// Plot ranges, backgrounds and view switching, on recording canvases.
class tst_plots : public QObject {
    Q_OBJECT

private slots:
    void velocityRange_data();
    void velocityRange();
    void velocityTickLabels();
    void animationBackground();
    void coordinatePlotBackground();
    void velocityPlotBackground();
    void zeroStepGuards();
    void clockResetToStart();
    void viewSwitching_data();
    void viewSwitching();
    void optionActsOnlyWhenSelected();
};

namespace {

using Op = RecordingCanvas::Op;

/// A started form whose limiting velocities are then set by hand.
void prepare(FakeMainWindow& form, double v2, double v3)
{
    form.start();
    form.state().V2max = v2;
    form.state().V3max = v3;
    form.simulation().scales().setPlotScales();
}

int countLines(const RecordingCanvas& canvas, Rgb color, bool horizontal)
{
    const auto lines = canvas.ofKind(Op::Line);
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const auto& p) {
        return p.color == color && (horizontal ? p.y1 == p.y2 && p.x1 != p.x2 : p.x1 == p.x2 && p.y1 != p.y2);
    }));
}

} // namespace

void tst_plots::velocityRange_data()
{
    QTest::addColumn<double>("v2");
    QTest::addColumn<double>("v3");
    QTest::addColumn<float>("vyMax");
    QTest::addColumn<double>("vyMin");
    QTest::addColumn<double>("vyTop");
    QTest::addColumn<float>("vyBottom");
    QTest::newRow("rising third") << 0.5 << -0.3 << 1.0f << -0.3 << 1.1 << static_cast<float>(-0.3 * 1.1);
    QTest::newRow("both above 1") << 2.5 << 4.0 << 4.0f << 0.0 << 4.0 * 1.1 << 0.0f;
    QTest::newRow("exactly 1") << 1.0 << 0.7 << 1.0f << 0.0 << 1.1 << 0.0f;
    QTest::newRow("rising second") << -1.2 << 0.8 << 1.0f << -1.2 << 1.1 << static_cast<float>(-1.2 * 1.1);
    // The third velocity is compared in single precision: just above 1 in
    // double but equal to 1 in single, it does not widen the range.
    QTest::newRow("third above 1 only in double") << 0.5 << 1.00000001 << 1.0f << 0.0 << 1.1 << 0.0f;
}

void tst_plots::velocityRange()
{
    QFETCH(double, v2);
    QFETCH(double, v3);
    QFETCH(float, vyMax);
    QFETCH(double, vyMin);
    QFETCH(double, vyTop);
    QFETCH(float, vyBottom);
    FakeMainWindow form;
    prepare(form, v2, v3);
    const ExperimentState& s = form.state();
    const PlotRanges& r = form.simulation().scales().ranges();
    QCOMPARE(r.velocityMax, vyMax);
    QCOMPARE(r.velocityMin, vyMin);
    QCOMPARE(r.velocityTop, vyTop);
    QCOMPARE(r.velocityBottom, vyBottom);
    QCOMPARE(r.timeLeft, 0.0);
    QCOMPARE(r.timeRight, s.plotTimeSpan);
    QCOMPARE(r.coordinateMax, s.reducedGap);
    QCOMPARE(r.coordinateMin, 0.0f);
    // Coordinate plot upward from 0 to reducedGap, velocity plot upward from velocityBottom to velocityTop.
    const auto& coordinate = form.coordinatePlot.scales.back();
    QCOMPARE(coordinate.y1, static_cast<float>(s.reducedGap));
    QCOMPARE(coordinate.y2, 0.0f);
    QCOMPARE(coordinate.x2, static_cast<float>(s.plotTimeSpan));
    const auto& velocity = form.velocityPlot.scales.back();
    QCOMPARE(velocity.y1, static_cast<float>(r.velocityTop));
    QCOMPARE(velocity.y2, r.velocityBottom);
}

void tst_plots::velocityTickLabels()
{
    FakeMainWindow form(QLocale(QLocale::Russian, QLocale::Russia));
    prepare(form, 0.5, -0.3);
    form.simulation().backgrounds().drawVelocityBackground();
    const PlotRanges& s = form.simulation().scales().ranges();
    const double step = (s.velocityTop - static_cast<double>(s.velocityBottom)) / 20;
    QVERIFY(std::fabs(step - 0.0715) < 1e-8);

    // Labels are printed at k × step on the vertical axis for k = -20 … 20.
    const auto prints = form.velocityPlot.ofKind(Op::Text);
    QCOMPARE(prints.size(), std::size_t(41 + 2));
    auto labelAt = [&](int k) { return prints[static_cast<std::size_t>(k + 20)]; };
    QCOMPARE(labelAt(-5).text, QStringLiteral("-0,36"));
    QCOMPARE(labelAt(0).text, QStringLiteral("0,00"));
    QCOMPARE(labelAt(1).text, QStringLiteral("0,07"));
    QCOMPARE(labelAt(2).text, QStringLiteral("0,14"));
    QCOMPARE(labelAt(1).x1, 0.0f);
    QCOMPARE(labelAt(1).y1, static_cast<float>(step));
}

void tst_plots::animationBackground()
{
    FakeMainWindow form(QLocale(QLocale::Russian, QLocale::Russia));
    form.start();
    const ExperimentState& s = form.state();
    const auto lines = form.animationView.ofKind(Op::Line);
    const auto prints = form.animationView.ofKind(Op::Text);
    QCOMPARE(lines.size(), std::size_t(11));
    QCOMPARE(prints.size(), std::size_t(11));
    for (int k = 0; k <= 10; ++k) {
        const auto& rule = lines[static_cast<std::size_t>(k)];
        QCOMPARE(rule.color, Colors::LightGreen);
        QCOMPARE(rule.width, 1);
        QCOMPARE(rule.x1, 0.0f);
        QCOMPARE(rule.x2, static_cast<float>(s.viewWidth));
        QCOMPARE(rule.y1, static_cast<float>(k * (s.reducedGap / 10)));
        QCOMPARE(prints[static_cast<std::size_t>(k)].text,
                 NumberFormat::format(k * 0.1, u"#0.00", QLocale(QLocale::Russian)));
    }
    QCOMPARE(prints.front().text, QStringLiteral("0,00"));
    QCOMPARE(prints.back().text, QStringLiteral("1,00"));
    // The label 1.00 is anchored at the bottom edge.
    QCOMPARE(prints.back().y1, static_cast<float>(s.reducedGap));
    // The animation view: 0..viewWidth across, 0..reducedGap downward.
    const auto& scale = form.animationView.scales.back();
    QCOMPARE(scale.x1, 0.0f);
    QCOMPARE(scale.y1, 0.0f);
    QCOMPARE(scale.x2, 0.2f);
    QCOMPARE(scale.y2, static_cast<float>(s.reducedGap));
    // The marker centred on (X, 0).
    QCOMPARE(form.dropletMarker.left() + form.dropletMarker.userWidth() / 2, s.X);
    QVERIFY(std::fabs(form.dropletMarker.top() + form.dropletMarker.userHeight() / 2) < 1e-9 * s.reducedGap);
    QCOMPARE(form.dropletMarker.pixelTop, -5.0);
}

void tst_plots::coordinatePlotBackground()
{
    FakeMainWindow form;
    prepare(form, 0.8, 0.5);
    form.simulation().backgrounds().drawCoordinateBackground();
    const ExperimentState& s = form.state();
    const RecordingCanvas& plot = form.coordinatePlot;
    QCOMPARE(countLines(plot, Colors::LightGreen, true), 21);
    QCOMPARE(countLines(plot, Colors::LightGreen, false), 21);
    // PlotBackgrounds twice: thick first, then redrawn thin over the grid.
    const auto lines = plot.ofKind(Op::Line);
    QCOMPARE(lines.front().color, Colors::Black);
    QCOMPARE(lines.front().width, 3);
    QCOMPARE(lines.back().color, Colors::Black);
    QCOMPARE(lines.back().width, 1);
    QCOMPARE(plot.ofKind(Op::Point).size(), std::size_t(42));
    // Titles at their anchors, no numeric labels.
    const auto prints = plot.ofKind(Op::Text);
    QCOMPARE(prints.size(), std::size_t(2));
    QCOMPARE(prints[0].text, QStringLiteral("X/(Vg*tau)"));
    QCOMPARE(prints[0].x1, static_cast<float>(0.03 * s.plotTimeSpan));
    QCOMPARE(prints[0].y1, static_cast<float>(s.reducedGap));
    QCOMPARE(prints[1].text, QStringLiteral("t/tau"));
    QCOMPARE(prints[1].x1, static_cast<float>(s.plotTimeSpan - 2 * (s.plotTimeSpan / 20)));
    QCOMPARE(prints[1].y1, static_cast<float>(0.07 * s.reducedGap));
}

void tst_plots::velocityPlotBackground()
{
    FakeMainWindow form;
    prepare(form, 0.8, -0.5);
    form.simulation().backgrounds().drawVelocityBackground();
    const PlotRanges& s = form.simulation().scales().ranges();
    const RecordingCanvas& plot = form.velocityPlot;
    QCOMPARE(countLines(plot, Colors::LightGreen, true), 41);
    QCOMPARE(countLines(plot, Colors::LightGreen, false), 41);
    const auto prints = plot.ofKind(Op::Text);
    QCOMPARE(prints[41].text, QStringLiteral("Vy/Vg, "));
    QCOMPARE(prints[41].y1, static_cast<float>(s.velocityTop));
    QCOMPARE(prints[42].text, QStringLiteral("t/tau"));
    QCOMPARE(prints[42].y1, static_cast<float>(0.07 * s.velocityTop));
    // The time axis lies at velocity 0, inside the surface here.
    const auto lines = plot.ofKind(Op::Line);
    QCOMPARE(lines[1].y1, 0.0f);
    QCOMPARE(lines[1].y2, 0.0f);
}

void tst_plots::zeroStepGuards()
{
    FakeMainWindow form;
    prepare(form, 0.8, 0.5);
    PlotRanges& s = form.simulation().scales().ranges();
    s.timeRight = s.timeLeft = 0;
    s.velocityTop = 0;
    s.velocityBottom = 0;
    form.simulation().backgrounds().drawVelocityBackground();
    // Vertical grid lines at k × 0.25, horizontal ones at k × 0.1.
    const auto lines = form.velocityPlot.ofKind(Op::Line);
    const auto vertical = std::find_if(lines.begin(), lines.end(), [](const auto& p) {
        return p.color == Colors::LightGreen && p.x1 == p.x2 && p.x1 != 0;
    });
    QVERIFY(vertical != lines.end());
    QCOMPARE(std::fabs(vertical->x1), 0.25f * 20);
    QCOMPARE(form.velocityPlot.ofKind(Op::Text)[21].text,
             NumberFormat::format(0.1, u"#0.00", QLocale(QLocale::Russian)));
}

void tst_plots::clockResetToStart()
{
    // Whatever the clock read before, a run's curves begin at the plots' time origin.
    FakeMainWindow form;
    prepare(form, 0.8, 0.5);
    form.state().t = 12345;
    form.simulation().experiment().runDroplet();
    const std::vector<RunRecord::Point>& points = form.simulation().record().points();
    QCOMPARE(points.front().t, form.state().runStartTime);
    QCOMPARE(points[1].t, form.state().runStartTime + form.state().timeStep);
}

void tst_plots::viewSwitching_data()
{
    QTest::addColumn<ControlId>("option");
    QTest::addColumn<bool>("animation");
    QTest::addColumn<bool>("coordinate");
    QTest::addColumn<bool>("velocity");
    QTest::addColumn<bool>("slowDown");
    QTest::newRow("Движение") << ControlId::animationOption << true << false << false << true;
    QTest::newRow("Координата") << ControlId::coordinateOption << false << true << false << false;
    QTest::newRow("Проекция Vx") << ControlId::velocityOption << false << false << true << false;
}

void tst_plots::viewSwitching()
{
    QFETCH(ControlId, option);
    QFETCH(bool, animation);
    QFETCH(bool, coordinate);
    QFETCH(bool, velocity);
    QFETCH(bool, slowDown);
    FakeMainWindow form;
    form.start();
    // Start from another view so that every option's selection is a change.
    form.control(option == ControlId::coordinateOption ? ControlId::velocityOption : ControlId::coordinateOption)
        .setValue(1);
    const std::size_t drawn = form.coordinatePlot.primitives.size();
    form.control(option).setValue(1);
    QCOMPARE(form.animationView.isVisible(), animation);
    QCOMPARE(form.coordinatePlot.isVisible(), coordinate);
    QCOMPARE(form.velocityPlot.isVisible(), velocity);
    QCOMPARE(form.control(ControlId::slowDownScrollBar).isVisible(), slowDown);
    QCOMPARE(form.control(ControlId::slowDownReadout).isVisible(), slowDown);
    // Switching neither clears nor redraws.
    QCOMPARE(form.coordinatePlot.primitives.size(), drawn);
    QCOMPARE(form.coordinatePlot.clearCount, 0);
}

void tst_plots::optionActsOnlyWhenSelected()
{
    FakeMainWindow form;
    form.start();
    QCOMPARE(form.control(ControlId::animationOption).value(), 1);
    // A handler called while its button is not selected changes nothing.
    form.simulation().views().showIfSelected(ViewSelector::View::Velocity);
    QVERIFY(form.animationView.isVisible());
    QVERIFY(!form.velocityPlot.isVisible());
    form.simulation().views().showIfSelected(ViewSelector::View::Coordinate);
    QVERIFY(!form.coordinatePlot.isVisible());
}

QTEST_APPLESS_MAIN(tst_plots)
#include "tst_plots.moc"
