// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClippedTexts.h"
#include "GeneratedJournal.h"
#include "WindowFixture.h"

#include "ClassWindow.h"

#include "AnalysisWording.h"
#include "JournalFile.h"
#include "JournalModel.h"
#include "JournalStore.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "RealDropDialog.h"
#include "Spray.h"
#include "StopwatchWindow.h"
#include "TaskFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QSlider>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <cstdio>

/// The laboratory in the real window, driven by its keys: the stopwatch in
/// the experiment's time, the journal typed into, and the journal that is
/// there again after the program was killed.
class tst_lab_window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    /// Every test with a journal of its own: none saved before.
    void init() { QDir(JournalStore::defaultFolder()).removeRecursively(); }
    void timeDoesNotDependOnTheSlowDown_data();
    void timeDoesNotDependOnTheSlowDown();
    void timingTypedIntoTheJournal();
    void studentAskedOnce();
    void groupJournalsByTheKeys();
    void journalSurvivesAKill();
    void twoCopiesKeepBothTimings();
    void apparatusByTheKeys();
    void analysisWarnsOfDoubtfulResults_data();
    void analysisWarnsOfDoubtfulResults();
    void airAndSlipByTheKeys();
    void realDropTypedIn();
    void heldDropStandsStillUnderADialog();
    void heldRunNeverNested();
    void textsFitAtTheDefaultSize();
    void displayShowsTheIntervalUnderWay();
    void settingsKeptBetweenStarts();
    void taskOpened();
    void sprayedAndSeen();
    void caughtDropletFollowedAndSeen();
    void tasksHandedOutFromTheMenu();
};

namespace {

void press(WindowFixture& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(w.form.get(), key, modifiers);
}

/// Types `text` key by key into whatever has the focus, as a keyboard does,
/// and ends with Enter.
void type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The view takes the edit when it next handles its events.
    QCoreApplication::processEvents();
}

/// Calls `atStep` once in the pause after each step, with the step's number.
void duringRun(WindowFixture& w, std::function<void(int)> atStep)
{
    const RunRecord& record = w.simulation().record();
    w.fakes.timer.everyPause = [&record, atStep = std::move(atStep), last = -1](int) mutable {
        const int step = static_cast<int>(record.points().size()) - 1;
        if (step > 0 && step != last) {
            last = step;
            atStep(step);
        }
    };
}

/// A timing from step 10 and 3/10 of its pause to step `end` and 7/10 of its pause, by the keys.
void timeTheDefaultDrop(WindowFixture& w, int end = 60)
{
    press(w, Qt::Key_L, Qt::ControlModifier);
    duringRun(w, [&w, end](int step) {
        const double pause = w.state().slowDown * 10.0;
        if (step == 10 || step == end) {
            w.fakes.steadyClock.now += (step == 10 ? 0.3 : 0.7) * pause;
            press(w, Qt::Key_F8);
        }
    });
    press(w, Qt::Key_F5);
    w.holdWhileHeld();
    press(w, Qt::Key_F12);
}

} // namespace

void tst_lab_window::timeDoesNotDependOnTheSlowDown_data()
{
    QTest::addColumn<int>("slowDown");
    QTest::newRow("fastest") << 1;
    QTest::newRow("slowest") << 9;
}

void tst_lab_window::timeDoesNotDependOnTheSlowDown()
{
    // The same drop timed between the same two moments of its motion, at the
    // fastest and at the slowest pace: the same seconds of the experiment.
    QFETCH(int, slowDown);
    WindowFixture w;
    w.show();
    w.widgets().slowDownScrollBar->setValue(slowDown);
    timeTheDefaultDrop(w);
    const Journal& journal = w.simulation().journal().journal();
    QCOMPARE(journal.entries.size(), std::size_t(1));
    // A step of the run is the time the droplet takes at Vg for a hundredth
    // of the gap; Vg from Stokes' law, 2R²(ρ − ρ0)g/(9η).
    const double R = 2.76e-6, Vg = 2 * R * R * (920 - 1.23) * 9.814 / (9 * 1.82e-5);
    const double step = 0.016 / 100 / Vg;
    const int hundredths =
        static_cast<int>(std::floor(100 * 60.7 * step)) - static_cast<int>(std::floor(100 * 10.3 * step));
    QCOMPARE(*journal.entries[0].time, hundredths / 100.0);
    QCOMPARE(journal.entries[0].field, FieldState::Off);
    // The display showed it too.
    QCOMPARE(w.form->laboratory().stopwatchWindow()->display()->text(),
             QStringLiteral("%1 с").arg(QLocale(QLocale::Russian).toString(hundredths / 100.0, 'f', 2)));
}

void tst_lab_window::timingTypedIntoTheJournal()
{
    WindowFixture w;
    w.show();
    press(w, Qt::Key_J, Qt::ControlModifier);
    JournalWindow* journal = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowActive(journal));
    QTableView* table = journal->table();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    // Insert: a new row, the cursor in its distance; 3 bands, then the time.
    QTest::keyClick(table, Qt::Key_Insert);
    QCOMPARE(table->model()->rowCount(), 1);
    type(QStringLiteral("3"));
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Right);
    type(QStringLiteral("5,72"));
    const JournalEntry& e = w.simulation().journal().journal().entries[0];
    QCOMPARE(*e.bands, 3.0);
    QCOMPARE(*e.distance, 3 * 0.016 / 10);
    QCOMPARE(*e.time, 5.72);
    QCOMPARE(e.source, JournalEntry::Source::Hand);
    QCOMPARE(table->model()->index(0, JournalModel::Velocity).data().toString(), QStringLiteral("8,392E-04"));
}

