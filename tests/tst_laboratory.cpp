// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include "BrownianMotion.h"
#include "ChargeUnits.h"
#include "JournalModel.h"
#include "Laboratory.h"
#include "RunRecord.h"

#include <QtTest>

#include <cmath>

/// The laboratory mode on the simulation without a display: held drops, the
/// field switched and reversed, new charges by irradiation, drops and their
/// states in the journal, plot readings, unknown drops, thermal motion, the
/// seed, and runs left exactly as they were while the mode is off.
class tst_laboratory : public QObject {
    Q_OBJECT

private slots:
    void offChangesNothing_data();
    void offChangesNothing();
    void timingsKnowTheirState();
    void fieldAndPolarityInExperimentTime();
    void dropHeldForTenMinutes();
    void irradiationsGiveChargesOfTheSeed();
    void irradiatedInTheFieldAtTheFullLevel_data();
    void irradiatedInTheFieldAtTheFullLevel();
    void plotReadingsGiveTheCharges_data();
    void plotReadingsGiveTheCharges();
    void thermalStepHasEinsteinsVariance();
    void fixedSeedGivesTheSameDrops();
};

namespace {

constexpr double ElementaryCharge = ChargeUnits::ElementaryCharge;

/// Runs one experiment; `atStep` is called once in the pause after every step
/// with the step's number.
void run(FakeMainWindow& form, const std::function<void(int)>& atStep = {})
{
    const RunRecord& record = form.simulation().record();
    form.timer.everyPause = [&record, atStep, last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (atStep && step > 0 && step != last) {
            last = step;
            atStep(step);
        }
    };
    Experiment& experiment = form.simulation().experiment();
    experiment.start();
    form.timer.runWhile([&experiment] { return experiment.isHolding(); });
    form.timer.everyPause = {};
}

/// The default droplet with the charges 3 and 7 kept (not drawn at random).
void startWithCharges(FakeMainWindow& form)
{
    form.random.values = {0.25f, 0.65f};
    form.start();
    form.control(ControlId::randomChargesCheckBox).setValue(0);
}

} // namespace

void tst_laboratory::offChangesNothing_data()
{
    QTest::addColumn<bool>("laboratory");
    QTest::addColumn<bool>("brownian");
    QTest::addColumn<bool>("same");
    // Off, whatever its options: the demonstration's run bit for bit. On, the
    // drop is held to the lower plate (and kicked with Brownian motion).
    QTest::newRow("Brownian and unknown drops chosen, laboratory off") << false << true << true;
    QTest::newRow("laboratory, no options") << true << false << false;
    QTest::newRow("Brownian motion") << true << true << false;
}

void tst_laboratory::offChangesNothing()
{
    QFETCH(bool, laboratory);
    QFETCH(bool, brownian);
    QFETCH(bool, same);
    // The same droplet with and without the laboratory: the run's course bit for bit.
    const auto course = [](bool lab, bool thermal) {
        FakeMainWindow form;
        startWithCharges(form);
        form.simulation().laboratory().setBrownian(thermal);
        form.simulation().laboratory().setUnknownSize(thermal);
        form.simulation().laboratory().setActive(lab);
        run(form, [&form](int step) {
            if (step == 30)
                form.simulation().experiment().applyVoltage();
        });
        return form.simulation().record().points();
    };
    const std::vector<RunRecord::Point> plain = course(false, false), other = course(laboratory, brownian);
    bool equal = plain.size() == other.size();
    for (std::size_t i = 0; equal && i < plain.size(); ++i)
        equal = plain[i].t == other[i].t && plain[i].Y == other[i].Y && plain[i].Vy == other[i].Vy;
    QCOMPARE(equal, same);
}

