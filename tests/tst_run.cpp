// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include <QtTest>

#include <cmath>
#include <vector>

/// The droplet run with zero-length pauses: steps, curves, marker and pacing.
class tst_run : public QObject {
    Q_OBJECT

private slots:
    void defaultRunTakes100Steps();
    void stepArithmeticMatchesExactSolution();
    void velocityCurveStartsAtRest();
    void risingDropletEndsAtFirstNegativeY();
    void zeroLimitingVelocityHoldsPosition();
    void chargeChangedDuringPauseActsAtNextStep();
    void layoutPassDuringPauseChangesGrid();
    void slowDownChangesFollowingPauses();
    void markerFollowsDroplet();
    void exitConfirmedDuringPauseStopsEverything();
    void exitDeclinedDuringPauseChangesNothing();
};

namespace {

using Op = RecordingCanvas::Op;

/// One step of the reduced motion written out independently: single-precision
/// velocity, V − 1 formed in single precision, the displacement taken with the
/// velocity at the end of the step.
struct Reference {
    float vy = 0;
    double y = 0;
    void step(double timeStep, double chargeNumber, double forceRatio)
    {
        const double e = std::exp(-timeStep);
        const double vInf = 1 + chargeNumber * forceRatio;
        vy = static_cast<float>(vInf + e * (static_cast<double>(vy - 1.0f) - chargeNumber * forceRatio));
        y = y + timeStep * vInf + (1 - e) * (static_cast<double>(vy - 1.0f) - chargeNumber * forceRatio);
    }
};

/// A started form, ready for a run (ranges and backgrounds prepared as a start does).
void prepareRun(FakeMainWindow& form)
{
    form.random.values = {0.25f, 0.65f}; // N2 = 3, N3 = 7
    form.start();
    form.simulation().scales().setPlotScales();
    form.simulation().backgrounds().drawCoordinateBackground();
    form.simulation().backgrounds().drawVelocityBackground();
}

std::vector<RecordingCanvas::Primitive> curve(const RecordingCanvas& plot)
{
    std::vector<RecordingCanvas::Primitive> segments;
    for (const auto& p : plot.ofKind(Op::Line))
        if (p.color == Colors::Red)
            segments.push_back(p);
    return segments;
}

} // namespace

void tst_run::defaultRunTakes100Steps()
{
    FakeMainWindow form;
    prepareRun(form);
    form.simulation().experiment().runDroplet();
    const ExperimentState& s = form.state();
    QCOMPARE(form.timer.pauses, 100);
    QCOMPARE(curve(form.coordinatePlot).size(), std::size_t(100));
    QCOMPARE(curve(form.velocityPlot).size(), std::size_t(100));
    QVERIFY(std::fabs(s.Y - s.reducedGap) < 1e-9 * s.reducedGap);
    QCOMPARE(s.Vy, 1.0f);
    QCOMPARE(s.t, 100 * s.timeStep);
    // Every pause is slowDown × 10 ms: 5 s of pauses in all.
    QCOMPARE(form.timer.intervals, std::vector<int>(100, 50));
    QVERIFY(!form.timer.isEnabled());
    QCOMPARE(form.timer.interval(), 0);
}

void tst_run::stepArithmeticMatchesExactSolution()
{
    // A light droplet in a viscous medium: steps comparable to the relaxation
    // time, so that the exponential matters.
    FakeMainWindow form;
    prepareRun(form);
    ExperimentState& s = form.state();
    s.timeStep = 0.7;
    s.reducedGap = 60;
    Reference ref;
    form.timer.everyPause = [&](int pause) {
        if (pause == 20)
            form.simulation().experiment().applyVoltage();
        if (pause == 45)
            form.simulation().experiment().irradiate();
    };
    // Replay the same sequence of charges independently.
    form.simulation().experiment().runDroplet();
    const auto coordinates = curve(form.coordinatePlot);
    const auto velocities = curve(form.velocityPlot);
    double chargeNumber = 0;
    for (std::size_t i = 0; i < coordinates.size(); ++i) {
        ref.step(0.7, chargeNumber, s.forceRatio);
        QCOMPARE(coordinates[i].y2, static_cast<float>(ref.y));
        QCOMPARE(velocities[i].y2, ref.vy);
        // Pressed during the pause after step 20 and step 45.
        if (i + 1 == 20)
            chargeNumber = s.N2;
        if (i + 1 == 45)
            chargeNumber = s.N3;
    }
    // Bit for bit, not merely close.
    QVERIFY(s.Y == ref.y);
    QVERIFY(s.Vy == ref.vy);
}

