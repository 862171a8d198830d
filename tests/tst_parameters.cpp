// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include "Experiment.h"
#include "NumberReader.h"
#include "PlotRanges.h"

#include <QtTest>

#include <cstring>
#include <new>

#include <cmath>

/// Defaults, derived quantities and their read-outs, computed without a display.
class tst_parameters : public QObject {
    Q_OBJECT

private slots:
    void stateIsZeroAtCreation();
    void defaultsWrittenToInputs();
    void readOuts_data();
    void readOuts();
    void derivedQuantitiesIndependently();
    void timeGrid();
    void heavyDropletGuard();
    void randomCharges_data();
    void randomCharges();
    void keptChargesWhenUnchecked();
    void viscosityNotPositiveKeepsOldValues();
    void positiveVoltage();
};

namespace {

/// A started window with the charges N2 = 3 and N3 = 7 drawn by the first pass.
void startWithCharges(FakeMainWindow& form, float u = 0.25f, float v = 0.65f)
{
    form.random.values = {u, v};
    form.start();
}

/// A `T` made in memory full of other bytes; the indexes of the values of
/// `fields` that are not 0 (the padding between fields is nobody's and not
/// looked at).
template <class T, class Fields>
QStringList nonZeroAtCreation(Fields fields)
{
    alignas(T) unsigned char memory[sizeof(T)];
    std::memset(memory, 0xA5, sizeof memory);
    const T& made = *new (memory) T;
    QStringList nonZero;
    const std::vector<double> values = fields(made);
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] != 0)
            nonZero << QString::number(i);
    made.~T();
    return nonZero;
}

} // namespace

void tst_parameters::stateIsZeroAtCreation()
{
    // Every field set to 0 by the record itself, and by the plots' ranges.
    const QStringList state = nonZeroAtCreation<ExperimentState>([](const ExperimentState& s) {
        return std::vector<double>{s.DD,
                                   s.Ux,
                                   s.d,
                                   s.r,
                                   s.r0,
                                   static_cast<double>(s.eta),
                                   s.mass,
                                   s.Ex,
                                   static_cast<double>(s.tau),
                                   s.Vg,
                                   s.forceRatio,
                                   s.N2,
                                   static_cast<double>(s.N3),
                                   s.V2max,
                                   s.V3max,
                                   s.reducedGap,
                                   s.runStartTime,
                                   s.plotTimeSpan,
                                   s.timeStep,
                                   s.viewWidth,
                                   s.activeChargeNumber,
                                   s.t,
                                   s.X,
                                   s.Y,
                                   static_cast<double>(s.Vy),
                                   static_cast<double>(s.slowDown),
                                   s.startUpDone,
                                   static_cast<double>(s.wasIrradiated)};
    });
    QVERIFY2(state.isEmpty(), qPrintable(state.join(u' ')));
    const QStringList ranges = nonZeroAtCreation<PlotRanges>([](const PlotRanges& r) {
        return std::vector<double>{r.viewLeft,
                                   r.viewRight,
                                   r.coordinateMax,
                                   static_cast<double>(r.coordinateMin),
                                   r.timeLeft,
                                   r.timeRight,
                                   static_cast<double>(r.velocityMax),
                                   r.velocityMin,
                                   r.velocityTop,
                                   static_cast<double>(r.velocityBottom)};
    });
    QVERIFY2(ranges.isEmpty(), qPrintable(ranges.join(u' ')));
}

void tst_parameters::defaultsWrittenToInputs()
{
    FakeMainWindow form;
    form.start();
    // The inputs use a point whatever the locale; the voltage's minus stands before the blank.
    QCOMPARE(form.control(ControlId::plateGapEdit).text(), QStringLiteral(" 0.0160"));
    QCOMPARE(form.control(ControlId::voltageEdit).text(), QStringLiteral("- 5085.0"));
    QCOMPARE(form.control(ControlId::diameterEdit).text(), QStringLiteral(" 5.520e-06"));
    QCOMPARE(form.control(ControlId::dropletDensityEdit).text(), QStringLiteral(" 920"));
    QCOMPARE(form.control(ControlId::mediumDensityEdit).text(), QStringLiteral(" 1.23"));
    QCOMPARE(form.control(ControlId::viscosityEdit).text(), QStringLiteral(" 1.820e-05"));
    QCOMPARE(form.control(ControlId::randomChargesCheckBox).value(), 1);
    // Each text reads back as the value set.
    const ExperimentState& s = form.state();
    QCOMPARE(s.DD, 0.016);
    QCOMPARE(s.Ux, -5085.0);
    QCOMPARE(s.d, 5.52e-6);
    QCOMPARE(s.r, 920.0);
    QCOMPARE(s.r0, 1.23);
    QCOMPARE(s.eta, 1.82e-5f);
    QCOMPARE(s.viewWidth, 0.2);
    QCOMPARE(s.X, 0.1);
    QCOMPARE(s.slowDown, std::int16_t(5));
    QCOMPARE(form.control(ControlId::slowDownReadout).text(), QStringLiteral("5"));
    QVERIFY(form.messageBox.shown.empty());
}

