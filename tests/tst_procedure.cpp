// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include "Experiment.h"
#include "Sound.h"

#include <QtTest>

#include <cmath>
#include <numeric>
#include <utility>
#include <vector>

/// The experiment procedure with recorded tones and boxes and zero-length pauses.
class tst_procedure : public QObject {
    Q_OBJECT

private slots:
    void irradiationWithoutVoltageIsCorrect();
    void voltageOnlyGivesMelodyAndRemark();
    void nothingPressedGivesMelodyAndRemark();
    void voltageTwiceDrawsPlatesTwice();
    void platesColouredByPolarity_data();
    void platesColouredByPolarity();
    void beamFlashAtDroplet();
    void charges_data();
    void charges();
    void ratioAndDifference_data();
    void ratioAndDifference();
    void failureMelody();
    void startOrderAndButtons();
    void nestedStart();
    void layoutPassDuringRunDisablesButtons();
    void headingDuringFlashSharesTimer();
};

namespace {

using Tones = std::vector<std::pair<int, int>>;

Tones melody()
{
    Tones tones;
    for (const Sound::Note& note : Sound::FailureMelody)
        tones.emplace_back(note.hertz, note.factor * 100);
    return tones;
}

void start(FakeMainWindow& form, float u = 0.25f, float v = 0.65f)
{
    form.random.values = {u, v};
    form.start();
    form.random.values = {u, v}; // drawn again by the start's own pass
}

} // namespace

void tst_procedure::irradiationWithoutVoltageIsCorrect()
{
    FakeMainWindow form;
    start(form);
    ExperimentState& s = form.state();
    std::vector<double> positions;
    form.timer.everyPause = [&](int pause) {
        positions.push_back(s.Y);
        if (pause == 20)
            form.simulation().experiment().irradiate();
    };
    form.simulation().experiment().start();
    QCOMPARE(s.wasIrradiated, std::int16_t(1));
    QCOMPARE(form.tones.tones, (Tones{{880, 600}}));
    QVERIFY(form.messageBox.shown.empty());
    // From the irradiation on the field acts with N3: steps of V3max × timeStep.
    const double step = positions[30] - positions[29];
    QVERIFY(std::fabs(step - s.V3max * s.timeStep) < 1e-6 * s.timeStep);
    QVERIFY(form.control(ControlId::limitingVelocity3Readout).isVisible());
    QVERIFY(!form.control(ControlId::limitingVelocity2Readout).isVisible());
}

void tst_procedure::voltageOnlyGivesMelodyAndRemark()
{
    FakeMainWindow form;
    start(form);
    form.timer.during[10] = [&] { form.simulation().experiment().applyVoltage(); };
    form.simulation().experiment().start();
    QCOMPARE(form.state().wasIrradiated, std::int16_t(0));
    QCOMPARE(form.tones.tones, melody());
    QCOMPARE(form.messageBox.shown.size(), std::size_t(1));
    QCOMPARE(form.messageBox.shown[0].title, QStringLiteral("ЗАМЕЧАНИЕ"));
    QCOMPARE(form.messageBox.shown[0].text,
             QStringLiteral("Опыт выполнен неверно. Вы не Вельтран! Прочтите описание и инструкцию."));
    QVERIFY(!form.messageBox.shown[0].question);
    QVERIFY(form.control(ControlId::limitingVelocity2Readout).isVisible()); // stays after the run
}

void tst_procedure::nothingPressedGivesMelodyAndRemark()
{
    FakeMainWindow form;
    start(form);
    int boxesDuringMelody = 0;
    form.messageBox.whileOpen = [&] { boxesDuringMelody = static_cast<int>(form.tones.tones.size()); };
    form.simulation().experiment().start();
    QCOMPARE(form.timer.pauses, 100);
    QCOMPARE(form.tones.tones, melody());
    // The box opens after the whole melody.
    QCOMPARE(boxesDuringMelody, 20);
    QVERIFY(!form.control(ControlId::voltageButton).isEnabled());
    QVERIFY(!form.control(ControlId::lightButton).isEnabled());
}

void tst_procedure::voltageTwiceDrawsPlatesTwice()
{
    FakeMainWindow form;
    start(form);
    ExperimentState* s = &form.state();
    double nqAfterFirst = -1;
    form.timer.during[10] = [&] {
        form.simulation().experiment().applyVoltage();
        nqAfterFirst = s->activeChargeNumber;
    };
    form.timer.during[20] = [&] { form.simulation().experiment().applyVoltage(); };
    form.simulation().experiment().start();
    int plates = 0;
    for (const auto& p : form.animationView.ofKind(RecordingCanvas::Op::Line))
        if (p.width == 7)
            ++plates;
    QCOMPARE(plates, 4);
    QCOMPARE(nqAfterFirst, s->N2);
    QCOMPARE(s->activeChargeNumber, s->N2);
    QCOMPARE(form.tones.tones, melody());
}