void tst_run::velocityCurveStartsAtRest()
{
    FakeMainWindow form;
    prepareRun(form);
    form.simulation().experiment().runDroplet();
    // A starting dot at (0, 0) on each plot, width 3, then the first segment from it.
    const auto dots = form.velocityPlot.ofKind(Op::Point);
    QCOMPARE(dots.back().x1, 0.0f);
    QCOMPARE(dots.back().y1, 0.0f);
    QCOMPARE(dots.back().color, Colors::Red);
    QCOMPARE(dots.back().width, 3);
    const auto segments = curve(form.velocityPlot);
    QCOMPARE(segments.front().x1, 0.0f);
    QCOMPARE(segments.front().y1, 0.0f);
    QCOMPARE(segments.front().x2, static_cast<float>(form.state().timeStep));
    QCOMPARE(segments.front().y2, 1.0f);
    QCOMPARE(segments.front().width, 3);
    // One continuous curve: each segment starts where the previous one ended.
    for (std::size_t i = 1; i < segments.size(); ++i) {
        QCOMPARE(segments[i].x1, segments[i - 1].x2);
        QCOMPARE(segments[i].y1, segments[i - 1].y2);
    }
}

void tst_run::risingDropletEndsAtFirstNegativeY()
{
    FakeMainWindow form;
    form.random.values = {0.95f, 0.95f}; // N2 = N3 = 10
    form.start();
    form.control(ControlId::voltageEdit).setText(QStringLiteral("-9000")); // about 1.8 times the default
    form.random.values = {0.95f, 0.95f};
    form.simulation().reset().resetWindow();
    QVERIFY(form.state().V2max < 0);
    form.simulation().scales().setPlotScales();
    form.timer.during[10] = [&] { form.simulation().experiment().applyVoltage(); };
    form.simulation().experiment().runDroplet();
    const auto segments = curve(form.coordinatePlot);
    QVERIFY(form.state().Y < 0);
    // Every point before the last lies inside the range.
    for (std::size_t i = 0; i + 1 < segments.size(); ++i)
        QVERIFY(segments[i].y2 >= 0);
    QVERIFY(segments.size() > 20);
}

void tst_run::zeroLimitingVelocityHoldsPosition()
{
    FakeMainWindow form;
    prepareRun(form);
    ExperimentState& s = form.state();
    std::vector<double> positions;
    form.timer.everyPause = [&](int pause) {
        positions.push_back(s.Y);
        if (pause == 5) {
            s.forceRatio = -0.5;
            s.N2 = 2; // 1 + 2 × (−0.5) = 0 exactly
            form.simulation().experiment().applyVoltage();
        }
        if (pause == 300) {
            s.N3 = 1; // limiting velocity 0.5: moving again
            form.simulation().experiment().irradiate();
        }
    };
    form.simulation().experiment().runDroplet();
    // From the step after the voltage until the light, Y stays where it was.
    for (int pause = 7; pause < 300; ++pause)
        QCOMPARE(positions[static_cast<std::size_t>(pause - 1)], positions[5]);
    QVERIFY(s.t > s.plotTimeSpan); // the clock ran past the plot's right edge meanwhile
    QVERIFY(s.Y >= 0.99 * s.reducedGap);
}

void tst_run::chargeChangedDuringPauseActsAtNextStep()
{
    FakeMainWindow form;
    prepareRun(form);
    ExperimentState& s = form.state();
    std::vector<double> positions;
    form.timer.everyPause = [&](int pause) {
        positions.push_back(s.Y);
        if (pause == 30)
            form.simulation().experiment().applyVoltage();
    };
    form.simulation().experiment().runDroplet();
    const double before = positions[29] - positions[28];
    const double after = positions[30] - positions[29];
    QCOMPARE(before, s.timeStep * 1.0);
    QVERIFY(std::fabs(after - s.timeStep * s.V2max) < 1e-6 * s.timeStep);
}