void tst_lab_window::groupJournalsByTheKeys()
{
    // From the journal's window, Ctrl+G: the group's window; Ctrl+O opens
    // three files at once, one of them damaged; Ctrl+E writes the table.
    QTemporaryDir dir;
    QStringList paths;
    for (int i = 0; i < 2; ++i) {
        paths << dir.filePath(QStringLiteral("s%1.json").arg(i));
        QFile file(paths.back());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(JournalFile::write(generatedJournal(6, 40 + i, QStringLiteral("Студент %1").arg(i))));
    }
    paths.insert(1, dir.filePath(QStringLiteral("damaged.json")));
    {
        QFile damaged(paths[1]);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("{\"format\": \"oildrop-journal\", \"version\": 2, \"drops\": [");
    }
    WindowFixture w;
    w.show();
    press(w, Qt::Key_J, Qt::ControlModifier);
    JournalWindow* journal = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowActive(journal));
    QTRY_COMPARE(QApplication::focusWidget(), journal->table());
    QTest::keyClick(journal, Qt::Key_G, Qt::ControlModifier);
    ClassWindow* group = journal->classWindow();
    QVERIFY(QTest::qWaitForWindowActive(group));
    QTRY_COMPARE(QApplication::focusWidget(), group->table());
    group->askOpenFileNames = [&paths] { return paths; };
    journal->askOpenFileName = [] { return QString(); };
    QTest::keyClick(group, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(group->table()->rowCount(), 2);
    QCOMPARE(group->table()->item(1, 1)->text(), QStringLiteral("Студент 1"));
    QVERIFY2(group->refusedList()->text().contains(QDir::toNativeSeparators(paths[1])),
             qPrintable(group->refusedList()->text()));
    QVERIFY(group->refusedList()->text().contains(QStringLiteral("повреждён или обрезан")));
    QVERIFY2(group->result()->text().contains(QStringLiteral("журналов: 2): e = (")),
             qPrintable(group->result()->text()));
    QCOMPARE(group->table()->accessibleName(), QStringLiteral("Журналы группы"));
    w.fakes.saveDialog.answer = dir.filePath(QStringLiteral("group.csv"));
    QTest::keyClick(group, Qt::Key_E, Qt::ControlModifier);
    QFile csv(w.fakes.saveDialog.answer);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList rows = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
    // The header, two journals and the damaged one with its reason; a decimal comma and ";".
    QCOMPARE(rows.size(), 4);
    QVERIFY(rows[1].startsWith(QStringLiteral("s0.json;Студент 0;;6;")));
    QVERIFY(rows[1].contains(QStringLiteral("e-19")) && rows[1].contains(u','));
    QVERIFY(rows[3].startsWith(QStringLiteral("damaged.json;")) && rows[3].contains(QStringLiteral("повреждён")));
}

void tst_lab_window::studentAskedOnce()
{
    // The first thing recorded asks who measured; the answer heads the
    // journal, shows in its window and is edited there by the keys.
    WindowFixture w;
    w.studentAnswer = std::pair(QStringLiteral("Иванова Анна"), QStringLiteral("ФТ-21"));
    w.show();
    press(w, Qt::Key_J, Qt::ControlModifier);
    JournalWindow* window = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::focusWidget(), window->table());
    QCOMPARE(w.studentAsked, 0);
    QTest::keyClick(window->table(), Qt::Key_Insert);
    QTRY_COMPARE(w.studentAsked, 1);
    const Journal& journal = w.simulation().journal().journal();
    QCOMPARE(journal.student, QStringLiteral("Иванова Анна"));
    QCOMPARE(window->studentEdit()->text(), QStringLiteral("Иванова Анна"));
    QCOMPARE(window->groupEdit()->text(), QStringLiteral("ФТ-21"));
    QTest::keyClick(window->table(), Qt::Key_Insert);
    QCoreApplication::processEvents();
    QCOMPARE(w.studentAsked, 1);
    // The group's field, typed over.
    window->groupEdit()->setFocus();
    window->groupEdit()->selectAll();
    QTest::keyClicks(window->groupEdit(), QStringLiteral("FT-22"));
    QTest::keyClick(window->groupEdit(), Qt::Key_Return);
    QCOMPARE(journal.group, QStringLiteral("FT-22"));
    QCOMPARE(window->studentEdit()->accessibleName(), QStringLiteral("Студент"));
}

