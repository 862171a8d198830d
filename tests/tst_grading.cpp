// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LabStudent.h"
#include "WindowFixture.h"

#include "Assignment.h"
#include "DropReplay.h"
#include "GradeBook.h"
#include "GradeReport.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "LaboratoryWindows.h"
#include "SeededRandom.h"
#include "TaskFile.h"
#include "TimingAudit.h"

#include <QtTest>

#include <cmath>

/// The grader's replay: a drop the student held in the real window, with its
/// switches, voltages and irradiations, computed anew from what its journal
/// keeps (through the journal's file) lands where the droplet was at every
/// step, and every honest timing matches the droplet's passage.
class tst_grading : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void replayFollowsTheRun_data();
    void replayFollowsTheRun();
    void auditFindsWhatWasCooked();
    void gradesAGroup();
};

void tst_grading::initTestCase()
{
    WindowFixture::setUpApplication();
}

void tst_grading::replayFollowsTheRun_data()
{
    QTest::addColumn<bool>("unknown");
    QTest::addColumn<bool>("brownian");
    QTest::addColumn<bool>("slip");
    QTest::addColumn<std::optional<RealismLevel>>("level");
    const std::optional<RealismLevel> none;
    QTest::newRow("known drop") << false << false << false << none;
    QTest::newRow("unknown drop, Brownian motion") << true << true << false << none;
    QTest::newRow("and the slip of the air") << true << true << true << none;
    // Caught from a spray where it was seen; at the full level it evaporates
    // in air the lamp warms, and an irradiation in the field seldom charges it.
    QTest::newRow("caught from a spray") << true << true << false << std::optional(RealismLevel::Standard);
    QTest::newRow("caught, full level") << true << true << false << std::optional(RealismLevel::Full);
}

void tst_grading::replayFollowsTheRun()
{
    QFETCH(bool, unknown);
    QFETCH(bool, brownian);
    QFETCH(bool, slip);
    QFETCH(std::optional<RealismLevel>, level);
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    LabStudent::setUp(w, 20261209, {unknown, brownian, slip, level});
    LabStudent student(w, 5, LabStudent::Hand::Measured);
    LabStudent::Plan plan;
    plan.drops = 1;
    student.run(plan);

    // The last drop, as its journal's file keeps it.
    const auto read = JournalFile::read(JournalFile::write(w.simulation().journal().journal()));
    QVERIFY(std::holds_alternative<Journal>(read));
    const Journal& journal = std::get<Journal>(read);
    const JournalDrop& drop = journal.drops.back();
    QVERIFY(drop.events.size() >= 4);
    QCOMPARE(drop.caught.has_value(), level.has_value());
    const RunRecord& record = w.simulation().record();
    const double unit = record.Vg() * static_cast<double>(record.tau());
    const std::optional<DropReplay> replay = DropReplay::of(drop, record.points().back().step * 1.0 + 10);
    QVERIFY(replay);
    QVERIFY(replay->steps() >= record.points().size());
    for (const RunRecord::Point& p : record.points())
        QVERIFY2(std::fabs(replay->positionAtStep(static_cast<std::size_t>(p.step)) - p.Y * unit) <= 1e-9 * unit,
                 qPrintable(QStringLiteral("step %1: %2 m replayed, %3 m run")
                                .arg(p.step)
                                .arg(replay->positionAtStep(static_cast<std::size_t>(p.step)))
                                .arg(p.Y * unit)));
}

void tst_grading::auditFindsWhatWasCooked()
{
    // A session as the help's student keeps it: every timing its droplet's.
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    // Each drop caught from a spray.
    LabStudent::setUp(w, 4242, {true, true, false, RealismLevel::Standard});
    LabStudent student(w, 6, LabStudent::Hand::Measured);
    LabStudent::Plan plan;
    plan.drops = 3;
    student.run(plan);
    const Journal honest = w.simulation().journal().journal();
    const auto codes = [](const TimingAudit::Result& r) {
        QStringList found;
        for (const TimingAudit::Flag& f : r.flags)
            found << QStringLiteral("%1 %2 %3").arg(TimingAudit::key(f.code)).arg(f.drop).arg(f.entry);
        return found;
    };
    const TimingAudit::Result clean = TimingAudit::audit(honest, honest.seed);
    QVERIFY2(clean.flags.empty(), qPrintable(codes(clean).join(QLatin1String("; "))));
    QVERIFY(clean.timingsChecked >= 18);

    // One timing made 0.3 s longer.
    std::size_t row = 0;
    while (honest.entries[row].source != JournalEntry::Source::Stopwatch || honest.entries[row].deleted)
        ++row;
    Journal cooked = honest;
    *cooked.entries[row].time += 0.3;
    QCOMPARE(codes(TimingAudit::audit(cooked, honest.seed)),
             QStringList{QStringLiteral("edited %1 %2").arg(cooked.entries[row].drop).arg(row)});

    // A drop of another student's task, as it was, and with this task's seed written over its own.
    for (const bool reseeded : {false, true}) {
        Journal copied = honest;
        const int from = honest.entries[row].drop, to = copied.nextDropNumber();
        JournalDrop drop = *honest.drop(from);
        drop.number = to;
        drop.seed = reseeded ? SeededRandom::derive(honest.seed, static_cast<std::uint64_t>(to)) : drop.seed;
        copied.drops.push_back(drop);
        for (JournalEntry e : honest.entries)
            if (e.drop == from) {
                e.drop = to;
                copied.entries.push_back(e);
            }
        QCOMPARE(codes(TimingAudit::audit(copied, honest.seed)), QStringList{QStringLiteral("foreign %1 -1").arg(to)});
    }
    // A droplet caught from a spray of another seed.
    Journal resprayed = honest;
    resprayed.drops.back().caught->spraySeed ^= 1;
    QCOMPARE(codes(TimingAudit::audit(resprayed, honest.seed)),
             QStringList{QStringLiteral("foreign %1 -1").arg(resprayed.drops.back().number)});
    // Another task's journal.
    QCOMPARE(codes(TimingAudit::audit(honest, honest.seed + 1)).constFirst(), QStringLiteral("wrong-task 0 -1"));
}

