// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropReplay.h"
#include "DropSizeDistribution.h"
#include "Experiment.h"
#include "JournalDrop.h"
#include "RealismFile.h"
#include "Spray.h"

#include <QtTest>

#include <algorithm>
#include <cmath>

/// The sprayed cloud: its sizes and charges over many seeds, each droplet's
/// identity through the field's switches and the thermal motion, the focus,
/// and each realism level's own effect.
class tst_spray : public QObject {
    Q_OBJECT

private slots:
    void sprayedAsStated();
    void dropletsKeepWhoTheyAre();
    void focusDecidesWhatIsSeen();
    void levelsEachWithTheirSignature_data();
    void levelsEachWithTheirSignature();
    void levelFileRead_data();
    void levelFileRead();
};

void tst_spray::sprayedAsStated()
{
    const SetupParameters setup = Experiment::defaultSetup();
    std::vector<double> diameters;
    int droplets = 0, neutral = 0, charged = 0, chargeSum = 0, largest = 0, fewest = 1000, most = 0;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        const Spray spray(setup, seed, RealismLevel::Standard, true);
        const int n = static_cast<int>(spray.droplets().size());
        fewest = std::min(fewest, n);
        most = std::max(most, n);
        for (const Spray::Droplet& d : spray.droplets()) {
            ++droplets;
            diameters.push_back(d.d);
            QVERIFY(d.d >= DropSizeDistribution::Smallest && d.d <= DropSizeDistribution::Largest);
            QVERIFY(d.Y > 0 && d.Y < 0.25 * setup.DD);
            if (d.charge == 0) {
                ++neutral;
            } else {
                ++charged;
                chargeSum += d.charge;
                largest = std::max(largest, d.charge);
            }
        }
    }
    QVERIFY(fewest >= Spray::Fewest && most <= Spray::Most && most - fewest > 50);
    std::nth_element(diameters.begin(), diameters.begin() + diameters.size() / 2, diameters.end());
    QVERIFY(std::fabs(diameters[diameters.size() / 2] / DropSizeDistribution::Median - 1) < 0.01);
    // Over about 13 000 droplets: each share within four standard errors.
    const double neutralShare = double(neutral) / droplets;
    QVERIFY2(std::fabs(neutralShare - Spray::NeutralShare) < 4 * std::sqrt(0.09 / droplets),
             qPrintable(QString::number(neutralShare)));
    const double meanCharge = double(chargeSum) / charged, expected = 1 / (1 - Spray::ChargeContinuation);
    const double spread = std::sqrt(Spray::ChargeContinuation) / (1 - Spray::ChargeContinuation);
    QVERIFY2(std::fabs(meanCharge - expected) < 4 * spread / std::sqrt(charged),
             qPrintable(QString::number(meanCharge)));
    QVERIFY(largest >= 15 && largest <= Spray::MaxCharge);
}