namespace {

/// The child processes of journalSurvivesAKill and twoCopiesKeepBothTimings:
/// one records a timing and waits to be killed, or (a copy) to have its input
/// closed, and ends; the next lists what its journal holds. Each tells the
/// boxes it showed.
int child(const QString& role, int end)
{
    WindowFixture w;
    w.show();
    const auto tellBoxes = [&w] {
        for (const FakeMessageBox::Shown& box : w.fakes.messageBox.shown)
            if (box.title == JournalStore::tr("Лабораторный журнал"))
                std::printf("message %s\n", qPrintable(QString(box.text).replace(u'\n', u' ')));
        std::fflush(stdout);
    };
    if (role == QLatin1String("--copy")) {
        timeTheDefaultDrop(w, end);
        std::printf("recorded %s\n",
                    QByteArray::number(*w.simulation().journal().journal().entries.at(0).time, 'f', 2).constData());
        std::printf("journal %s\n", qPrintable(w.form->laboratory().store().autosavePath()));
        tellBoxes();
        std::printf("told\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (role == QLatin1String("--record")) {
        timeTheDefaultDrop(w);
        const JournalEntry& e = w.simulation().journal().journal().entries.at(0);
        std::printf("recorded %s\n", QByteArray::number(*e.time, 'f', 2).constData());
        std::fflush(stdout);
        QTest::qWait(60000);
        return 1;
    }
    press(w, Qt::Key_L, Qt::ControlModifier);
    const Journal& journal = w.simulation().journal().journal();
    std::printf("entries %zu", journal.entries.size());
    for (const JournalEntry& e : journal.entries)
        std::printf(" %s", QByteArray::number(*e.time, 'f', 2).constData());
    std::printf("\n");
    tellBoxes();
    return 0;
}

} // namespace

void tst_lab_window::journalSurvivesAKill()
{
    // A timing recorded, the program killed at once: the next start has it.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    const auto start = [&](const QString& role, QProcess& process) {
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {role});
        QVERIFY(process.waitForStarted());
    };
    QProcess recorder;
    start(QStringLiteral("--record"), recorder);
    QVERIFY(recorder.waitForReadyRead(30000));
    const QByteArray recorded = recorder.readLine().trimmed();
    QVERIFY2(recorded.startsWith("recorded "), recorded.constData());
    ::kill(static_cast<pid_t>(recorder.processId()), SIGKILL);
    QVERIFY(recorder.waitForFinished());
    QCOMPARE(recorder.exitStatus(), QProcess::CrashExit);

    QProcess lister;
    start(QStringLiteral("--list"), lister);
    QVERIFY(lister.waitForFinished(30000));
    QCOMPARE(lister.readAllStandardOutput().trimmed(), "entries 1 " + recorded.mid(9));
}

void tst_lab_window::apparatusByTheKeys()
{
    // A held drop worked from the keyboard: the voltage turned by the page
    // keys in the main window and in the panel's own voltage box (1 %, with
    // Shift 10 %, to whole volts; the voltage's input follows), the field
    // on, a balance recorded; the parameter inputs take no edits meanwhile.
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
    w.widgets().voltageEdit->setText(QStringLiteral("-20000"));
    press(w, Qt::Key_L, Qt::ControlModifier);
    StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
    QDoubleSpinBox* box = panel->voltageBox();
    std::vector<double> voltages;
    bool readOnly = false;
    duringRun(w, [&](int step) {
        switch (step) {
        case 2:
            readOnly = w.widgets().diameterEdit->isReadOnly() && w.widgets().voltageEdit->isReadOnly();
            press(w, Qt::Key_PageUp);
            break;
        case 3: press(w, Qt::Key_PageDown, Qt::ShiftModifier); break;
        case 4:
            panel->activateWindow();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_PageUp);
            break;
        case 5: QTest::keyClick(box, Qt::Key_Up); break;
        case 6: press(w, Qt::Key_F6); break;
        case 7: press(w, Qt::Key_F12, Qt::ShiftModifier); break;
        case 8: w.simulation().experiment().end(); break;
        default: break;
        }
        voltages.push_back(w.state().Ux);
    });
    press(w, Qt::Key_F5);
    w.holdWhileHeld();
    QVERIFY(readOnly);
    QVERIFY(!w.widgets().voltageEdit->isReadOnly());
    const double expected[] = {-20200, -18364, -18548, -18733};
    for (std::size_t i = 0; i < 4; ++i)
        QCOMPARE(voltages[i + 1], expected[i]);
    QCOMPARE(box->value(), -18733.0);
    QCOMPARE(w.widgets().voltageEdit->text(), QStringLiteral("- 18733.0"));
    const Journal& journal = w.simulation().journal().journal();
    QCOMPARE(journal.entries.size(), std::size_t(1));
    QVERIFY(journal.entries[0].isBalance());
    QCOMPARE(journal.entries[0].field, FieldState::On);
    QCOMPARE(*journal.entries[0].voltage, -18733.0);
}

void tst_lab_window::analysisWarnsOfDoubtfulResults_data()
{
    // Charges in 10⁻¹⁹ C: the estimates from the charges and from the changes
    // (e, u), one charge's sign, and the warnings the student must read.
    QTest::addColumn<double>("fromCharges");
    QTest::addColumn<double>("uCharges");
    QTest::addColumn<double>("fromChanges");
    QTest::addColumn<double>("uChanges");
    QTest::addColumn<double>("secondCharge");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");
    const QString negative = QStringLiteral("отрицательные заряды входят в оценку по модулю");
    const QString factor = QStringLiteral("Оценки различаются в 3 раза");
    const QString disagree = QStringLiteral("Оценки не согласуются (расходятся на 10,4 своих неопределённостей)");
    const QString apart = QStringLiteral("не согласуются");
    QTest::newRow("agreeing") << 1.60 << 0.02 << 1.62 << 0.05 << 4.8 << QStringList{}
                              << QStringList{negative, factor, apart};
    QTest::newRow("a whole factor apart")
        << 1.60 << 0.02 << 4.80 << 0.09 << 4.8 << QStringList{factor} << QStringList{apart};
    QTest::newRow("not a whole factor") << 1.601 << 0.016 << 2.457 << 0.081 << 4.8 << QStringList{disagree}
                                        << QStringList{factor};
    QTest::newRow("a negative charge") << 1.60 << 0.02 << 1.60 << 0.02 << -19.8 << QStringList{negative}
                                       << QStringList{apart};
}

