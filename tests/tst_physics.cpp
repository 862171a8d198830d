// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropletPhysics.h"
#include "ModelRange.h"
#include "SetupParameters.h"

#include <QtTest>

#include <cmath>

/// The droplet's physics by numbers, against the textbook forms of the same
/// laws: no window, no controls.
class tst_physics : public QObject {
    Q_OBJECT

private slots:
    void stokesLaw();
    void forceRatioIsFieldForceOverEffectiveWeight();
    void timeGrid_data();
    void timeGrid();
    void stepFollowsExactSolution_data();
    void stepFollowsExactSolution();
    void computableRange_data();
    void computableRange();
};

namespace {

using P = DropletPhysics;

/// The default setup: oil in air between plates 16 mm apart at −5085 V.
constexpr SetupParameters Default{0.016, -5085, 5.52e-6, 920, 1.23, 1.82e-5f};
constexpr double ElementaryCharge = 1.6021766208e-19; // C

} // namespace

void tst_physics::stokesLaw()
{
    const SetupParameters& p = Default;
    // A sphere of radius R falling under Stokes drag: m·dv/dt = m·g' − 6π·eta·R·v,
    // relaxation time m/(6π·eta·R) and terminal velocity 2R²(r − r0)g/(9·eta).
    const double R = p.d / 2;
    const double m = 4.0 / 3 * M_PI * R * R * R * p.r;
    const double eta = static_cast<double>(p.eta);
    QVERIFY(std::fabs(P::mass(p.r, p.d) / m - 1) < 1e-10); // π to eleven digits
    const float tau = P::relaxationTime(p.r, p.d, p.eta);
    QVERIFY(std::fabs(static_cast<double>(tau) / (m / (6 * M_PI * eta * R)) - 1) < 1e-7); // single precision
    const double terminal = 2 * R * R * (p.r - p.r0) * P::G / (9 * eta);
    QVERIFY(std::fabs(P::terminalVelocity(tau, p.r, p.r0) / terminal - 1) < 1e-7);
    // What a student reads off the panel.
    QVERIFY(std::fabs(P::mass(p.r, p.d) - 8.102e-14) < 0.001e-14);
    QVERIFY(std::fabs(static_cast<double>(tau) - 8.557e-5) < 0.001e-5);
    QVERIFY(std::fabs(P::terminalVelocity(tau, p.r, p.r0) - 8.387e-4) < 0.001e-4);
}

void tst_physics::forceRatioIsFieldForceOverEffectiveWeight()
{
    const SetupParameters& p = Default;
    const double fieldForce = ElementaryCharge * p.Ux / p.DD;
    const double effectiveWeight = M_PI * std::pow(p.d, 3) / 6 * (p.r - p.r0) * P::G;
    const double a = P::forceRatio(p.Ux, p.d, p.r, p.r0, p.DD);
    QVERIFY(std::fabs(a / (fieldForce / effectiveWeight) - 1) < 1e-9);
    QVERIFY(std::fabs(a + 0.06412) < 0.00001);
    // The field slows the falling droplet down: 1 + N·a for N = 1..10.
    QCOMPARE(P::limitingVelocity(a, 0), 1.0);
    QVERIFY(P::limitingVelocity(a, 10) > 0.35 && P::limitingVelocity(a, 1) < 0.94);
}

void tst_physics::timeGrid_data()
{
    QTest::addColumn<double>("d");
    QTest::addColumn<bool>("heavy");
    QTest::newRow("oil droplet") << 5.52e-6 << false;
    QTest::newRow("1 mm droplet crosses faster than it relaxes") << 1e-3 << true;
}

void tst_physics::timeGrid()
{
    QFETCH(double, d);
    QFETCH(bool, heavy);
    const SetupParameters& p = Default;
    const float tau = P::relaxationTime(p.r, d, p.eta);
    const double Vg = P::terminalVelocity(tau, p.r, p.r0);
    const P::TimeGrid grid = P::timeGrid(p.DD, Vg, tau);
    // The gap in units of Vg·tau; a droplet at Vg crosses it in 100 steps.
    QVERIFY(std::fabs(grid.reducedGap / (p.DD / (Vg * static_cast<double>(tau))) - 1) < 1e-15);
    if (heavy) {
        QCOMPARE(grid.plotTimeSpan, static_cast<double>(tau));
        QCOMPARE(grid.timeStep, static_cast<double>(tau) / 100);
    } else {
        QCOMPARE(grid.plotTimeSpan, 3 * grid.reducedGap);
        QCOMPARE(grid.timeStep, grid.reducedGap / 100);
        QVERIFY(std::fabs(grid.reducedGap - 2.2295e5) < 10);
    }
}