void tst_grading::gradesAGroup()
{
    // Anna opens her task and measures it as the help's student does; Boris
    // hands in nothing; a file that is no journal is named and passed over.
    QTemporaryDir dir;
    Assignment assignment = Assignment::create({
        {QStringLiteral("anna"), QStringLiteral("Анна Петрова"), QStringLiteral("anna@school.example"), {}},
        {QStringLiteral("boris"), QStringLiteral("Борис Ким"), QStringLiteral("boris@school.example"), {}},
    });
    // The same drops at every run.
    assignment.secret = QByteArray(Assignment::SecretSize, '\x5e');
    const QString taskPath = dir.filePath(QStringLiteral("anna-task.json"));
    QFile task(taskPath);
    const QByteArray taskBytes = TaskFile::bytes(assignment.taskFor(assignment.roster[0]));
    QVERIFY(task.open(QIODevice::WriteOnly) && task.write(taskBytes) == taskBytes.size());
    task.close();
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    QVERIFY(w.form->laboratory().openTask(taskPath));
    w.widgets().voltageEdit->setText(QStringLiteral("-25000"));
    w.widgets().slowDownScrollBar->setValue(9);
    w.fakes.random.values = {};
    LabStudent student(w, 5, LabStudent::Hand::Measured);
    student.run({});
    const Journal honest = w.simulation().journal().journal();
    const auto save = [&dir](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    QVERIFY(save(QStringLiteral("anna.json"), JournalFile::write(honest)));
    QVERIFY(save(QStringLiteral("notes.json"), "{\"drops\": ["));
    const QString out = dir.filePath(QStringLiteral("grades.csv"));
    QCOMPARE(GradeReport::run(dir.filePath(QStringLiteral("assignment.json")), out, {}), 1);
    QVERIFY(save(QStringLiteral("assignment.json"), Assignment::write(assignment)));
    QCOMPARE(GradeReport::run(dir.filePath(QStringLiteral("assignment.json")), out,
                              {dir.filePath(QStringLiteral("notes.json"))}),
             1);
    QCOMPARE(GradeReport::run(dir.filePath(QStringLiteral("assignment.json")), out,
                              {dir.filePath(QStringLiteral("anna.json")), dir.filePath(QStringLiteral("notes.json"))}),
             0);

    // Her line: clean, with a grade; his: no journal, no grade.
    QFile csv(out);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QByteArray table = csv.readAll();
    QVERIFY(table.endsWith('\n'));
    const QList<QByteArray> lines = table.trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    const char separator = QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ',';
    const QList<QByteArray> anna = lines[1].split(separator), boris = lines[2].split(separator);
    QCOMPARE(anna.size(), 12);
    QCOMPARE(anna[0], QByteArray("anna"));
    QCOMPARE(anna[3], QByteArray("anna.json"));
    QVERIFY2(anna[9].isEmpty(), anna[9].constData()); // no flag
    QVERIFY(anna[10].toInt() >= 20);
    QCOMPARE(boris[0], QByteArray("boris"));
    QVERIFY(boris[10].isEmpty());
    QCOMPARE(QString::fromUtf8(boris[11]), QStringLiteral("журнал не сдан"));
    QFile gradebook(GradeReport::gradebookPath(out));
    QVERIFY(gradebook.open(QIODevice::ReadOnly));
    QCOMPARE(gradebook.readAll(), "email,grade\nanna@school.example," + anna[10] + "\nboris@school.example,\n");
    QFile summary(GradeReport::summaryPath(out));
    QVERIFY(summary.open(QIODevice::ReadOnly) && summary.read(5) == "%PDF-");

    // The same journal with one timing 0.3 s longer: that timing is
    // `edited`, and the integrity's points are lost.
    std::size_t row = 0;
    while (honest.entries[row].source != JournalEntry::Source::Stopwatch || honest.entries[row].deleted)
        ++row;
    Journal cooked = honest;
    *cooked.entries[row].time += 0.3;
    GradeBook book(assignment);
    book.add(QStringLiteral("anna.json"), JournalFile::write(cooked));
    const StudentGrade& graded = book.grades()[0];
    QCOMPARE(graded.flags.size(), std::size_t(1));
    QCOMPARE(graded.flags[0].code, TimingAudit::Code::Edited);
    QCOMPARE(graded.flags[0].entry, int(row));
    QCOMPARE(graded.integrity, 0.0);
    // Handed in again under Boris's name: both Anna's task, and neither clean.
    Journal renamed = honest;
    renamed.student = QStringLiteral("Борис Ким");
    book.add(QStringLiteral("boris.json"), JournalFile::write(renamed));
    QCOMPARE(GradeBook::flagSummary(book.grades()[0]), QStringLiteral("edited wrong-task"));
    QCOMPARE(book.grades()[0].others, QStringList{QStringLiteral("boris.json")});
    QVERIFY(book.grades()[1].journal.isEmpty());
}

QTEST_MAIN(tst_grading)
#include "tst_grading.moc"