void tst_run::layoutPassDuringPauseChangesGrid()
{
    FakeMainWindow form;
    prepareRun(form);
    ExperimentState& s = form.state();
    const double oldStep = s.timeStep;
    std::vector<double> positions;
    form.timer.everyPause = [&](int pause) {
        positions.push_back(s.Y);
        if (pause == 10)
            form.control(ControlId::plateGapEdit).setText(QStringLiteral("0.032")); // double gap: double step
    };
    form.simulation().experiment().runDroplet();
    QCOMPARE(s.timeStep, 2 * oldStep);
    QCOMPARE(positions[9] - positions[8], oldStep);
    QVERIFY(std::fabs((positions[10] - positions[9]) - 2 * oldStep) < 1e-9 * oldStep);
    // The run ends at the new gap: 10 old steps, then 95 new ones.
    QVERIFY(s.Y >= 0.99 * s.reducedGap);
    QCOMPARE(form.timer.pauses, 10 + 95);
    // The pass during the run disabled both buttons.
    QVERIFY(!form.control(ControlId::voltageButton).isEnabled());
}

void tst_run::slowDownChangesFollowingPauses()
{
    FakeMainWindow form;
    prepareRun(form);
    form.timer.during[3] = [&] { form.control(ControlId::slowDownScrollBar).setValue(9); };
    form.timer.during[6] = [&] { form.control(ControlId::slowDownScrollBar).setValue(1); };
    form.simulation().experiment().runDroplet();
    const std::vector<int>& intervals = form.timer.intervals;
    QCOMPARE(intervals[2], 50);
    QCOMPARE(intervals[3], 90);
    QCOMPARE(intervals[5], 90);
    QCOMPARE(intervals[6], 10);
    QCOMPARE(intervals.back(), 10);
    QCOMPARE(form.control(ControlId::slowDownReadout).text(), QStringLiteral("1"));
    QCOMPARE(form.state().slowDown, std::int16_t(1));
    // The scroll bar stays within 1 to 9.
    form.control(ControlId::slowDownScrollBar).setValue(12);
    QCOMPARE(form.state().slowDown, std::int16_t(9));
    QCOMPARE(form.control(ControlId::slowDownReadout).text(), QStringLiteral("9"));
}

void tst_run::markerFollowsDroplet()
{
    FakeMainWindow form;
    prepareRun(form);
    ExperimentState& s = form.state();
    form.timer.everyPause = [&](int) {
        QCOMPARE(form.dropletMarker.left() + form.dropletMarker.userWidth() / 2, s.X);
        QVERIFY(std::fabs(form.dropletMarker.top() + form.dropletMarker.userHeight() / 2 - s.Y) < 1e-9 * s.reducedGap);
    };
    form.simulation().experiment().runDroplet();
}

void tst_run::exitConfirmedDuringPauseStopsEverything()
{
    FakeMainWindow form;
    form.start();
    form.messageBox.answers = {true};
    form.timer.during[7] = [&] { QVERIFY(form.simulation().confirmExit()); };
    form.simulation().experiment().start();
    QVERIFY(form.lifetime.ending);
    QCOMPARE(form.lifetime.status, 0);
    // No further step, tone or verdict.
    QCOMPARE(curve(form.coordinatePlot).size(), std::size_t(7));
    QVERIFY(form.tones.tones.empty());
    QCOMPARE(form.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(form.messageBox.shown[0].title, QStringLiteral("На Выход"));
    QCOMPARE(form.messageBox.shown[0].text, QStringLiteral("Вы абсолютно уверены?"));
    QVERIFY(form.messageBox.shown[0].question);
}

void tst_run::exitDeclinedDuringPauseChangesNothing()
{
    FakeMainWindow form;
    form.start();
    form.messageBox.answers = {false};
    form.timer.during[7] = [&] {
        const double y = form.state().Y;
        QVERIFY(!form.simulation().confirmExit());
        QCOMPARE(form.state().Y, y);
        QVERIFY(form.control(ControlId::voltageButton).isEnabled());
    };
    form.simulation().experiment().start();
    QVERIFY(!form.lifetime.ending);
    QCOMPARE(curve(form.coordinatePlot).size(), std::size_t(100));
    QCOMPARE(form.tones.tones.size(), std::size_t(20)); // the run went on to its verdict
}

QTEST_APPLESS_MAIN(tst_run)
#include "tst_run.moc"
