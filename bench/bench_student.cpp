// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Does the laboratory find e for a student at the keys? A seeded simulated
// student (LabStudent: a reaction time of 0.2 ± 0.05 s of wall time, turned
// into experiment time by the pace) holds ten drops, each timed three times
// rising and three times falling in each of two charge states, with the
// settings the help recommends (the slowest pace, −25 kV to begin with, the
// voltage turned so that the droplet rises at half to two and a half times
// its fall). Many sessions, each with a seed of its own, with known drops and
// with unknown drops in Brownian motion. Prints, for each:
//   - the share of sessions whose estimate of e (from the drops' charges) is
//     within 1 % of 1.602 176 634·10⁻¹⁹ C;
//   - the share whose expanded uncertainty (k = 2) covers it;
//   - the share with no estimate, and any whole-factor error;
//   - the median experiment time and wall time of a session.
//   bench_student [SESSIONS]      (default 50 of each kind)

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
#include <vector>

namespace {

struct Outcome {
    bool estimate = false;
    double e = 0;
    double expanded = 0;
    LabStudent::Session session;
};

Outcome session(std::uint64_t seed, bool unknown)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    // The settings the help recommends.
    w.widgets().voltageEdit->setText(QStringLiteral("-25000"));
    w.widgets().slowDownScrollBar->setValue(9);
    w.fakes.random.values = {};
    Laboratory& lab = w.simulation().laboratory();
    lab.setSeed(seed);
    w.form->menus().laboratoryMode->trigger();
    if (unknown) {
        w.form->menus().unknownDrop->trigger();
        w.form->menus().brownian->trigger();
    }
    LabStudent student(w, seed ^ 0x5eed);
    Outcome outcome;
    outcome.session = student.run(LabStudent::Plan{});
    const JournalAnalysis::Result& r = w.simulation().journal().analysis();
    outcome.estimate = r.fromCharges.valid();
    outcome.e = r.fromCharges.e / ChargeUnits::ChargeUnit;
    outcome.expanded = r.fromCharges.expanded / ChargeUnits::ChargeUnit;
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
    for (const Outcome& o : outcomes) {
        experiment.push_back(o.session.experimentSeconds / 60);
        wall.push_back(o.session.wallSeconds / 60);
        started.push_back(o.session.started);
        lost.push_back(o.session.lost);
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
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowFixture::setUpApplication();
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    for (const bool unknown : {false, true}) {
        std::vector<Outcome> outcomes;
        for (int i = 0; i < sessions; ++i) {
            outcomes.push_back(session(20261208 + static_cast<std::uint64_t>(i), unknown));
            const Outcome& o = outcomes.back();
            std::printf("  session %2d: %s e = %.4f ± %.4f, %d drops started, %.1f min\n", i + 1,
                        o.estimate ? "" : "no estimate;", o.e, o.expanded, o.session.started,
                        o.session.experimentSeconds / 60);
            std::fflush(stdout);
        }
        report(unknown ? "unknown drops, Brownian motion" : "known drops", outcomes);
    }
    return 0;
}
