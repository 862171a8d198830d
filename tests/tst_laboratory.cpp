// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeMainWindow.h"

#include "BrownianMotion.h"
#include "JournalModel.h"
#include "Laboratory.h"
#include "RunRecord.h"

#include <QtTest>

#include <cmath>

/// The laboratory mode on the simulation without a display: drops and phases
/// in the journal, plot readings, unknown drops, thermal motion, the seed,
/// and runs left exactly as they were while the options are off.
class tst_laboratory : public QObject {
    Q_OBJECT

private slots:
    void offChangesNothing_data();
    void offChangesNothing();
    void timingsKnowTheirPhase();
    void plotReadingsGiveTheCharges_data();
    void plotReadingsGiveTheCharges();
    void thermalStepHasEinsteinsVariance();
    void fixedSeedGivesTheSameDrops();
};

namespace {

constexpr double ElementaryCharge = 1.602176634e-19;

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
    form.simulation().experiment().start();
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
    QTest::newRow("laboratory, no options") << true << false << true;
    QTest::newRow("Brownian chosen, laboratory off") << false << true << true;
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

void tst_laboratory::timingsKnowTheirPhase()
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
        case 25: stopwatch.lap(); break; // across the change
        case 35: stopwatch.lap(); break; // the first charge
        case 40: experiment.irradiate(); break;
        case 42: stopwatch.lap(); break;       // across
        case 55: stopwatch.startStop(); break; // after the irradiation
        default: break;
        }
    });
    QCOMPARE(lab.recordTimings(), 5);
    const Journal& journal = form.simulation().journal().journal();
    QCOMPARE(journal.drops.size(), std::size_t(1));
    QCOMPARE(journal.drops[0].number, 1);
    QCOMPARE(journal.drops[0].setup.d, 5.52e-6);
    using Phase = MeasurementPhase;
    const Phase phases[] = {Phase::NoField, Phase::FirstCharge, Phase::FirstCharge, Phase::Irradiated,
                            Phase::Irradiated};
    const bool struck[] = {false, true, false, true, false};
    // Ten steps of the run in seconds, to the hundredth the stopwatch shows.
    const double step = form.state().timeStep * static_cast<double>(form.state().tau);
    for (std::size_t i = 0; i < 5; ++i) {
        const JournalEntry& e = journal.entries[i];
        QCOMPARE(e.drop, 1);
        QCOMPARE(e.phase, phases[i]);
        QCOMPARE(e.deleted, struck[i]);
        QCOMPARE(*e.bands, 2.0);
        QCOMPARE(*e.distance, 2 * 0.016 / 10);
        QCOMPARE(e.irradiation, i >= 3 ? 1 : 0);
        QVERIFY(e.uncertainty > 0);
    }
    QVERIFY(std::fabs(*journal.entries[0].time - 10 * step) <= 0.01);
    QVERIFY(std::fabs(*journal.entries[4].time - 13 * step) <= 0.01);
    // Nothing is recorded twice.
    QCOMPARE(lab.recordTimings(), 0);
}

void tst_laboratory::plotReadingsGiveTheCharges_data()
{
    QTest::addColumn<bool>("unknown");
    QTest::newRow("known droplet") << false;
    QTest::newRow("unknown droplet") << true;
}

void tst_laboratory::plotReadingsGiveTheCharges()
{
    // The velocity curve read off the plot in each phase, four significant
    // digits: the journal's charges are 3 e and 7 e, whatever the size.
    QFETCH(bool, unknown);
    FakeMainWindow form;
    startWithCharges(form);
    Laboratory& lab = form.simulation().laboratory();
    lab.setActive(true);
    lab.setUnknownSize(unknown);
    form.simulation().panel().setDropConcealed(unknown);
    Experiment& experiment = form.simulation().experiment();
    run(form, [&](int step) {
        if (step == 30)
            experiment.applyVoltage();
        if (step == 60)
            experiment.irradiate();
    });
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
    QCOMPARE(journal.entries[0].phase, MeasurementPhase::NoField);
    QCOMPARE(journal.entries[1].phase, MeasurementPhase::FirstCharge);
    QCOMPARE(journal.entries[2].phase, MeasurementPhase::Irradiated);
    const JournalAnalysis::Result& r = model.analysis();
    QCOMPARE(r.charges.size(), std::size_t(2));
    QVERIFY2(std::fabs(r.charges[0].q / ElementaryCharge - 3) < 0.01, qPrintable(QString::number(r.charges[0].q)));
    QVERIFY(std::fabs(r.charges[1].q / ElementaryCharge - 7) < 0.01);
    QVERIFY(std::fabs(r.changes[0].q / ElementaryCharge - 4) < 0.01);
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