void tst_spray::dropletsKeepWhoTheyAre()
{
    // Twenty seconds of field switches every 2 s with Brownian motion: each
    // droplet keeps its number, size and charge, is where its own motion
    // took it, and once gone stays gone.
    SetupParameters setup = Experiment::defaultSetup();
    Spray spray(setup, 20261209, RealismLevel::Standard, true);
    const std::vector<Spray::Droplet> sprayed = spray.droplets();
    Spray still(setup, 20261209, RealismLevel::Standard, false);
    std::vector<bool> wasGone(sprayed.size());
    for (int k = 0; k < 400; ++k) {
        const double Ux = (k / 40) % 2 ? setup.Ux : 0;
        spray.step(0.05, Ux);
        still.step(0.05, Ux);
        for (std::size_t i = 0; i < sprayed.size(); ++i) {
            const Spray::Droplet& d = spray.droplets()[i];
            QCOMPARE(d.id, sprayed[i].id);
            QCOMPARE(d.d, sprayed[i].d);
            QCOMPARE(d.charge, sprayed[i].charge);
            QVERIFY(!wasGone[i] || d.gone);
            wasGone[i] = d.gone;
        }
    }
    // The thermal motion moves each droplet by its own amount: about
    // √(2·D·t) ≈ 13 µm after twenty seconds, far less than the field does.
    int apart = 0, alive = 0;
    for (std::size_t i = 0; i < sprayed.size(); ++i) {
        const Spray::Droplet &a = spray.droplets()[i], &b = still.droplets()[i];
        if (a.gone || b.gone)
            continue;
        ++alive;
        apart += std::fabs(a.X - b.X) > 1e-7 ? 1 : 0;
        QVERIFY(std::fabs(a.X - b.X) < 1e-4);
    }
    QVERIFY(alive > 0);
    QVERIFY(apart >= 0.9 * alive);
    // The neutral droplets fell at their own pace whatever the field did.
    for (std::size_t i = 0; i < sprayed.size(); ++i) {
        const Spray::Droplet& d = still.droplets()[i];
        if (d.charge == 0 && !d.gone)
            QVERIFY(std::fabs(d.Y - sprayed[i].Y - still.velocity(d, 0) * 20) < 1e-9);
    }
}

void tst_spray::focusDecidesWhatIsSeen()
{
    Spray spray(Experiment::defaultSetup(), 7, RealismLevel::Standard, false);
    // Ten seconds' fall brings the cloud into the middle of the view.
    for (int k = 0; k < 200; ++k)
        spray.step(0.05, 0);
    const std::vector<int> seen = spray.visibleByDistance();
    QVERIFY(!seen.empty());
    for (const int id : seen)
        QVERIFY(std::fabs(spray.droplet(id)->Z - spray.focus()) <= Spray::VisibleDepth);
    // The deepest droplet in view: unseen until the focus is on it, then sharp.
    const Spray::Droplet* deep = nullptr;
    for (const Spray::Droplet& d : spray.droplets())
        if (spray.inView(d) && (!deep || std::fabs(d.Z) > std::fabs(deep->Z)))
            deep = &d;
    QVERIFY(deep && std::fabs(deep->Z) > Spray::VisibleDepth);
    QVERIFY(!spray.visible(*deep));
    QCOMPARE(spray.sharpness(*deep), 0.0);
    spray.setFocus(deep->Z + Spray::DepthOfField);
    QVERIFY(spray.visible(*deep));
    QVERIFY(std::fabs(spray.sharpness(*deep) - std::exp(-0.5)) < 1e-12);
    spray.setFocus(deep->Z);
    QCOMPARE(spray.sharpness(*deep), 1.0);
    // Nearest the centre first.
    const std::vector<int> now = spray.visibleByDistance();
    const double centre = Experiment::defaultSetup().DD / 2;
    for (std::size_t i = 1; i < now.size(); ++i)
        QVERIFY(std::hypot(spray.droplet(now[i - 1])->X, spray.droplet(now[i - 1])->Y - centre)
                <= std::hypot(spray.droplet(now[i])->X, spray.droplet(now[i])->Y - centre));
}

void tst_spray::levelsEachWithTheirSignature_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<double>("fallSlowed"); ///< the fall velocity's relative change over 10 min
    QTest::addColumn<double>("warmed");     ///< K over 10 min
    const double t = 600;
    // v ∝ d²/η: evaporation slows the fall by e^(−2λt), the warmer air's
    // viscosity (η ∝ T^1.5/(T + S)) a little more.
    const double etaRatio = [] {
        const double T0 = 293.15, T = T0 + Spray::LampWarming * (1 - std::exp(-600 / Spray::LampTime));
        const double S = 110.4; // K, Sutherland's constant of air
        return std::pow(T / T0, 1.5) * (T0 + S) / (T + S);
    }();
    QTest::newRow("ideal") << int(RealismLevel::Ideal) << 0.0 << 0.0;
    QTest::newRow("standard") << int(RealismLevel::Standard) << 0.0 << 0.0;
    QTest::newRow("full") << int(RealismLevel::Full) << 1 - std::exp(-2 * Spray::EvaporationRate * t) / etaRatio
                          << Spray::LampWarming * (1 - std::exp(-t / Spray::LampTime));
}