void tst_procedure::platesColouredByPolarity_data()
{
    QTest::addColumn<QString>("voltage");
    QTest::addColumn<Rgb>("upper");
    QTest::addColumn<Rgb>("lower");
    QTest::newRow("negative: upper red") << "-5085" << Colors::Red << Colors::Blue;
    QTest::newRow("positive: upper blue") << "5085" << Colors::Blue << Colors::Red;
}

void tst_procedure::platesColouredByPolarity()
{
    QFETCH(QString, voltage);
    QFETCH(Rgb, upper);
    QFETCH(Rgb, lower);
    FakeMainWindow form;
    form.start();
    form.control(ControlId::voltageEdit).setText(voltage);
    form.simulation().experiment().applyVoltage();
    const ExperimentState& s = form.state();
    const auto lines = form.animationView.ofKind(RecordingCanvas::Op::Line);
    const auto& first = lines[lines.size() - 2];
    const auto& second = lines.back();
    QCOMPARE(first.width, 7);
    QCOMPARE(first.y1, 0.0f);
    QCOMPARE(first.x2, static_cast<float>(s.viewWidth));
    QCOMPARE(first.color, upper);
    QCOMPARE(second.y1, static_cast<float>(s.reducedGap));
    QCOMPARE(second.color, lower);
}

void tst_procedure::beamFlashAtDroplet()
{
    FakeMainWindow form;
    start(form);
    ExperimentState& s = form.state();
    bool checked = false;
    form.timer.during[30] = [&] { form.simulation().experiment().irradiate(); };
    form.timer.during[31] = [&] {
        // During the 1.5 s flash: lower right corner of the beam at the droplet.
        QVERIFY(form.beamSprite.isVisible());
        QVERIFY(std::fabs(form.beamSprite.left() + form.beamSprite.userWidth() - s.X) < 1e-12);
        QVERIFY(std::fabs(form.beamSprite.top() + form.beamSprite.userHeight() - s.Y) < 1e-9 * s.reducedGap);
        QCOMPARE(s.wasIrradiated, std::int16_t(0)); // counts only once the flash is over
        checked = true;
    };
    form.simulation().experiment().start();
    QVERIFY(checked);
    QVERIFY(!form.beamSprite.isVisible());
    QCOMPARE(std::count(form.timer.intervals.begin(), form.timer.intervals.end(), 1500), 1L);
}

void tst_procedure::charges_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<float>("v");
    QTest::addColumn<QString>("q2");
    QTest::addColumn<QString>("q3");
    QTest::newRow("3 and 7") << 0.25f << 0.65f << "q2= 3,0e"
                             << "q3= 7,0e";
    QTest::newRow("10 and 1") << 0.95f << 0.05f << "q2= 10,0e"
                              << "q3= 1,0e";
}

void tst_procedure::charges()
{
    QFETCH(float, u);
    QFETCH(float, v);
    QFETCH(QString, q2);
    QFETCH(QString, q3);
    FakeMainWindow form;
    start(form, u, v);
    bool shown = false;
    form.timer.during[1] = [&] {
        QVERIFY(form.control(ControlId::charge2Readout).isVisible());
        QVERIFY(form.control(ControlId::charge3Readout).isVisible());
        shown = true;
    };
    form.simulation().experiment().showCharges();
    QVERIFY(shown);
    QCOMPARE(form.control(ControlId::charge2Readout).text(), q2);
    QCOMPARE(form.control(ControlId::charge3Readout).text(), q3);
    QVERIFY(!form.control(ControlId::charge2Readout).isVisible());
    QVERIFY(!form.control(ControlId::charge3Readout).isVisible());
    QCOMPARE(form.tones.tones, (Tones{{880, 300}}));
    QCOMPARE(form.timer.intervals, std::vector<int>{3000});
}

void tst_procedure::ratioAndDifference_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<float>("v");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("difference");
    QTest::newRow("3 and 7") << 0.25f << 0.65f << "q3/q2= 2,333 "
                             << "q3-q2= 4,000e";
    QTest::newRow("5 and 3: negative difference") << 0.45f << 0.25f << "q3/q2= 0,600 "
                                                  << "q3-q2= -2,000e";
    QTest::newRow("equal") << 0.55f << 0.55f << "q3/q2= 1,000 "
                           << "q3-q2= 0,000e";
}

void tst_procedure::ratioAndDifference()
{
    QFETCH(float, u);
    QFETCH(float, v);
    QFETCH(QString, ratio);
    QFETCH(QString, difference);
    FakeMainWindow form;
    start(form, u, v);
    form.simulation().experiment().showVelocities();
    QCOMPARE(form.control(ControlId::chargeRatioReadout).text(), ratio);
    QCOMPARE(form.control(ControlId::chargeDifferenceReadout).text(), difference);
    QVERIFY(!form.control(ControlId::chargeRatioReadout).isVisible());
    QCOMPARE(form.tones.tones, (Tones{{880, 300}}));
}

