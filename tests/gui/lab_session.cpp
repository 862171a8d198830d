// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A student's laboratory session in the real window (offscreen), for the
// pictures of the documentation: ten unknown drops in Brownian motion, held
// at the settings the help recommends (the slowest pace, −25 kV to begin
// with), each timed three times rising and three times falling in two charge
// states by the student at the keys (LabStudent). Pictures:
//   lab_session OUTPUT_DIR   →   OUTPUT_DIR/laboratory-hold.png (the main
//   window with the coordinate plot of a drop held through several
//   cycles), laboratory-journal.png (the finding of e with its plots),
//   laboratory-measurements.png (the timings), lab-report.pdf (the student's
//   report; scripts/screenshot.sh renders its first page), class-journals.png
//   (the group's window with this journal, five more and a damaged one);
//   then a second session with the slip correction, four drops at each of
//   101 325, 50 000 and 20 000 Pa: laboratory-slip.png (the finding of e
//   with the extrapolation to 1/(p·a) = 0); and before them, at the standard
//   realism level, microscope-spray.png (the field just after a spray),
//   microscope-caught.png (a droplet caught and held, the others gone),
//   microscope-blurred.png and microscope-out-of-focus.png (that droplet
//   with the focus turned 10 and 24 µm away)
// and the results are printed.

#include "GeneratedJournal.h"
#include "LabStudent.h"
#include "WindowFixture.h"

#include "ClassWindow.h"
#include "JournalFile.h"
#include "ReportWriter.h"

#include "JournalModel.h"
#include "JournalStore.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "Spray.h"
#include "StopwatchWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

/// Drops with the slip of the air at three pressures, typed into the panel
/// between them; the journal's finding of e.
bool slipSession(const QString& out)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    LabStudent::setUp(w, 11, {true, true, true, {}});
    LabStudent student(w, 20261209);
    for (const char* pressure : {"101325", "50000", "20000"}) {
        QLineEdit* input = w.form->laboratory().stopwatchWindow()->pressureEdit();
        input->selectAll();
        QTest::keyClicks(input, QString::fromLatin1(pressure));
        LabStudent::Plan plan;
        plan.drops = 4;
        student.run(plan);
    }
    JournalWindow* journal = w.form->laboratory().journalWindow();
    journal->resize(1200, 640);
    journal->show();
    if (!QTest::qWaitForWindowExposed(journal))
        return false;
    journal->tabs()->setCurrentIndex(2);
    QTest::qWait(200);
    journal->grab().save(QDir(out).filePath(QStringLiteral("laboratory-slip.png")));
    std::printf("\nWith the slip of the air:\n%s\n", qPrintable(journal->result()->text()));
    return true;
}