void tst_laboratory::timingsKnowTheirState()
{
    FakeMainWindow form;
    startWithCharges(form);
    Laboratory& lab = form.simulation().laboratory();
    Stopwatch& stopwatch = lab.stopwatch();
    lab.setActive(true);
    lab.setBands(2);
    Experiment& experiment = form.simulation().experiment();
    run(form, [&](int step) {
        switch (step) {
        case 5: stopwatch.startStop(); break;
        case 15: stopwatch.lap(); break; // free fall
        case 20: experiment.applyVoltage(); break;
        case 25: stopwatch.lap(); break; // across the switch
        case 35: stopwatch.lap(); break; // in the field, the first charge
        case 40: experiment.irradiate(); break;
        case 42: stopwatch.lap(); break;       // across
        case 55: stopwatch.startStop(); break; // the new charge
        case 60: experiment.end(); break;
        default: break;
        }
    });
    QCOMPARE(lab.recordTimings(), 5);
    const Journal& journal = form.simulation().journal().journal();
    QCOMPARE(journal.drops.size(), std::size_t(1));
    QCOMPARE(journal.drops[0].number, 1);
    QCOMPARE(journal.drops[0].setup.d, 5.52e-6);
    QVERIFY(!journal.drops[0].lost);
    using F = FieldState;
    const F fields[] = {F::Off, F::On, F::On, F::On, F::On};
    const int states[] = {0, 0, 0, 1, 1};
    const bool struck[] = {false, true, false, true, false};
    // Ten steps of the run in seconds, to the hundredth the stopwatch shows.
    const double step = form.state().timeStep * static_cast<double>(form.state().tau);
    for (std::size_t i = 0; i < 5; ++i) {
        const JournalEntry& e = journal.entries[i];
        QCOMPARE(e.drop, 1);
        QCOMPARE(e.field, fields[i]);
        QCOMPARE(e.chargeState, states[i]);
        QCOMPARE(e.deleted, struck[i]);
        QCOMPARE(*e.bands, 2.0);
        QCOMPARE(*e.distance, 2 * 0.016 / 10);
        QCOMPARE(*e.voltage, -5085.0);
        QVERIFY(e.uncertainty > 0);
    }
    QVERIFY(std::fabs(*journal.entries[0].time - 10 * step) <= 0.01);
    QVERIFY(std::fabs(*journal.entries[4].time - 13 * step) <= 0.01);
    // Nothing is recorded twice.
    QCOMPARE(lab.recordTimings(), 0);
}

void tst_laboratory::fieldAndPolarityInExperimentTime()
{
    // At −30 kV the charge 3 lifts the default droplet: in the field it
    // moves at 1 + 3a (a < 0), reversed at 1 − 3a, without it at 1 (Vg),
    // from the step after each switch; the stopwatch times each in seconds
    // of the experiment and the journal keeps the field and the voltage.
    FakeMainWindow form;
    startWithCharges(form);
    Experiment& experiment = form.simulation().experiment();
    QVERIFY(experiment.setVoltage(-30000));
    Laboratory& lab = form.simulation().laboratory();
    lab.setActive(true);
    Stopwatch& stopwatch = lab.stopwatch();
    run(form, [&](int step) {
        if (step == 10)
            experiment.applyVoltage();
        if (step == 20)
            experiment.reversePolarity();
        if (step == 30)
            experiment.applyVoltage();
        if (step == 12 || step == 22 || step == 32)
            stopwatch.startStop();
        if (step == 18 || step == 28 || step == 38)
            stopwatch.startStop();
        if (step == 40)
            experiment.end();
    });
    const ExperimentState& s = form.state();
    const std::vector<RunRecord::Point>& points = form.simulation().record().points();
    const double rising = 1 + 3 * s.forceRatio, falling = 1 - 3 * s.forceRatio;
    QVERIFY(rising < 0);
    for (int step = 12; step <= 38; ++step) {
        const double expected = step <= 10 ? 1 : step <= 20 ? rising : step <= 30 ? falling : 1;
        QVERIFY2(std::fabs(static_cast<double>(points[static_cast<std::size_t>(step)].Vy) - expected) < 1e-5,
                 qPrintable(QString::number(step)));
    }
    QCOMPARE(lab.recordTimings(), 3);
    const Journal& journal = form.simulation().journal().journal();
    const FieldState fields[] = {FieldState::On, FieldState::Reversed, FieldState::Off};
    const double stepSeconds = s.timeStep * static_cast<double>(s.tau);
    for (std::size_t i = 0; i < 3; ++i) {
        const JournalEntry& e = journal.entries[i];
        QCOMPARE(e.field, fields[i]);
        QCOMPARE(*e.voltage, -30000.0);
        QVERIFY(!e.deleted);
        QVERIFY(std::fabs(*e.time - 6 * stepSeconds) <= 0.01);
    }
    // Rising in the field: a negative distance.
    QVERIFY(*journal.entries[0].bands < 0);
    QVERIFY(*journal.entries[1].bands > 0);
}