void tst_procedure::failureMelody()
{
    FakeToneGenerator tones;
    Sound sound(tones);
    sound.playFailureMelody(100);
    const Tones expected = {{783, 800}, {880, 600}, {783, 400}, {783, 500}, {659, 300}, {523, 800}, {1047, 800},
                            {988, 400}, {880, 400}, {783, 800}, {880, 800}, {698, 800}, {783, 400}, {783, 400},
                            {659, 800}, {740, 400}, {740, 400}, {783, 800}, {740, 800}, {659, 800}};
    QCOMPARE(tones.tones, expected);
    const int total = std::accumulate(tones.tones.begin(), tones.tones.end(), 0,
                                      [](int sum, const auto& t) { return sum + t.second; });
    QCOMPARE(total, 12200);
    tones.tones.clear();
    sound.playSignalTone(50);
    sound.playSignalTone(25);
    QCOMPARE(tones.tones, (Tones{{880, 600}, {880, 300}}));
}

void tst_procedure::startOrderAndButtons()
{
    FakeMainWindow form;
    start(form);
    form.coordinatePlot.drawPoint(5, 5); // an old curve
    form.state().wasIrradiated = 1;      // an old verdict
    form.timer.during[1] = [&] {
        // Running: both buttons enabled, plots cleared and prepared, clock from 0.
        QVERIFY(form.control(ControlId::voltageButton).isEnabled());
        QVERIFY(form.control(ControlId::lightButton).isEnabled());
        QCOMPARE(form.state().wasIrradiated, std::int16_t(0));
        QCOMPARE(form.coordinatePlot.clearCount, 1);
        QCOMPARE(form.velocityPlot.clearCount, 1);
        QCOMPARE(form.state().t, form.state().timeStep);
        QVERIFY(!form.coordinatePlot.scales.empty());
    };
    form.simulation().experiment().start();
    QVERIFY(!form.control(ControlId::voltageButton).isEnabled());
    QVERIFY(!form.control(ControlId::lightButton).isEnabled());
    QVERIFY(form.control(ControlId::startButton).isEnabled());
}

void tst_procedure::nestedStart()
{
    FakeMainWindow form;
    start(form);
    int outerSteps = 0;
    int pausesAfterInner = 0;
    bool innerRunning = false;
    form.timer.during[15] = [&] {
        outerSteps = static_cast<int>(form.coordinatePlot.ofKind(RecordingCanvas::Op::Line).size());
        innerRunning = true;
        form.random.values = {0.25f, 0.65f};
        form.timer.during[40] = [&] { form.simulation().experiment().irradiate(); }; // irradiated inside
        form.simulation().experiment().start(); // a whole experiment inside the pause
        pausesAfterInner = form.timer.pauses;
        innerRunning = false;
    };
    form.simulation().experiment().start();
    QVERIFY(outerSteps > 0);
    // The inner run went to the end; the outer run then took no further step.
    QVERIFY(form.state().Y >= 0.99 * form.state().reducedGap);
    QVERIFY(pausesAfterInner > 15 + 100);
    QCOMPARE(form.timer.pauses, pausesAfterInner);
    // Two verdicts, both on the flag as the inner experiment left it.
    QCOMPARE(form.tones.tones, (Tones{{880, 600}, {880, 600}}));
    QVERIFY(!innerRunning);
}

void tst_procedure::layoutPassDuringRunDisablesButtons()
{
    FakeMainWindow form;
    start(form);
    form.timer.during[5] = [&] { form.simulation().reset().resetWindow(); };
    form.timer.during[6] = [&] {
        QVERIFY(!form.control(ControlId::voltageButton).isEnabled());
        QVERIFY(!form.control(ControlId::lightButton).isEnabled());
        QVERIFY(form.animationView.isVisible());
        QVERIFY(!form.coordinatePlot.isVisible());
    };
    form.simulation().experiment().start();
    QCOMPARE(form.tones.tones, melody());
}

void tst_procedure::headingDuringFlashSharesTimer()
{
    FakeMainWindow form;
    start(form);
    form.timer.during[10] = [&] { form.simulation().experiment().irradiate(); };
    // During the flash the heading starts its own 3 s pause; when it ends the
    // flash is over too.
    form.timer.during[11] = [&] { form.simulation().experiment().showCharges(); };
    form.simulation().experiment().start();
    const auto& intervals = form.timer.intervals;
    QCOMPARE(intervals[10], 1500);
    QCOMPARE(intervals[11], 3000);
    QCOMPARE(intervals[12], 50); // the run's next pause follows at once
    QCOMPARE(form.state().wasIrradiated, std::int16_t(1));
}

QTEST_APPLESS_MAIN(tst_procedure)
#include "tst_procedure.moc"
