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
//   - the wall time of grading 30 journals of 20 drops each, as
//     `oildrop --grade` does (GradeBook and GradeReport: each file read, its
//     claim checked, every drop replayed, every timing checked, e found; the
//     table, the gradebook and the PDF summary written): target < 5 s.
//   bench_grading [SESSIONS]   (default 100)

#include "LabStudent.h"
#include "WindowFixture.h"

#include "Assignment.h"
#include "GradeBook.h"
#include "GradeReport.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "TaskFile.h"
#include "TimingAudit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

Journal session(std::uint64_t seed, int drops)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    LabStudent::setUp(w, seed, {true, true, false, {}});
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

    // A group of 30, each student's journal measured on their own task.
    std::vector<Student> roster;
    for (int i = 0; i < 30; ++i)
        roster.push_back({QStringLiteral("s%1").arg(i + 1),
                          QStringLiteral("Студент %1").arg(i + 1),
                          QStringLiteral("s%1@school.example").arg(i + 1),
                          {}});
    const Assignment assignment = Assignment::create(roster);
    QTemporaryDir folder;
    QStringList files;
    for (const Student& s : assignment.roster) {
        const Task task = assignment.taskFor(s);
        Journal journal = session(task.seed, 20);
        journal.student = s.name;
        journal.task = JournalTask{s.id, TaskFile::hash(TaskFile::bytes(task))};
        files << folder.filePath(s.id + QStringLiteral(".json"));
        QFile file(files.back());
        const QByteArray bytes = JournalFile::write(journal);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    QElapsedTimer clock;
    clock.start();
    GradeBook book(assignment);
    for (const QString& path : files)
        book.add(path);
    const QString failure = GradeReport::write(book, folder.filePath(QStringLiteral("grades.csv")), QLocale());
    const double seconds = clock.nsecsElapsed() / 1e9;
    int checked = 0, flagged = 0, graded = 0;
    for (const StudentGrade& g : book.grades()) {
        checked += g.timingsChecked;
        flagged += static_cast<int>(g.flags.size());
        graded += g.grade ? 1 : 0;
    }
    std::printf("grading 30 journals of 20 drops (%d graded, %d timings checked, %d flags%s): %.2f s (target < 5 s)\n",
                graded, checked, flagged, failure.isEmpty() ? "" : ", files NOT written", seconds);
    return 0;
}