void tst_laboratory::dropHeldForTenMinutes()
{
    // The student keeps the droplet between the second and the eighth line:
    // the field on when it has fallen past the eighth, off when it has risen
    // past the second. Ten minutes of the experiment later it is still held.
    FakeMainWindow form;
    startWithCharges(form);
    Experiment& experiment = form.simulation().experiment();
    QVERIFY(experiment.setVoltage(-40000));
    form.simulation().laboratory().setActive(true);
    const ExperimentState& s = form.state();
    const double seconds = 600;
    const int steps = static_cast<int>(seconds / (s.timeStep * static_cast<double>(s.tau))) + 1;
    bool heldAtTheEnd = false;
    int switches = 0;
    run(form, [&](int step) {
        const double band = s.reducedGap / 10;
        if ((!s.fieldOn && s.Y > 8 * band) || (s.fieldOn && s.Y < 2 * band)) {
            experiment.applyVoltage();
            ++switches;
        }
        if (step == steps) {
            heldAtTheEnd = s.holding;
            experiment.end();
        }
    });
    QVERIFY(heldAtTheEnd);
    QVERIFY(form.simulation().record().points().back().t * static_cast<double>(s.tau) >= seconds);
    QVERIFY2(switches > 20, qPrintable(QString::number(switches)));
    QVERIFY(!form.simulation().journal().journal().drops[0].lost);
    // The plots grew to show the whole hold.
    QVERIFY(form.simulation().scales().ranges().timeRight >= form.simulation().record().points().back().t);
}

void tst_laboratory::irradiationsGiveChargesOfTheSeed()
{
    // Ten irradiations of one drop: each changes its charge by 1 to 3 e, as
    // the drop's seed says — the same seed, the same charges.
    const auto charges = [](std::uint64_t seed) {
        FakeMainWindow form;
        startWithCharges(form);
        Laboratory& lab = form.simulation().laboratory();
        lab.setSeed(seed);
        lab.setActive(true);
        Experiment& experiment = form.simulation().experiment();
        std::vector<int> seen;
        run(form, [&](int step) {
            if (step <= 10) {
                seen.push_back(step == 1 ? static_cast<int>(form.state().N2) : form.state().N3);
                experiment.irradiate();
            } else {
                experiment.end();
            }
        });
        // The charge states counted, as the last number.
        seen.push_back(form.state().chargeState);
        return seen;
    };
    std::vector<int> first = charges(11);
    QCOMPARE(first.size(), std::size_t(11));
    QCOMPARE(first.back(), 10);
    first.pop_back();
    for (std::size_t i = 1; i < first.size(); ++i) {
        const int change = std::abs(first[i] - first[i - 1]);
        QVERIFY(change >= 1 && change <= 3);
    }
    first.push_back(10);
    QCOMPARE(charges(11), first);
    QVERIFY(charges(12) != first);
}

void tst_laboratory::irradiatedInTheFieldAtTheFullLevel_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("fewest"); ///< changes of charge in 200 irradiations with the field on
    QTest::addColumn<int>("most");
    QTest::newRow("standard: every one") << int(RealismLevel::Standard) << 200 << 200;
    // Binomial, n = 200, p = InFieldCapture = 0.1: 20 ± 4.2.
    QTest::newRow("full: seldom") << int(RealismLevel::Full) << 5 << 40;
}