void tst_lab_window::analysisWarnsOfDoubtfulResults()
{
    QFETCH(double, fromCharges);
    QFETCH(double, uCharges);
    QFETCH(double, fromChanges);
    QFETCH(double, uChanges);
    QFETCH(double, secondCharge);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    const double unit = 1e-19;
    JournalAnalysis::Result r;
    r.charges = {{1, 0, 6.4 * unit, 0.2 * unit, 0}, {2, 0, secondCharge * unit, 0.2 * unit, 0}};
    r.changes = {{1, 1, 3.2 * unit, 0.2 * unit, 0}};
    const auto estimate = [unit](double e, double u) {
        ElementaryChargeEstimate::Result result;
        result.verdict = ElementaryChargeEstimate::Verdict::Found;
        result.consistent = true;
        result.e = e * unit;
        result.u = u * unit;
        result.expanded = 2 * u * unit;
        result.used = {0, 1, 2, 3, 4, 5};
        return result;
    };
    r.fromCharges = estimate(fromCharges, uCharges);
    r.fromChanges = estimate(fromChanges, uChanges);
    const QString text = AnalysisWording::analysisText(r, QLocale(QLocale::Russian));
    for (const QString& line : expected)
        QVERIFY2(text.contains(line), qPrintable(text));
    for (const QString& line : absent)
        QVERIFY2(!text.contains(line), qPrintable(text));
}

void tst_lab_window::twoCopiesKeepBothTimings()
{
    // Two copies at once, each timing its drop by the keys: each keeps its
    // own journal, both timings are on the disk after both have ended, and
    // the next start goes on with the journal written last and says where
    // the other is.
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    const auto start = [&](QProcess& process, const QStringList& arguments) {
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), arguments);
        QVERIFY(process.waitForStarted());
    };
    /// What a copy told of its timing, its journal and its boxes.
    const auto told = [](QProcess& process) {
        QStringList lines;
        while (!lines.contains(QStringLiteral("told")) && (process.canReadLine() || process.waitForReadyRead(30000)))
            while (process.canReadLine())
                lines << QString::fromUtf8(process.readLine()).trimmed();
        lines.removeAll(QStringLiteral("told"));
        return lines;
    };
    QProcess first, second;
    start(first, {QStringLiteral("--copy"), QStringLiteral("60")});
    const QStringList firstTold = told(first);
    start(second, {QStringLiteral("--copy"), QStringLiteral("80")});
    const QStringList secondTold = told(second);
    QVERIFY2(firstTold.size() == 2, qPrintable(firstTold.join(u'|')));
    // The second copy says once, plainly, which journal it keeps.
    QVERIFY2(secondTold.size() == 3, qPrintable(secondTold.join(u'|')));
    const QString firstJournal = firstTold[1].mid(8), secondJournal = secondTold[1].mid(8);
    QCOMPARE(QFileInfo(firstJournal).fileName(), QStringLiteral("journal.json"));
    QVERIFY(secondJournal != firstJournal && QFileInfo(secondJournal).dir() == QFileInfo(firstJournal).dir());
    QVERIFY2(secondTold[2].contains(QDir::toNativeSeparators(secondJournal)), qPrintable(secondTold[2]));
    first.closeWriteChannel();
    second.closeWriteChannel();
    QVERIFY(first.waitForFinished(30000) && second.waitForFinished(30000));
    QCOMPARE(first.exitCode() + second.exitCode(), 0);

    QProcess lister;
    start(lister, {QStringLiteral("--list")});
    QVERIFY(lister.waitForFinished(30000));
    const QStringList listed = QString::fromUtf8(lister.readAllStandardOutput()).trimmed().split(u'\n');
    // The journal written last, the second copy's, is the one opened.
    QCOMPARE(listed.value(0), QStringLiteral("entries 1 ") + secondTold[0].mid(9));
    const QStringList kept = QDir(QFileInfo(firstJournal).dir()).entryList({QStringLiteral("journal-2*.json")});
    QCOMPARE(kept.size(), 1);
    const QString keptPath = QFileInfo(firstJournal).dir().filePath(kept[0]);
    QVERIFY2(listed.value(1).contains(QDir::toNativeSeparators(keptPath)), qPrintable(listed.join(u'|')));
    QFile keptFile(keptPath);
    QVERIFY(keptFile.open(QIODevice::ReadOnly));
    const auto read = JournalFile::read(keptFile.readAll());
    QVERIFY(std::holds_alternative<Journal>(read));
    QCOMPARE(QStringLiteral("%1").arg(*std::get<Journal>(read).entries.at(0).time, 0, 'f', 2), firstTold[0].mid(9));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc >= 2
        && (qstrcmp(argv[1], "--record") == 0 || qstrcmp(argv[1], "--list") == 0 || qstrcmp(argv[1], "--copy") == 0)) {
        WindowFixture::setUpApplication();
        return child(QString::fromLatin1(argv[1]), argc > 2 ? QByteArray(argv[2]).toInt() : 60);
    }
    tst_lab_window test;
    return QTest::qExec(&test, argc, argv);
}