void tst_parameters::readOuts_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<ControlId>("label");
    QTest::addColumn<QString>("expected");
    const QLocale ru(QLocale::Russian, QLocale::Russia);
    const QLocale c = QLocale::c();
    QTest::newRow("ru mass") << ru << ControlId::massReadout << "m = 8,102E-14 кг";
    QTest::newRow("ru field") << ru << ControlId::fieldStrengthReadout << "Ex = -3,178E+05 В/м";
    QTest::newRow("ru tau") << ru << ControlId::relaxationTimeReadout << "tau = 8,557E-05 c";
    QTest::newRow("ru Vg") << ru << ControlId::terminalVelocityReadout << " Vg = 8,387E-04 м/c";
    QTest::newRow("ru a") << ru << ControlId::forceRatioReadout << "a = -6,412E-02 ";
    QTest::newRow("ru V2max") << ru << ControlId::limitingVelocity2Readout << "V2max= 6,773E-04 м/c";
    QTest::newRow("ru V3max") << ru << ControlId::limitingVelocity3Readout << "V3max= 4,622E-04 м/c";
    QTest::newRow("ru slow-down") << ru << ControlId::slowDownReadout << "5";
    QTest::newRow("C mass") << c << ControlId::massReadout << "m = 8.102E-14 кг";
    QTest::newRow("C field") << c << ControlId::fieldStrengthReadout << "Ex = -3.178E+05 В/м";
    QTest::newRow("C tau") << c << ControlId::relaxationTimeReadout << "tau = 8.557E-05 c";
    QTest::newRow("C Vg") << c << ControlId::terminalVelocityReadout << " Vg = 8.387E-04 м/c";
    QTest::newRow("C a") << c << ControlId::forceRatioReadout << "a = -6.412E-02 ";
    QTest::newRow("C V2max") << c << ControlId::limitingVelocity2Readout << "V2max= 6.773E-04 м/c";
    QTest::newRow("C V3max") << c << ControlId::limitingVelocity3Readout << "V3max= 4.622E-04 м/c";
}

void tst_parameters::readOuts()
{
    QFETCH(QLocale, locale);
    QFETCH(ControlId, label);
    QFETCH(QString, expected);
    FakeMainWindow form(locale);
    startWithCharges(form);
    QCOMPARE(form.state().N2, 3.0);
    QCOMPARE(form.state().N3, std::int16_t(7));
    QCOMPARE(form.control(label).text(), expected);
}

void tst_parameters::derivedQuantitiesIndependently()
{
    FakeMainWindow form;
    startWithCharges(form);
    const ExperimentState& s = form.state();

    // The same formulas written out here, with single-precision tau.
    const double pi = 3.1415926535;
    const double d = 5.52e-6;
    QCOMPARE(s.mass, pi * 920 * (d * d * d) / 6);
    QCOMPARE(s.Ex, -5085 / 0.016);
    const float tau = static_cast<float>(920 * d * d / 18 / static_cast<double>(1.82e-5f));
    QCOMPARE(s.tau, tau);
    const double Vg = 9.814 * static_cast<double>(tau) * (1 - 1.23 / 920);
    QCOMPARE(s.Vg, Vg);
    const double forceRatio = 6 * 1.6021766208e-19 * -5085 / pi / (d * d * d) / (920 - 1.23) / 9.814 / 0.016;
    QVERIFY(std::fabs(s.forceRatio - forceRatio) < 1e-14 * std::fabs(forceRatio));
    QCOMPARE(s.V2max, 1 + s.forceRatio * 3);
    QCOMPARE(s.V3max, 1 + s.forceRatio * 7);
    // Orders of magnitude a student sees.
    QVERIFY(std::fabs(s.mass - 8.10e-14) < 0.01e-14);
    QVERIFY(std::fabs(s.forceRatio + 0.0641) < 0.0001);
}