void tst_laboratory::irradiatedInTheFieldAtTheFullLevel()
{
    QFETCH(int, level);
    QFETCH(int, fewest);
    QFETCH(int, most);
    FakeMainWindow form;
    startWithCharges(form);
    Laboratory& lab = form.simulation().laboratory();
    lab.setSeed(5);
    lab.setRealismLevel(static_cast<RealismLevel>(level));
    lab.setActive(true);
    Experiment& experiment = form.simulation().experiment();
    int changes = 0, irradiations = 0;
    run(form, [&](int step) {
        if (step > 40) {
            experiment.end();
            return;
        }
        // Five with the field on, then off again: the droplet stays in the gap.
        experiment.applyVoltage();
        for (int i = 0; i < 5; ++i) {
            const int before = form.state().chargeState == 0 ? static_cast<int>(form.state().N2) : form.state().N3;
            experiment.irradiate();
            changes += form.state().N3 != before;
            ++irradiations;
        }
        experiment.applyVoltage();
    });
    QCOMPARE(irradiations, 200);
    QVERIFY2(changes >= fewest && changes <= most, qPrintable(QString::number(changes)));
}

void tst_laboratory::plotReadingsGiveTheCharges_data()
{
    QTest::addColumn<bool>("unknown");
    QTest::addColumn<double>("pressure"); // Pa of the slip correction, 0: none
    QTest::newRow("known droplet") << false << 0.0;
    QTest::newRow("unknown droplet") << true << 0.0;
    QTest::newRow("known droplet, slip at 1 atm") << false << 101325.0;
    QTest::newRow("unknown droplet, slip at 1 atm") << true << 101325.0;
    QTest::newRow("unknown droplet, slip at 20 kPa") << true << 20000.0;
}

void tst_laboratory::plotReadingsGiveTheCharges()
{
    // The velocity curve read off the plot in each phase, four significant
    // digits: the journal's charges are 3 e and 7 e, whatever the size.
    QFETCH(bool, unknown);
    QFETCH(double, pressure);
    FakeMainWindow form;
    startWithCharges(form);
    Laboratory& lab = form.simulation().laboratory();
    lab.setSeed(2026);
    lab.setActive(true);
    lab.setUnknownSize(unknown);
    form.simulation().panel().setDropConcealed(unknown);
    Experiment& experiment = form.simulation().experiment();
    if (pressure > 0) {
        lab.setSlipCorrection(true);
        lab.setAir(pressure, 293.15);
        experiment.setSlipCorrection(lab.slipPressure());
    }
    int charge = 0;
    run(form, [&](int step) {
        if (step == 30)
            experiment.applyVoltage();
        if (step == 60)
            experiment.irradiate();
        if (step == 80) {
            charge = form.state().N3;
            experiment.end();
        }
    });
    if (pressure > 0) {
        // The droplet fell as a sphere with the slip of the air: Stokes' velocity times 1 + b/(p·a).
        const ExperimentState& s = form.state();
        const double a = s.d / 2, stokes = 2 * a * a * (s.r - s.r0) * 9.814 / (9 * static_cast<double>(s.eta));
        QVERIFY(std::fabs(s.Vg / (stokes * (1 + 8.2e-3 / (pressure * a))) - 1) < 1e-6);
    }
    const std::vector<RunRecord::Point>& points = form.simulation().record().points();
    for (const int step : {10, 45, 75})
        QVERIFY(lab.recordPlotVelocity(points[static_cast<std::size_t>(step)].t));
    const JournalModel& model = form.simulation().journal();
    const Journal& journal = model.journal();
    QCOMPARE(journal.drops[0].diameterHidden, unknown);
    if (unknown) {
        QCOMPARE(journal.drops[0].setup.d, 0.0);
        QVERIFY(form.state().d != 5.52e-6);
        QCOMPARE(form.control(ControlId::massReadout).text(), QStringLiteral("m = ?"));
    }
    QCOMPARE(journal.entries[0].field, FieldState::Off);
    QCOMPARE(journal.entries[1].field, FieldState::On);
    QCOMPARE(journal.entries[1].chargeState, 0);
    QCOMPARE(journal.entries[2].field, FieldState::On);
    QCOMPARE(journal.entries[2].chargeState, 1);
    // The first charge 3 e, the new one what the irradiation made it, each
    // within the uncertainty of the readings' last digit.
    const JournalAnalysis::Result& r = model.analysis();
    QCOMPARE(r.charges.size(), std::size_t(2));
    const auto near = [](const JournalAnalysis::DropCharge& c, int n) {
        return std::fabs(c.q - n * ElementaryCharge) <= std::max(3 * c.u, 0.002 * ElementaryCharge);
    };
    QVERIFY2(near(r.charges[0], 3), qPrintable(QString::number(r.charges[0].q / ElementaryCharge)));
    QVERIFY2(near(r.charges[1], charge), qPrintable(QString::number(charge)));
    QVERIFY(near(r.changes[0], charge - 3));
    QVERIFY(r.charges[0].u < 0.05 * ElementaryCharge);
    if (pressure == 0 || !unknown)
        return;
    // Forgetting the slip: Stokes' radius too large, the charges by
    // (1 + b/(p·a))^(3/2) with the droplet's true radius.
    QCOMPARE(*journal.drops[0].pressure, pressure);
    const double bias = std::pow(1 + 8.2e-3 / (pressure * form.state().d / 2), 1.5);
    const JournalAnalysis::Result plain = JournalAnalysis::analyse(journal, false);
    QVERIFY2(std::fabs(plain.charges[0].q / (3 * ElementaryCharge) / bias - 1) < 0.003,
             qPrintable(QString::number(plain.charges[0].q / (3 * ElementaryCharge) / bias)));
}