void tst_lab_window::airAndSlipByTheKeys()
{
    // «Поправка на скольжение»: the viscosity becomes that of air at 20 °C
    // and takes no edits; the droplet falls faster by 1 + b/(p·a). The air's
    // inputs read every key: a pressure on its way is not taken, an
    // impossible one is refused at once, one out of range when the editing
    // ends; each refusal with its message and the value before.
    WindowFixture w;
    w.show();
    press(w, Qt::Key_L, Qt::ControlModifier);
    StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
    QLineEdit* pressure = panel->pressureEdit();
    QVERIFY(!pressure->isEnabled());
    const double stokes = w.state().Vg;
    w.form->menus().slipCorrection->trigger();
    QVERIFY(pressure->isEnabled());
    QVERIFY(w.widgets().viscosityEdit->isReadOnly());
    QCOMPARE(w.widgets().viscosityEdit->text(), QStringLiteral(" 1.813e-05"));
    const auto slipFactor = [&w](double p) { return 1 + 8.2e-3 / (p * w.state().d / 2); };
    const double etaRatio = 1.82e-5 / static_cast<double>(static_cast<float>(1.8133221e-5));
    QVERIFY(std::fabs(w.state().Vg / stokes / (etaRatio * slipFactor(101325)) - 1) < 1e-5);

    Laboratory& lab = w.simulation().laboratory();
    std::vector<FakeMessageBox::Shown>& shown = w.fakes.messageBox.shown;
    panel->activateWindow();
    pressure->setFocus();
    const auto retype = [pressure](const char* keys) {
        pressure->selectAll();
        QTest::keyClicks(pressure, QString::fromLatin1(keys));
    };
    retype("5");
    QCOMPARE(lab.pressure(), 101325.0);
    QVERIFY(shown.empty());
    QTest::keyClicks(pressure, QStringLiteral("0000"));
    QCOMPARE(lab.pressure(), 50000.0);
    QVERIFY(std::fabs(w.state().Vg / stokes / (etaRatio * slipFactor(50000)) - 1) < 1e-5);
    retype("0");
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].text, QStringLiteral("Давление должно быть больше нуля!"));
    QCOMPARE(pressure->text(), QStringLiteral("50000"));
    retype("5");
    QTest::keyClick(pressure, Qt::Key_Return);
    QCOMPARE(shown.size(), std::size_t(2));
    QCOMPARE(shown[1].text, QStringLiteral("Давление должно быть от 1000 до 200 000 Па!"));
    QCOMPARE(lab.pressure(), 50000.0);

    // 30 °C: the viscosity of air follows.
    QLineEdit* temperature = panel->temperatureEdit();
    temperature->setFocus();
    temperature->selectAll();
    QTest::keyClicks(temperature, QStringLiteral("30"));
    QCOMPARE(lab.temperature(), 303.15);
    QCOMPARE(w.widgets().viscosityEdit->text(), QStringLiteral(" 1.861e-05"));
}

void tst_lab_window::realDropTypedIn()
{
    // A drop of a real apparatus: its setup typed into the dialog, then its
    // timings into the table over its own distance.
    WindowFixture w;
    w.show();
    press(w, Qt::Key_J, Qt::ControlModifier);
    JournalWindow* journal = w.form->laboratory().journalWindow();
    QVERIFY(QTest::qWaitForWindowActive(journal));
    bool typed = false;
    QTimer::singleShot(0, [&typed] {
        auto* dialog = qobject_cast<RealDropDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        const auto enter = [dialog](RealDropDialog::Field f, const char* text) {
            dialog->field(f)->selectAll();
            QTest::keyClicks(dialog->field(f), QString::fromUtf8(text));
        };
        enter(RealDropDialog::Distance, "0,0102");
        enter(RealDropDialog::Pressure, "98000");
        enter(RealDropDialog::Temperature, "23");
        QTest::keyClick(dialog->field(RealDropDialog::Temperature), Qt::Key_Return);
        typed = true;
    });
    journal->actions().realDrop->trigger();
    QVERIFY(typed);
    const Journal& j = w.simulation().journal().journal();
    QCOMPARE(j.drops.size(), std::size_t(1));
    const JournalDrop& drop = j.drops[0];
    QVERIFY(drop.diameterHidden && drop.slipCorrection);
    QCOMPARE(*drop.fallDistance, 0.0102);
    QCOMPARE(*drop.pressure, 98000.0);
    QCOMPARE(*drop.temperature, 296.15);
    // The viscosity of air at 23 °C, five digits.
    QCOMPARE(drop.setup.eta, 1.8276e-5f);
    // Its first timing's row is there, the cursor in its time.
    QTableView* table = journal->table();
    QCOMPARE(table->currentIndex().column(), static_cast<int>(JournalModel::Time));
    journal->activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), table);
    type(QStringLiteral("11,9"));
    QCOMPARE(*j.entries[0].distance, 0.0102);
    QCOMPARE(*j.entries[0].time, 11.9);
}

void tst_lab_window::heldDropStandsStillUnderADialog()
{
    // A held drop, its clock and the stopwatch stand still while a modal
    // dialog blocks the window, and while the window is minimised; a timing
    // across both standstills holds the experiment's time of the steps alone.
    WindowFixture w;
    w.show();
    press(w, Qt::Key_L, Qt::ControlModifier);
    const RunRecord& record = w.simulation().record();
    const auto steps = [&record] { return static_cast<int>(record.points().size()) - 1; };
    QDialog dialog(w.form.get());
    int during = -1, minimised = -1;
    duringRun(w, [&](int step) {
        if (step == 10) {
            press(w, Qt::Key_F8);
            dialog.setModal(true);
            dialog.show();
            for (int i = 0; i < 20; ++i)
                w.fakes.timer.processEvents();
            w.fakes.steadyClock.now += 60000; // a minute at the dialog
            during = steps();
            dialog.hide();
        } else if (step == 20) {
            w.form->showMinimized();
            w.fakes.timer.processEvents();
            w.fakes.steadyClock.now += 60000;
            minimised = steps();
            w.form->showNormal();
        } else if (step == 30) {
            press(w, Qt::Key_F8);
            w.simulation().experiment().end();
        }
    });
    press(w, Qt::Key_F5);
    w.holdWhileHeld();
    QCOMPARE(during, 10);
    QCOMPARE(minimised, 20);
    QCOMPARE(steps(), 30);
    // Twenty steps, from the start of the 10th step's pause to that of the 30th.
    const Stopwatch::Timing& t = w.simulation().laboratory().stopwatch().timings().at(0);
    const double step = w.state().timeStep * static_cast<double>(w.state().tau);
    QCOMPARE(t.hundredths,
             static_cast<int>(std::floor(100 * 30 * step)) - static_cast<int>(std::floor(100 * 10 * step)));
}

