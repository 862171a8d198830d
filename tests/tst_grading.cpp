// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LabStudent.h"
#include "WindowFixture.h"

#include "DropReplay.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalStore.h"

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
    QTest::newRow("known drop") << false << false << false;
    QTest::newRow("unknown drop, Brownian motion") << true << true << false;
    QTest::newRow("and the slip of the air") << true << true << true;
}

void tst_grading::replayFollowsTheRun()
{
    QFETCH(bool, unknown);
    QFETCH(bool, brownian);
    QFETCH(bool, slip);
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    LabStudent::setUp(w, 20261209, {unknown, brownian, slip});
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

QTEST_MAIN(tst_grading)
#include "tst_grading.moc"