/// The microscope: the field just after a spray; a droplet caught and held
/// while the others have gone; that droplet out of focus.
bool microscopeSession(const QString& out)
{
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    LabStudent::setUp(w, 35, {true, true, false, RealismLevel::Standard});
    QTest::keyClick(w.form.get(), Qt::Key_F2);
    MicroscopeWindow* microscope = w.form->laboratory().microscopeWindow();
    if (!microscope)
        return false;
    microscope->resize(520, 700);
    const auto picture = [&](const char* name) {
        microscope->setCaught(w.simulation().laboratory().caught());
        microscope->refresh();
        QCoreApplication::processEvents();
        microscope->grab().save(QDir(out).filePath(QString::fromLatin1(name)));
    };
    picture("microscope-spray.png");
    LabStudent student(w, 35);
    bool taken = false;
    student.watch = [&](int, int step) {
        const Spray* spray = w.simulation().laboratory().chamber().current();
        int seen = 0;
        for (const Spray::Droplet& d : spray->droplets())
            seen += spray->inView(d);
        if (taken || step < 200 || seen > 1)
            return;
        taken = true;
        picture("microscope-caught.png");
        // 10 µm off: blurred and dim; 24 µm off: gone.
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(microscope->focusSlider(), Qt::Key_Up);
        picture("microscope-blurred.png");
        for (int i = 0; i < 7; ++i)
            QTest::keyClick(microscope->focusSlider(), Qt::Key_Up);
        picture("microscope-out-of-focus.png");
    };
    LabStudent::Plan plan;
    plan.drops = 1;
    student.run(plan);
    return taken;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    WindowFixture::setUpApplication();
    // First, so that the journal left behind is the slip session's, as before.
    if (!microscopeSession(out))
        return 1;
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    w.resizeClientArea(QSize(1000, 620));
    LabStudent::setUp(w, 7, {true, true, false, {}});

    // The third drop, some cycles into its hold, on the coordinate plot.
    LabStudent student(w, 20261208);
    bool taken = false;
    student.watch = [&](int drop, int step) {
        if (taken || drop != 3 || step < 700)
            return;
        taken = true;
        w.widgets().coordinateOption->setChecked(true);
        QCoreApplication::processEvents();
        w.form->grab().save(QDir(out).filePath(QStringLiteral("laboratory-hold.png")));
        w.widgets().animationOption->setChecked(true);
    };
    const LabStudent::Session session = student.run(LabStudent::Plan{});

    JournalWindow* journal = w.form->laboratory().journalWindow();
    journal->resize(1000, 640);
    journal->show();
    if (!QTest::qWaitForWindowExposed(journal))
        return 1;
    journal->tabs()->setCurrentIndex(2);
    QTest::qWait(200);
    journal->grab().save(QDir(out).filePath(QStringLiteral("laboratory-journal.png")));
    journal->tabs()->setCurrentIndex(0);
    QTest::qWait(100);
    journal->grab().save(QDir(out).filePath(QStringLiteral("laboratory-measurements.png")));
    // The report, and the group's window with this journal among others.
    w.simulation().journal().setStudent(QStringLiteral("Иванова Анна"), QStringLiteral("ФТ-21"));
    ReportWriter(w.simulation().journal()).writePdf(QDir(out).filePath(QStringLiteral("lab-report.pdf")));
    QTemporaryDir files;
    QStringList paths{files.filePath(QStringLiteral("ivanova.json"))};
    const auto save = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    save(paths[0], JournalFile::write(w.simulation().journal().journal()));
    const QStringList names = {QStringLiteral("Петров Илья"), QStringLiteral("Сидорова Мария"),
                               QStringLiteral("Ким Олег"), QStringLiteral("Орлова Вера"),
                               QStringLiteral("Лебедев Юрий")};
    for (int i = 0; i < names.size(); ++i) {
        paths << files.filePath(QStringLiteral("student%1.json").arg(i + 1));
        save(paths.back(), JournalFile::write(generatedJournal(8 + 2 * i, 300 + static_cast<std::uint64_t>(i), names[i],
                                                               QStringLiteral("ФТ-21"))));
    }
    paths << files.filePath(QStringLiteral("zaytsev.json"));
    save(paths.back(), JournalFile::write(generatedJournal(6, 9)).left(700));
    ClassWindow* group = journal->classWindow();
    group->openJournals(paths);
    group->resize(1000, 680);
    group->show();
    if (!QTest::qWaitForWindowExposed(group))
        return 1;
    QTest::qWait(200);
    group->grab().save(QDir(out).filePath(QStringLiteral("class-journals.png")));

    const Journal& j = w.simulation().journal().journal();
    std::printf("%d drops started (%d lost), %zu entries, %.1f min of experiment, %.1f min of wall time\n%s\n",
                session.started, session.lost, j.entries.size(), session.experimentSeconds / 60,
                session.wallSeconds / 60, qPrintable(journal->result()->text()));
    // One window at a time: its keys are the whole application's.
    w.form.reset();
    return taken && slipSession(out) ? 0 : 1;
}