void tst_lab_window::heldRunNeverNested()
{
    // A demonstration run, the laboratory switched on in the middle of it and
    // «ПУСК» pressed: that run ends without a verdict, and the held drop
    // starts after it, not inside it; let go, it gets the laboratory's
    // verdict, not the demonstration's melody and remark.
    WindowFixture w;
    w.show();
    bool nested = false;
    w.fakes.timer.during[5] = [&] {
        press(w, Qt::Key_L, Qt::ControlModifier);
        press(w, Qt::Key_F5);
    };
    w.fakes.timer.during[8] = [&] { nested = w.simulation().experiment().isHolding(); };
    press(w, Qt::Key_F5);
    QVERIFY(!nested);
    QVERIFY(w.simulation().experiment().isHolding());
    QVERIFY(w.simulation().experiment().isRunning());
    QCOMPARE(w.simulation().laboratory().currentDrop(), 1);
    press(w, Qt::Key_F5); // let go, and the next drop held
    QCOMPARE(w.simulation().laboratory().currentDrop(), 2);
    w.holdWhileHeld(); // falls to the lower plate
    QVERIFY(!w.simulation().experiment().isRunning());
    QVERIFY(w.fakes.messageBox.shown.empty());
    QCOMPARE(w.fakes.tones.tones.size(), std::size_t(0));
    const Journal& journal = w.simulation().journal().journal();
    QCOMPARE(journal.drops.size(), std::size_t(2));
    QVERIFY(!journal.drops[0].lost && journal.drops[1].lost);
}

void tst_lab_window::textsFitAtTheDefaultSize()
{
    // Every read-out with its unit, every line of the stopwatch's list whole.
    WindowFixture w;
    const QStringList clipped = clippedTextsOfALabSession(w);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
}

void tst_lab_window::displayShowsTheIntervalUnderWay()
{
    // A fall timed (F8, F8), then a rise started (F8) and split (F9): during
    // the rise the display reads the rise alone, as the timing will; after
    // the lap and the stop, the display reads the last interval and the total
    // line the two since the start.
    WindowFixture w;
    w.show();
    press(w, Qt::Key_L, Qt::ControlModifier);
    StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
    QString duringRise;
    duringRun(w, [&](int step) {
        switch (step) {
        case 5:
        case 15:
        case 20: press(w, Qt::Key_F8); break;
        case 30:
            QTest::qWait(60); // the display's next refresh while running
            duringRise = panel->display()->text();
            press(w, Qt::Key_F9);
            break;
        case 40: press(w, Qt::Key_F8); break;
        default: break;
        }
    });
    press(w, Qt::Key_F5);
    w.holdWhileHeld();
    const std::vector<Stopwatch::Timing>& timings = w.simulation().laboratory().stopwatch().timings();
    QCOMPARE(timings.size(), std::size_t(3));
    const QLocale russian(QLocale::Russian);
    const auto seconds = [&russian](int hundredths) {
        return QStringLiteral("%1 с").arg(russian.toString(hundredths / 100.0, 'f', 2));
    };
    QCOMPARE(duringRise, seconds(timings[1].hundredths));
    QCOMPARE(panel->display()->text(), seconds(timings[2].hundredths));
    QCOMPARE(panel->totalLabel()->text(),
             QStringLiteral("Всего с пуска: ") + seconds(timings[1].hundredths + timings[2].hundredths));
}