void tst_laboratory::thermalStepHasEinsteinsVariance()
{
    // Over many steps of free fall with thermal motion on, the displacements
    // beyond the drift: mean 0 and variance 2·D·Δt with D = kT/(6π·eta·r).
    FakeMainWindow form;
    startWithCharges(form);
    Laboratory& lab = form.simulation().laboratory();
    lab.setSeed(1234);
    lab.setBrownian(true);
    lab.setActive(true);
    const ExperimentState& s = form.state();
    double sum = 0, sumSquares = 0;
    int n = 0;
    // Each drop falls freely to the lower plate.
    for (int drop = 0; drop < 40; ++drop) {
        run(form);
        const std::vector<RunRecord::Point>& points = form.simulation().record().points();
        // The steps after the first (which starts from rest): the drift is Vg·Δt, 1·timeStep reduced.
        for (std::size_t i = 2; i < points.size(); ++i) {
            const double kick = (points[i].Y - points[i - 1].Y - s.timeStep) * s.Vg * static_cast<double>(s.tau);
            sum += kick;
            sumSquares += kick * kick;
            ++n;
        }
    }
    const double seconds = s.timeStep * static_cast<double>(s.tau);
    const double expected = 1.380649e-23 * 293 / (6 * M_PI * static_cast<double>(s.eta) * s.d / 2) * 2 * seconds;
    const double variance = sumSquares / n - (sum / n) * (sum / n);
    qInfo("%d steps: variance %.4g m², expected %.4g m²", n, variance, expected);
    QVERIFY(n > 3000);
    QVERIFY(std::fabs(variance / expected - 1) < 4 * std::sqrt(2.0 / n));
    QVERIFY(std::fabs(sum / n) < 4 * std::sqrt(expected / n));
    QCOMPARE(expected, BrownianMotion::displacementVariance(s.d, static_cast<double>(s.eta), seconds));
}

void tst_laboratory::fixedSeedGivesTheSameDrops()
{
    // Two students with the same seed: the same unknown drops with the same charges.
    const auto drops = [](std::uint64_t seed) -> std::vector<double> {
        FakeMainWindow form;
        form.start();
        Laboratory& lab = form.simulation().laboratory();
        lab.setSeed(seed);
        lab.setUnknownSize(true);
        lab.setActive(true);
        std::vector<double> seen;
        for (int drop = 0; drop < 3; ++drop) {
            run(form);
            seen.insert(seen.end(), {form.state().d, form.state().N2, static_cast<double>(form.state().N3)});
        }
        // The journal states the seed (compared as the last number).
        const Journal& journal = form.simulation().journal().journal();
        seen.push_back(journal.seedFixed && journal.seed == seed ? 1 : 0);
        return seen;
    };
    const std::vector<double> first = drops(42);
    QCOMPARE(first.back(), 1.0);
    QCOMPARE(drops(42), first);
    QVERIFY(drops(43) != first);
    QVERIFY(first[0] != first[3]); // a new droplet at every start
}

QTEST_GUILESS_MAIN(tst_laboratory)
#include "tst_laboratory.moc"
