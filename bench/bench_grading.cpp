// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Does the grader tell honest journals from cooked ones, and how fast? A
// seeded simulated student (LabStudent, the measured hand: each press a lag
// of 0.11 ± 0.07 s of wall time) keeps a journal of unknown drops in
// Brownian motion; the grader's audit (TimingAudit: every drop replayed
// from the seed, every timing checked) runs on it. Prints:
//   - over SESSIONS honest sessions of 10 drops: the share of sessions with
//     any flag and the share of timings flagged (both false flags);
//   - the wall time of auditing 30 journals of 20 drops each (target < 5 s).
//   bench_grading [SESSIONS]   (default 100)

#include "LabStudent.h"
#include "WindowFixture.h"

#include "JournalModel.h"
#include "JournalStore.h"
#include "TimingAudit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

Journal session(std::uint64_t seed, int drops)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    LabStudent::setUp(w, seed, {true, true, false});
    LabStudent student(w, seed ^ 0x5eed, LabStudent::Hand::Measured);
    LabStudent::Plan plan;
    plan.drops = drops;
    plan.maxStarts = 3 * drops;
    student.run(plan);
    return w.simulation().journal().journal();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowFixture::setUpApplication();
    const int sessions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;

    int flaggedSessions = 0, flaggedTimings = 0, timings = 0;
    for (int i = 0; i < sessions; ++i) {
        const Journal journal = session(20261209 + static_cast<std::uint64_t>(i), 10);
        const TimingAudit::Result r = TimingAudit::audit(journal, journal.seed);
        timings += r.timingsChecked;
        flaggedTimings += static_cast<int>(r.flags.size());
        flaggedSessions += r.flags.empty() ? 0 : 1;
        for (const TimingAudit::Flag& f : r.flags)
            std::printf("  session %d: %s, drop %d, entry %d: %s\n", i + 1, qPrintable(TimingAudit::key(f.code)),
                        f.drop, f.entry, qPrintable(f.text));
    }
    std::printf("honest sessions (unknown drops, Brownian motion, measured hand): %d, %d timings\n", sessions, timings);
    std::printf("  sessions with a false flag: %5.1f %%\n", 100.0 * flaggedSessions / sessions);
    std::printf("  timings falsely flagged:    %5.2f %%\n", 100.0 * flaggedTimings / std::max(1, timings));

    std::vector<Journal> journals;
    for (int i = 0; i < 30; ++i)
        journals.push_back(session(7000 + static_cast<std::uint64_t>(i), 20));
    QElapsedTimer clock;
    clock.start();
    int checked = 0, drops = 0;
    for (const Journal& journal : journals) {
        const TimingAudit::Result r = TimingAudit::audit(journal, journal.seed);
        checked += r.timingsChecked;
        drops += r.dropsReplayed;
    }
    std::printf("auditing 30 journals (%d drops replayed, %d timings): %.2f s (target < 5 s)\n", drops, checked,
                clock.nsecsElapsed() / 1e9);
    return 0;
}