void tst_lab_window::settingsKeptBetweenStarts()
{
    // The student's voltage (Shift+PgUp twice), slow-down, distance and air,
    // set in one start of the program, are the laboratory's in the next; the
    // demonstration the program starts in keeps its own.
    double volts = 0;
    int slowDown = 0, slowDownSet = 0;
    QString voltageShown;
    {
        WindowFixture w;
        w.show();
        volts = w.state().Ux;
        slowDown = w.widgets().slowDownScrollBar->value();
        press(w, Qt::Key_L, Qt::ControlModifier);
        press(w, Qt::Key_PageUp, Qt::ShiftModifier);
        press(w, Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(w.state().Ux, std::round(std::round(volts * 1.1) * 1.1));
        QTest::keyClick(w.widgets().slowDownScrollBar, Qt::Key_Right);
        slowDownSet = w.widgets().slowDownScrollBar->value();
        QVERIFY(slowDownSet != slowDown);
        StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
        panel->bandsBox()->setFocus();
        QTest::keyClick(panel->bandsBox(), Qt::Key_Up);
        QTest::keyClick(panel->bandsBox(), Qt::Key_Up);
        w.form->menus().slipCorrection->trigger();
        panel->pressureEdit()->selectAll();
        QTest::keyClicks(panel->pressureEdit(), QStringLiteral("50000"));
        panel->temperatureEdit()->selectAll();
        QTest::keyClicks(panel->temperatureEdit(), QStringLiteral("30"));
        QCOMPARE(w.simulation().laboratory().temperature(), 303.15);
        voltageShown = w.widgets().voltageEdit->text();
    }
    WindowFixture w(nullptr, {}, QLocale(QLocale::Russian, QLocale::Russia), Language::Russian,
                    WindowFixture::Start::Again);
    w.show();
    QCOMPARE(w.state().Ux, volts);
    QCOMPARE(w.widgets().slowDownScrollBar->value(), slowDown);
    press(w, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(w.state().Ux, std::round(std::round(volts * 1.1) * 1.1));
    QCOMPARE(w.widgets().voltageEdit->text(), voltageShown);
    QCOMPARE(w.widgets().slowDownScrollBar->value(), slowDownSet);
    QCOMPARE(w.state().slowDown, slowDownSet);
    StopwatchWindow* panel = w.form->laboratory().stopwatchWindow();
    QCOMPARE(panel->bandsBox()->value(), 3);
    QCOMPARE(w.simulation().laboratory().bands(), 3);
    QCOMPARE(panel->pressureEdit()->text(), QStringLiteral("50000"));
    QCOMPARE(panel->temperatureEdit()->text(), QStringLiteral("30"));
    QCOMPARE(w.simulation().laboratory().pressure(), 50000.0);
}

void tst_lab_window::taskOpened()
{
    // A task unlike the program's defaults, in every setting.
    QTemporaryDir dir;
    const Task task{QStringLiteral("ivanova"),
                    QStringLiteral("Иванова Анна"),
                    QStringLiteral("ФТ-21"),
                    {false, true, true, 50000, 300.15, false},
                    12345678901234567890ULL};
    const QByteArray bytes = TaskFile::bytes(task);
    const QString path = dir.filePath(QStringLiteral("ivanova.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QString damaged = dir.filePath(QStringLiteral("damaged.json"));
    QFile cut(damaged);
    QVERIFY(cut.open(QIODevice::WriteOnly) && cut.write(bytes.left(40)) == 40);
    cut.close();

    WindowFixture w;
    w.show();
    LaboratoryWindows& lab = w.form->laboratory();
    const MainWindow::Menus& m = w.form->menus();
    std::vector<FakeMessageBox::Shown>& shown = w.fakes.messageBox.shown;
    // A damaged task is named with its reason, and changes nothing.
    lab.askTaskFileName = [&] { return damaged; };
    lab.openTaskAction()->trigger();
    QCOMPARE(shown.size(), std::size_t(1));
    QVERIFY2(shown[0].text.contains(QDir::toNativeSeparators(damaged)), qPrintable(shown[0].text));
    QVERIFY(!m.laboratoryMode->isChecked());

    // A journal of earlier drops: the student agrees to a new one, and the old is kept.
    lab.store().load();
    JournalModel& model = w.simulation().journal();
    model.addDrop(JournalDrop::startedNow(1, w.state().setup(), false));
    w.fakes.messageBox.answers = {true};
    lab.askTaskFileName = [&] { return path; };
    lab.openTaskAction()->trigger();
    QCOMPARE(shown.size(), std::size_t(3)); // the question, where the old journal is
    QVERIFY(shown[1].question);
    QVERIFY2(QFileInfo::exists(shown[2].text.section(u'«', 1).section(u'»', 0, 0)), qPrintable(shown[2].text));

    const Laboratory& laboratory = w.simulation().laboratory();
    QVERIFY(m.laboratoryMode->isChecked() && laboratory.isActive());
    QVERIFY(!m.unknownDrop->isChecked() && !laboratory.unknownSize());
    QVERIFY(m.brownian->isChecked() && laboratory.brownian());
    QVERIFY(m.slipCorrection->isChecked() && laboratory.slipCorrection());
    QCOMPARE(laboratory.slipPressure(), std::optional(50000.0));
    QVERIFY(!lab.multiplesAction()->isChecked());
    QCOMPARE(laboratory.seed(), task.seed);
    QVERIFY(laboratory.seedFixed());
    const Journal& journal = model.journal();
    QVERIFY(journal.drops.empty());
    QCOMPARE(journal.student, task.name);
    QCOMPARE(journal.group, task.group);
    QCOMPARE(w.studentAsked, 0);

    // The saved journal names the task and the hash of its file.
    QFile saved(lab.store().autosavePath());
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const auto read = JournalFile::read(saved.readAll());
    QVERIFY(std::holds_alternative<Journal>(read));
    const Journal& again = std::get<Journal>(read);
    QCOMPARE(again.task, std::optional(JournalTask{task.id, TaskFile::hash(bytes)}));
    QCOMPARE(again.seed, task.seed);
    QVERIFY(again.seedFixed);
    QCOMPARE(again.student, task.name);
    // A new journal is still the task's.
    QVERIFY(lab.store().startNew());
    QCOMPARE(model.journal().task, again.task);
    QCOMPARE(model.journal().seed, task.seed);
}

void tst_lab_window::tasksHandedOutFromTheMenu()
{
    QTemporaryDir dir;
    const auto roster = [&](const QString& name, const QByteArray& csv) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size() ? file.fileName() : QString();
    };
    const QString good = roster(QStringLiteral("good.csv"), "id;name;email\nivanova;Иванова Анна;a@x\n");
    const QString bad = roster(QStringLiteral("bad.csv"), "id;name;email\n../x;Иванова Анна;a@x\n");
    const QString folder = dir.filePath(QStringLiteral("group"));
    WindowFixture w;
    w.show();
    LaboratoryWindows& lab = w.form->laboratory();
    std::vector<FakeMessageBox::Shown>& shown = w.fakes.messageBox.shown;
    // The teacher's answer, then what the box says.
    for (const auto& [file, title, says] :
         {std::tuple(bad, QStringLiteral("Ошибка"), QDir::toNativeSeparators(bad) + QStringLiteral(": строка 2: ")),
          std::tuple(good, QStringLiteral("Задания"), QStringLiteral("Заданий: 1"))}) {
        lab.askRosterAndFolder = [&, file = file] { return std::optional(std::pair(file, folder)); };
        lab.assignAction()->trigger();
        QCOMPARE(shown.back().title, title);
        QVERIFY2(shown.back().text.startsWith(says), qPrintable(shown.back().text));
    }
    QCOMPARE(shown.size(), std::size_t(2));
    QVERIFY(QFileInfo::exists(folder + QStringLiteral("/tasks/ivanova.json")));
}

void tst_lab_window::sprayedAndSeen()
{
    // F2 sprays only in the laboratory: then the microscope shows the cloud,
    // moving on at the runs' pace in the field the apparatus has.
    WindowFixture w;
    w.show();
    LaboratoryWindows& lab = w.form->laboratory();
    press(w, Qt::Key_F2);
    QVERIFY(!lab.microscopeWindow());
    press(w, Qt::Key_L, Qt::ControlModifier);
    press(w, Qt::Key_F2);
    MicroscopeWindow* microscope = lab.microscopeWindow();
    QVERIFY(microscope && microscope->isVisible());
    const Spray* spray = w.simulation().laboratory().chamber().current();
    QVERIFY(spray && spray->droplets().size() >= std::size_t(Spray::Fewest));
    // The session's seed decides the cloud.
    const Laboratory& laboratory = w.simulation().laboratory();
    const Spray again(w.state().setup(), Laboratory::spraySeed(laboratory.seed(), 1), RealismLevel::Standard,
                      laboratory.brownian(), laboratory.temperature());
    QCOMPARE(spray->droplets().size(), again.droplets().size());
    QCOMPARE(spray->droplets().front().d, again.droplets().front().d);
    QTRY_VERIFY(spray->time() > 0);
    QTRY_VERIFY(microscope->seenList()->count() > 0);
    // A second spray: another cloud, from the next stream.
    const double first = spray->droplets().front().d;
    press(w, Qt::Key_F2);
    QCOMPARE(w.simulation().laboratory().chamber().sprays(), 2);
    QVERIFY(w.simulation().laboratory().chamber().current()->droplets().front().d != first);
}

void tst_lab_window::caughtDropletFollowedAndSeen()
{
    // A droplet chosen by Tab and caught by «ПУСК» is the held run's: the
    // microscope shows it where the run has it through the field's switches
    // while the others move on; out of focus the stopwatch refuses to time it.
    WindowFixture w;
    w.show();
    LaboratoryWindows& windows = w.form->laboratory();
    press(w, Qt::Key_L, Qt::ControlModifier);
    w.simulation().laboratory().setSeed(35);
    windows.levelAction(RealismLevel::Standard)->trigger();
    QVERIFY(w.form->menus().brownian->isChecked() && w.form->menus().unknownDrop->isChecked());
    press(w, Qt::Key_F2);
    MicroscopeWindow* microscope = windows.microscopeWindow();
    QTest::keyClick(microscope->view(), Qt::Key_Tab);
    const int id = microscope->view()->selected();
    const Laboratory& lab = w.simulation().laboratory();
    QCOMPARE(lab.chosen(), id);
    const Spray* spray = lab.chamber().current();
    const Spray::Droplet seen = *spray->droplet(id);

    QSlider* focus = microscope->focusSlider();
    // 60 µm off, by the knob's arrow keys.
    const Qt::Key away = seen.Z > 0 ? Qt::Key_Down : Qt::Key_Up;
    bool followed = true, othersMoved = false, keptCloud = false, refused = false, timedAgain = false;
    QString status;
    duringRun(w, [&](int step) {
        const ExperimentState& s = w.state();
        const Spray::Droplet& held = *spray->droplet(id);
        const double unit = s.Vg * static_cast<double>(s.tau);
        followed = followed && held.held && std::fabs(held.Y - s.Y * unit) <= 1e-12 * unit;
        othersMoved = othersMoved || spray->droplet(id == 1 ? 2 : 1)->Y != seen.Y;
        switch (step) {
        case 2:
            // No new spray while it is held: it stays in its cloud.
            press(w, Qt::Key_F2);
            keptCloud = lab.chamber().sprays() == 1 && lab.caught() == id;
            break;
        case 3:
        case 6: press(w, Qt::Key_F6); break;
        case 8:
            for (int i = 0; i < 30; ++i)
                QTest::keyClick(focus, away);
            press(w, Qt::Key_F8);
            refused = !lab.stopwatch().isRunning() && !lab.inSight();
            status = windows.stopwatchWindow()->statusLabel()->text();
            break;
        case 9: {
            // Focused on it again, as an eye finds it.
            const auto onIt = static_cast<int>(std::lround(held.Z / MicroscopeWindow::FocusStep));
            while (focus->value() != onIt)
                QTest::keyClick(focus, focus->value() < onIt ? Qt::Key_Up : Qt::Key_Down);
            press(w, Qt::Key_F8);
            timedAgain = lab.stopwatch().isRunning();
            break;
        }
        case 10: w.simulation().experiment().end(); break;
        default: break;
        }
    });
    press(w, Qt::Key_F5);
    QCOMPARE(lab.caught(), id);
    w.holdWhileHeld();
    QVERIFY(followed);
    QVERIFY(othersMoved);
    QVERIFY(keptCloud);
    QVERIFY(refused);
    QVERIFY2(status.contains(QStringLiteral("капли не видно в микроскопе")), qPrintable(status));
    QVERIFY(timedAgain);

    // The journal keeps where it came from, enough to draw it again; its size stays hidden.
    const JournalDrop& drop = w.simulation().journal().journal().drops.back();
    QVERIFY(drop.caught);
    QCOMPARE(drop.caught->droplet, id);
    QCOMPARE(drop.caught->depth, seen.Y);
    QVERIFY(drop.diameterHidden);
    QCOMPARE(drop.startCharge, std::optional(seen.charge));
    QCOMPARE(Spray::diameterAt(drop.caught->spraySeed, id, RealismLevel::Standard, drop.caught->sprayTime), seen.d);
}

#include "tst_lab_window.moc"