void tst_physics::stepFollowsExactSolution_data()
{
    QTest::addColumn<double>("timeStep");
    QTest::addColumn<double>("chargeNumber");
    QTest::addColumn<double>("forceRatio");
    QTest::newRow("no field, small steps") << 0.05 << 0.0 << -0.064;
    QTest::newRow("field, steps about tau") << 0.7 << 3.0 << -0.064;
    QTest::newRow("rising droplet") << 0.3 << 10.0 << -0.16;
    QTest::newRow("long steps: at the limit at once") << 2229.5 << 7.0 << -0.064;
}

void tst_physics::stepFollowsExactSolution()
{
    // dV/dT = V∞ − V from rest: V(T) = V∞(1 − e^−T) exactly at every step.
    // The displacement of a step is taken with the velocity at its end: once
    // the velocity has relaxed, the droplet drifts V∞ per unit of time.
    QFETCH(double, timeStep);
    QFETCH(double, chargeNumber);
    QFETCH(double, forceRatio);
    const double vInfinity = 1 + chargeNumber * forceRatio;
    float Vy = 0;
    double Y = 0;
    for (int n = 1; n <= 200; ++n) {
        const P::Motion next = P::step(Vy, Y, timeStep, chargeNumber, forceRatio);
        const double T = n * timeStep;
        // The velocity is kept in single precision.
        QVERIFY2(std::fabs(static_cast<double>(next.Vy) - vInfinity * (1 - std::exp(-T))) < 1e-6,
                 qPrintable(QString::number(n)));
        if (T - timeStep > 20)
            QVERIFY2(std::fabs((next.Y - Y) / timeStep - vInfinity) < 1e-6, qPrintable(QString::number(n)));
        Vy = next.Vy;
        Y = next.Y;
    }
    // Steps far longer than tau: at the limit at once, the droplet covers V∞ per unit of time from the start.
    if (timeStep > 100)
        QVERIFY(std::fabs(Y / (200 * timeStep) - vInfinity) < 1e-9);
}

void tst_physics::computableRange_data()
{
    QTest::addColumn<double>("DD");
    QTest::addColumn<double>("Ux");
    QTest::addColumn<double>("d");
    QTest::addColumn<float>("eta");
    QTest::addColumn<bool>("computable");
    QTest::newRow("default") << 0.016 << -5085.0 << 5.52e-6 << 1.82e-5f << true;
    // While "5.52e-6" is typed, the diameter is 5 m for a moment.
    QTest::newRow("5 m droplet") << 0.016 << -5085.0 << 5.0 << 1.82e-5f << true;
    QTest::newRow("field too weak to tell from 1") << 0.016 << 1e-300 << 5.52e-6 << 1.82e-5f << true;
    QTest::newRow("mass lost to underflow") << 0.016 << -5085.0 << 1e-110 << 1.82e-5f << false;
    QTest::newRow("tau beyond single precision") << 0.016 << -5085.0 << 1e30 << 1.82e-5f << false;
    QTest::newRow("zero voltage") << 0.016 << 0.0 << 5.52e-6 << 1.82e-5f << false;
    QTest::newRow("gap below single precision") << 1e-320 << -5085.0 << 5.52e-6 << 1.82e-5f << false;
}

void tst_physics::computableRange()
{
    QFETCH(double, DD);
    QFETCH(double, Ux);
    QFETCH(double, d);
    QFETCH(float, eta);
    QFETCH(bool, computable);
    QCOMPARE(ModelRange::computable({DD, Ux, d, 920, 1.23, eta}), computable);
}

QTEST_APPLESS_MAIN(tst_physics)
#include "tst_physics.moc"
