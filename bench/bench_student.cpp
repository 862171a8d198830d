// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Does the laboratory find e for a student at the keys? A seeded simulated
// student (LabStudent, with a hand as measured on real hand timings: each
// press a lag of 0.11 ± 0.07 s of wall time on a draw of its own, or with
// `steady` the former hand of 0.2 ± 0.05 s; turned into experiment time by
// the pace) holds ten drops, each timed three times
// rising and three times falling in each of two charge states, with the
// settings the help recommends (the slowest pace, −25 kV to begin with, the
// voltage turned so that the droplet rises at half to two and a half times
// its fall). Many sessions, each with a seed of its own, with known drops,
// with unknown drops in Brownian motion, and with unknown drops in Brownian
// motion whose drag has the slip of the air (at 1 atm, 20 °C), and, at the
// standard realism level, with each drop caught from a spray: the droplet
// seen to fall slowest, kept in focus. Prints, for each:
//   - the share of sessions whose estimate of e (from the drops' charges) is
//     within 1 % of 1.602 176 634·10⁻¹⁹ C;
//   - the share whose expanded uncertainty (k = 2) covers it;
//   - the share with no estimate, and any whole-factor error;
//   - the median experiment time and wall time of a session;
//   - with the slip, the mean deviation of e when the same journals are
//     analysed without the correction (Stokes' law alone).
//   bench_student [SESSIONS [known|unknown|slip|spray|steady|measured...]]
//   (default 50 of each kind of drops, with the measured hand)

#include "LabStudent.h"
#include "WindowFixture.h"

#include "ChargeUnits.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "LaboratoryWindows.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

/// The drops of a session.
enum class Drops { Known, Unknown, UnknownWithSlip, Sprayed };

struct Outcome {
    bool estimate = false;
    double e = 0;
    double expanded = 0;
    std::optional<double> withoutSlip; ///< e analysed by Stokes' law alone
    int caught = 0;                    ///< drops caught from a spray
    LabStudent::Session session;
};