void tst_parameters::timeGrid()
{
    FakeMainWindow form;
    startWithCharges(form);
    const ExperimentState& s = form.state();
    QCOMPARE(s.runStartTime, 0.0);
    QCOMPARE(s.reducedGap, 0.016 / s.Vg / static_cast<double>(s.tau));
    QCOMPARE(s.plotTimeSpan, 3 * s.reducedGap);
    QCOMPARE(s.timeStep, s.reducedGap / 100);
    QVERIFY(std::fabs(s.reducedGap - 2.2295e5) < 10);
    QVERIFY(std::fabs(s.timeStep - 2229.5) < 0.1);
    QVERIFY(std::fabs(s.plotTimeSpan - 6.6886e5) < 30);
}

void tst_parameters::heavyDropletGuard()
{
    FakeMainWindow form;
    form.start();
    // A 1 mm droplet crosses the gap faster than its relaxation time.
    form.control(ControlId::diameterEdit).setText(QStringLiteral("1e-3"));
    const ExperimentState& s = form.state();
    QCOMPARE(s.d, 1e-3);
    QVERIFY(3 * s.DD / s.Vg / static_cast<double>(s.tau) < 3 * static_cast<double>(s.tau));
    QCOMPARE(s.plotTimeSpan, static_cast<double>(s.tau));
    QCOMPARE(s.timeStep, static_cast<double>(s.tau) / 100);
    QVERIFY(form.messageBox.shown.empty());
}

void tst_parameters::randomCharges_data()
{
    QTest::addColumn<float>("u");
    QTest::addColumn<float>("v");
    QTest::addColumn<double>("n2");
    QTest::addColumn<int>("n3");
    QTest::newRow("lowest") << 0.0f << 0.0f << 1.0 << 1;
    QTest::newRow("highest") << std::nextafter(1.0f, 0.0f) << std::nextafter(1.0f, 0.0f) << 10.0 << 10;
    QTest::newRow("boundary of 5") << 0.4f << 0.39999998f << 5.0 << 4;
    QTest::newRow("equal charges allowed") << 0.55f << 0.55f << 6.0 << 6;
}

void tst_parameters::randomCharges()
{
    QFETCH(float, u);
    QFETCH(float, v);
    QFETCH(double, n2);
    QFETCH(int, n3);
    FakeMainWindow form;
    startWithCharges(form, u, v);
    QCOMPARE(form.state().N2, n2);
    QCOMPARE(int(form.state().N3), n3);
    // Reseeded from the time of day at every pass.
    QVERIFY(!form.random.seeds.empty());
    QCOMPARE(form.random.seeds.back(), form.clock.seconds);
}

void tst_parameters::keptChargesWhenUnchecked()
{
    FakeMainWindow form;
    startWithCharges(form);
    form.control(ControlId::randomChargesCheckBox).setValue(0);
    for (int pass = 0; pass < 50; ++pass) {
        form.random.values = {0.95f, 0.05f};
        form.simulation().reset().resetWindow();
        QCOMPARE(form.state().N2, 3.0);
        QCOMPARE(form.state().N3, std::int16_t(7));
    }
    // Checked again: the next pass draws anew.
    form.control(ControlId::randomChargesCheckBox).setValue(1);
    form.random.values = {0.95f, 0.05f};
    form.simulation().reset().resetWindow();
    QCOMPARE(form.state().N2, 10.0);
    QCOMPARE(form.state().N3, std::int16_t(1));
}

void tst_parameters::viscosityNotPositiveKeepsOldValues()
{
    FakeMainWindow form;
    startWithCharges(form);
    const float tau = form.state().tau;
    const double Vg = form.state().Vg;
    form.state().eta = 0;
    form.simulation().experiment().recompute();
    QCOMPARE(form.control(ControlId::relaxationTimeReadout).text(), QStringLiteral("tau ->00"));
    QCOMPARE(form.control(ControlId::terminalVelocityReadout).text(), QStringLiteral("Vg= ->00"));
    QCOMPARE(form.state().tau, tau);
    QCOMPARE(form.state().Vg, Vg);
}

void tst_parameters::positiveVoltage()
{
    FakeMainWindow form;
    startWithCharges(form);
    form.control(ControlId::voltageEdit).setText(QStringLiteral("5085"));
    const ExperimentState& s = form.state();
    QVERIFY(s.forceRatio > 0);
    QVERIFY(s.V2max > 1);
    QVERIFY(s.V3max > 1);
}

QTEST_APPLESS_MAIN(tst_parameters)
#include "tst_parameters.moc"
