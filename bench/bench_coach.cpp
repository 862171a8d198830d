// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Does the coach bring a newcomer to e? A seeded simulated newcomer
// (NoviceStudent) starts from the program's defaults with no recipe of its
// own: at every step of a run it reads the coach's step and does what it
// says, with a hand as measured on real hand timings (each press a lag of
// 0.11 ± 0.07 s of wall time), until the coach says to read e or 45 minutes
// of experiment time have passed. Unknown drops in Brownian motion. Prints:
//   - the share of sessions whose estimate of e (from the drops' charges) is
//     within 1 % of 1.602 176 634·10⁻¹⁹ C and covered by its expanded
//     uncertainty (k = 2), each alone too;
//   - the share without an estimate, any whole-factor error, and the share
//     the coach led to «read e»;
//   - the median experiment and wall time of a session, drops started and lost;
//   - the flags the check raised in the journals, per code.
//   bench_coach [SESSIONS [MINUTES]]   (default 50 sessions of at most 45 minutes)

#include "NoviceStudent.h"
#include "WindowFixture.h"

#include "ChargeUnits.h"
#include "JournalFlags.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

namespace {

struct Outcome {
    bool estimate = false;
    double e = 0;
    double expanded = 0;
    NoviceStudent::Session session;
    std::vector<JournalFlags::Flag> flags;
};

Outcome session(std::uint64_t seed, double minutes)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    // The program's defaults; the laboratory with unknown drops in Brownian motion.
    w.fakes.random.values = {};
    w.simulation().laboratory().setSeed(seed);
    const MainWindow::Menus& m = w.form->menus();
    m.laboratoryMode->trigger();
    m.unknownDrop->trigger();
    m.brownian->trigger();
    NoviceStudent student(w, seed ^ 0x5eed);
    Outcome outcome;
    outcome.session = student.run(minutes);
    const JournalModel& journal = w.simulation().journal();
    const JournalAnalysis::Result& r = journal.analysis();
    outcome.estimate = r.fromCharges.valid();
    outcome.e = r.fromCharges.e / ChargeUnits::ChargeUnit;
    outcome.expanded = r.fromCharges.expanded / ChargeUnits::ChargeUnit;
    outcome.flags = JournalFlags::check(journal.journal(), r);
    return outcome;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowFixture::setUpApplication();
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const double minutes = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 45;
    const double e = ChargeUnits::ElementaryCharge / ChargeUnits::ChargeUnit;

    int within = 0, covered = 0, both = 0, none = 0, wholeFactor = 0, readE = 0;
    std::vector<double> experiment, wall, started, lost;
    std::map<QString, int> flags;
    for (int i = 0; i < sessions; ++i) {
        const Outcome o = session(20261209 + static_cast<std::uint64_t>(i), minutes);
        std::printf("  session %2d: %s e = %.4f ± %.4f, %d drops started, %d lost, %.1f min%s\n", i + 1,
                    o.estimate ? "" : "no estimate;", o.e, o.expanded, o.session.started, o.session.lost,
                    o.session.experimentSeconds / 60, o.session.readE ? ", read e" : "");
        if (qEnvironmentVariableIsSet("BENCH_COACH_FLAGS"))
            for (const JournalFlags::Flag& f : o.flags)
                std::printf("    %s\n", qPrintable(JournalFlags::line(f)));
        std::fflush(stdout);
        experiment.push_back(o.session.experimentSeconds / 60);
        wall.push_back(o.session.wallSeconds / 60);
        started.push_back(o.session.started);
        lost.push_back(o.session.lost);
        readE += o.session.readE;
        for (const JournalFlags::Flag& f : o.flags)
            ++flags[JournalFlags::key(f.code)];
        if (!o.estimate) {
            ++none;
            continue;
        }
        const bool in = std::fabs(o.e / e - 1) <= 0.01, cover = std::fabs(o.e - e) <= o.expanded;
        within += in;
        covered += cover;
        both += in && cover;
        wholeFactor += std::max(o.e, e) / std::min(o.e, e) > 1.5;
    }
    const double n = sessions;
    std::printf("a newcomer following the coach, from the program's defaults; unknown drops, Brownian motion, "
                "measured hand (lag 0.11 ± 0.07 s); at most %.0f min of experiment: %d sessions\n",
                minutes, sessions);
    std::printf("  within 1 %% of e and covered by U (k = 2): %5.1f %%\n", 100 * both / n);
    std::printf("  within 1 %% of e:                          %5.1f %%\n", 100 * within / n);
    std::printf("  covered by U:                              %5.1f %%\n", 100 * covered / n);
    std::printf("  no estimate:                               %5.1f %%\n", 100 * none / n);
    std::printf("  a whole factor off:                        %d\n", wholeFactor);
    std::printf("  led to «read e»:                           %5.1f %%\n", 100 * readE / n);
    std::printf("  median session: %.1f min of experiment, %.1f min of wall time; %.0f drops started, %.0f lost\n",
                median(experiment), median(wall), median(started), median(lost));
    std::printf("  flags in the journals:");
    for (const auto& [code, count] : flags)
        std::printf(" %s %d;", qPrintable(code), count);
    std::printf("%s\n", flags.empty() ? " none" : "");
    return 0;
}