void tst_spray::levelsEachWithTheirSignature()
{
    QFETCH(int, level);
    QFETCH(double, fallSlowed);
    QFETCH(double, warmed);
    // A gap tall enough that the droplet falls for the whole ten minutes.
    SetupParameters setup = Experiment::defaultSetup();
    setup.DD = 1;
    Spray spray(setup, 11, static_cast<RealismLevel>(level), false);
    const Spray::Droplet& d = spray.droplets().front();
    const double before = spray.velocity(d, 0), T0 = spray.temperature();
    for (int k = 0; k < 12000; ++k)
        spray.step(0.05, 0);
    // The viscosity is kept in single precision.
    QVERIFY2(std::fabs(1 - spray.velocity(d, 0) / before - fallSlowed) < 1e-6,
             qPrintable(QString::number(1 - spray.velocity(d, 0) / before)));
    QVERIFY(std::fabs(spray.temperature() - T0 - warmed) < 1e-9);

    // A droplet held in the laboratory's run slows as the free one does (its
    // run replayed as the grader does, which the engine's run matches): its
    // fall over its step from about 600 s against that from its first step's end.
    JournalDrop held;
    held.setup = setup;
    held.level = static_cast<RealismLevel>(level);
    const std::optional<DropReplay> run = DropReplay::of(held, 700);
    QVERIFY(run);
    const double step = run->stepSeconds();
    const auto k = static_cast<std::size_t>(std::lround(600 / step));
    const double first = run->positionAtStep(2) - run->positionAtStep(1);
    const double late = run->positionAtStep(k + 1) - run->positionAtStep(k);
    Spray free(setup, 11, static_cast<RealismLevel>(level), false);
    free.step(step, 0);
    const double early = free.velocity(free.droplets().front(), 0);
    free.step(static_cast<double>(k - 1) * step, 0);
    const double expected = 1 - free.velocity(free.droplets().front(), 0) / early;
    QVERIFY2(std::fabs(1 - late / first - expected) < 1e-6, qPrintable(QString::number(1 - late / first)));
    QVERIFY((expected > 0.02) == (fallSlowed > 0));
}

void tst_spray::levelFileRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("level"); ///< −1: refused
    QTest::addColumn<bool>("locked");
    QTest::newRow("full, locked") << QByteArray(R"({"level": "full", "locked": true})") << int(RealismLevel::Full)
                                  << true;
    QTest::newRow("standard") << QByteArray(R"({"level": "standard"})") << int(RealismLevel::Standard) << false;
    QTest::newRow("ideal, open") << QByteArray(R"({"level":"ideal","locked":false})") << int(RealismLevel::Ideal)
                                 << false;
    QTest::newRow("unknown level") << QByteArray(R"({"level": "hard"})") << -1 << false;
    QTest::newRow("locked as a word") << QByteArray(R"({"level": "full", "locked": "yes"})") << -1 << false;
    QTest::newRow("not JSON") << QByteArray("level=full") << -1 << false;
    QTest::newRow("too large") << QByteArray(R"({"level": "full", "x": ")") + QByteArray(5000, 'x') + "\"}" << -1
                               << false;
}

void tst_spray::levelFileRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, level);
    QFETCH(bool, locked);
    const auto read = RealismFile::read(bytes);
    if (level < 0) {
        QVERIFY(std::holds_alternative<QString>(read) && !std::get<QString>(read).isEmpty());
        return;
    }
    QVERIFY(std::holds_alternative<RealismFile::Choice>(read));
    QCOMPARE(std::get<RealismFile::Choice>(read), (RealismFile::Choice{static_cast<RealismLevel>(level), locked}));
}

QTEST_MAIN(tst_spray)
#include "tst_spray.moc"