Outcome session(std::uint64_t seed, Drops drops, LabStudent::Hand hand)
{
    const bool unknown = drops != Drops::Known;
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    LabStudent::Options options{unknown, unknown, drops == Drops::UnknownWithSlip, {}};
    if (drops == Drops::Sprayed)
        options.level = RealismLevel::Standard;
    LabStudent::setUp(w, seed, options);
    LabStudent student(w, seed ^ 0x5eed, hand);
    Outcome outcome;
    outcome.session = student.run(LabStudent::Plan{});
    const JournalAnalysis::Result& r = w.simulation().journal().analysis();
    for (const JournalDrop& drop : w.simulation().journal().journal().drops)
        outcome.caught += drop.caught.has_value();
    outcome.estimate = r.fromCharges.valid();
    outcome.e = r.fromCharges.e / ChargeUnits::ChargeUnit;
    outcome.expanded = r.fromCharges.expanded / ChargeUnits::ChargeUnit;
    if (drops == Drops::UnknownWithSlip) {
        const JournalAnalysis::Result plain = JournalAnalysis::analyse(w.simulation().journal().journal(), false);
        if (plain.fromCharges.valid())
            outcome.withoutSlip = plain.fromCharges.e / ChargeUnits::ChargeUnit;
    }
    return outcome;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void report(const char* title, const std::vector<Outcome>& outcomes)
{
    const double e = ChargeUnits::ElementaryCharge / ChargeUnits::ChargeUnit;
    int within = 0, covered = 0, none = 0, wholeFactor = 0;
    std::vector<double> experiment, wall, started, lost;
    int caught = 0, drops = 0, unseen = 0;
    for (const Outcome& o : outcomes) {
        experiment.push_back(o.session.experimentSeconds / 60);
        wall.push_back(o.session.wallSeconds / 60);
        started.push_back(o.session.started);
        lost.push_back(o.session.lost);
        caught += o.caught;
        unseen += o.session.unseenSteps;
        drops += o.session.started;
        if (!o.estimate) {
            ++none;
            continue;
        }
        within += std::fabs(o.e / e - 1) <= 0.01;
        covered += std::fabs(o.e - e) <= o.expanded;
        const double ratio = std::max(o.e, e) / std::min(o.e, e);
        wholeFactor += ratio > 1.5;
    }
    const double n = static_cast<double>(outcomes.size());
    std::printf("%s: %zu sessions\n", title, outcomes.size());
    std::printf("  within 1 %% of e:          %5.1f %%\n", 100 * within / n);
    std::printf("  covered by U (k = 2):     %5.1f %%\n", 100 * covered / n);
    std::printf("  no estimate:              %5.1f %%\n", 100 * none / n);
    std::printf("  a whole factor off:       %d\n", wholeFactor);
    std::printf("  median session: %.1f min of experiment, %.1f min of wall time; %.0f drops started, %.0f lost\n",
                median(experiment), median(wall), median(started), median(lost));
    if (caught > 0)
        std::printf("  drops caught from a spray: %d of %d started; steps the caught droplet was out of sight at: %d\n",
                    caught, drops, unseen);
    std::vector<double> bias;
    for (const Outcome& o : outcomes)
        if (o.withoutSlip)
            bias.push_back(*o.withoutSlip / e - 1);
    if (!bias.empty()) {
        double sum = 0;
        for (const double b : bias)
            sum += b;
        std::printf("  without the slip correction in the analysis: mean deviation of e %+.2f %% (%zu sessions "
                    "with an estimate)\n",
                    100 * sum / static_cast<double>(bias.size()), bias.size());
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowFixture::setUpApplication();
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    // Only the given kinds of drops: known, unknown, slip (default: all three).
    std::vector<Drops> kinds;
    std::vector<LabStudent::Hand> hands;
    for (int i = 2; i < argc; ++i) {
        const QString kind = QString::fromLocal8Bit(argv[i]);
        if (kind == QLatin1String("steady"))
            hands.push_back(LabStudent::Hand::Steady);
        else if (kind == QLatin1String("measured"))
            hands.push_back(LabStudent::Hand::Measured);
        if (kind == QLatin1String("known"))
            kinds.push_back(Drops::Known);
        else if (kind == QLatin1String("unknown"))
            kinds.push_back(Drops::Unknown);
        else if (kind == QLatin1String("slip"))
            kinds.push_back(Drops::UnknownWithSlip);
        else if (kind == QLatin1String("spray"))
            kinds.push_back(Drops::Sprayed);
    }
    if (kinds.empty())
        kinds = {Drops::Known, Drops::Unknown, Drops::UnknownWithSlip};
    if (hands.empty())
        hands = {LabStudent::Hand::Measured};
    for (const LabStudent::Hand hand : hands)
        for (const Drops drops : kinds) {
            std::vector<Outcome> outcomes;
            for (int i = 0; i < sessions; ++i) {
                outcomes.push_back(session(20261208 + static_cast<std::uint64_t>(i), drops, hand));
                const Outcome& o = outcomes.back();
                std::printf("  session %2d: %s e = %.4f ± %.4f, %d drops started, %.1f min\n", i + 1,
                            o.estimate ? "" : "no estimate;", o.e, o.expanded, o.session.started,
                            o.session.experimentSeconds / 60);
                std::fflush(stdout);
            }
            const QByteArray title =
                QByteArray(drops == Drops::Known     ? "known drops"
                           : drops == Drops::Unknown ? "unknown drops, Brownian motion"
                           : drops == Drops::Sprayed ? "droplets caught from a spray by their fall (standard level)"
                                                     : "unknown drops, Brownian motion, slip of the air at 1 atm")
                + (hand == LabStudent::Hand::Measured ? ", measured hand (lag 0.11 ± 0.07 s)"
                                                      : ", steady hand (0.2 ± 0.05 s)");
            report(title.constData(), outcomes);
        }
    return 0;
}
