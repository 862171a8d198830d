// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StateInvariants.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <random>

/// Thousands of seeded random actions on the real window (offscreen), at the
/// top level and during the pauses of runs, nested experiments included, and
/// the laboratory: switched on and off (Ctrl+L), its drops held and stepped
/// by the timer's beats, its keys (stopwatch, polarity, voltage, balance),
/// modal dialogs over the window. After every action the state is valid and
/// computable; after every layout pass the window is in its state before an
/// experiment; no more runs are in progress than starts pressed and not yet
/// finished; no held drop is ever inside a demonstration run's pause, nor
/// moves under a modal dialog; every demonstration run that left the gap
/// gave exactly one verdict, and no held drop gave one.
class tst_random_events : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void randomActions();
};

namespace {

/// Zero-length pauses that know how many pauses are open and which of them
/// belong to runs (a run pauses 10 to 90 ms; flashes and read-outs longer).
class CountingTimer : public FakePauseTimer {
public:
    void processEvents() override
    {
        // A held drop's beats are no pause of a run.
        const bool runPause = !beating && interval() > 0 && interval() <= 90;
        ++openPauses;
        runPausesOpen += runPause;
        FakePauseTimer::processEvents();
        runPausesOpen -= runPause;
        --openPauses;
    }
    int openPauses = 0;
    int runPausesOpen = 0;
    bool beating = false;
};

/// How the runs ended: a demonstration run that left the gap has a verdict.
struct Ends : ExperimentListener {
    void runEnded(End end) override { leftGap += end == End::LeftGap; }
    int leftGap = 0;
};

class Monkey {
public:
    Monkey(WindowFixture& w, CountingTimer& timer, std::uint32_t seed) : w(w), timer(timer), random(seed)
    {
        w.simulation().experiment().addListener(&ends);
    }

    void act(bool duringPause);

    int actions = 0;
    int starts = 0;
    int activeStarts = 0;
    int finishedStarts = 0;
    int passesChecked = 0;
    int held = 0;       ///< actions after which a drop was held
    bool quiet = false; ///< no actions in the pauses now
    Ends ends;

private:
    int steps() const { return static_cast<int>(w.simulation().record().points().size()); }
    /// The timer's beats at the top level, which step a held drop.
    void beats(int count)
    {
        timer.beating = true;
        for (int i = 0; i < count && w.simulation().experiment().isHolding(); ++i)
            timer.processEvents();
        timer.beating = false;
    }
    std::uint32_t pick(std::uint32_t n) { return random() % n; }
    void afterAction(const char* what);
    void checkStateBeforeExperiment(const char* what);
    QString inputText();

    WindowFixture& w;
    CountingTimer& timer;
    std::mt19937 random;
};

QString Monkey::inputText()
{
    static const char* const texts[] = {"0.016", "0.02",   "-5085", "5000",   "1e-6",   "5.52e-6", "920",
                                        "1000",  "1.23",   "800",   "1.8e-5", "3e-5",   "",        "0",
                                        "-",     "abc",    "1e999", "-1e-5",  "0,5",    "12abc",   "1 000",
                                        "1e200", "1e-320", "950",   "2e-3",   "-20000", "4e-7",    "3D-6"};
    return QString::fromLatin1(texts[pick(std::size(texts))]);
}

void Monkey::act(bool duringPause)
{
    ++actions;
    const MainWindowWidgets& widgets = w.widgets();
    QLineEdit* const inputs[] = {widgets.plateGapEdit,       widgets.voltageEdit,       widgets.diameterEdit,
                                 widgets.dropletDensityEdit, widgets.mediumDensityEdit, widgets.viscosityEdit};
    const std::uint32_t choice = pick(duringPause ? 18 : 17);
    switch (choice) {
    case 0: { // ПУСК, at most three experiments deep
        if (activeStarts >= 3)
            return act(duringPause);
        ++starts;
        ++activeStarts;
        w.widgets().startButton->click();
        --activeStarts;
        ++finishedStarts;
        afterAction("ПУСК");
        return;
    }
    case 1: w.widgets().voltageButton->click(); break;
    case 2: w.widgets().lightButton->click(); break;
    case 3: w.form->simulation().experiment().showCharges(); break;
    case 4: w.form->simulation().experiment().showVelocities(); break;
    case 5:
        (pick(3) == 0 ? widgets.animationOption
         : pick(2)    ? widgets.coordinateOption
                      : widgets.velocityOption)
            ->setChecked(true);
        break;
    case 6: w.widgets().slowDownScrollBar->setValue(static_cast<int>(pick(11))); break;
    case 7:
    case 8: { // an edit: always a layout pass
        QLineEdit* input = inputs[pick(6)];
        const QByteArray name = input->objectName().toLatin1();
        const std::size_t passes = w.fakes.random.seeds.size(); // every pass reseeds once
        input->setText(inputText());
        afterAction(name.constData());
        if (w.fakes.random.seeds.size() > passes) // the text did change
            checkStateBeforeExperiment(name.constData());
        return;
    }
    case 9: { // a resize: a layout pass
        const int width = static_cast<int>(pick(2001));
        const int height = static_cast<int>(pick(1501));
        w.form->resize(width, height);
        QCoreApplication::sendPostedEvents();
        w.form->simulation().reset().resetWindow(); // what the resize event runs, in case the size did not change
        afterAction("resize");
        checkStateBeforeExperiment("resize");
        return;
    }
    case 10: { // Выход, answered No
        w.fakes.messageBox.answers = {false};
        w.form->menus().exit->trigger();
        QVERIFY(!w.fakes.lifetime.ending);
        break;
    }
    case 11: w.widgets().randomChargesCheckBox->setChecked(pick(4) != 0); break;
    case 12: QTest::keyClick(w.form.get(), Qt::Key_L, Qt::ControlModifier); break;
    case 13: { // the stopwatch's and the apparatus's keys
        static const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_F8, Qt::NoModifier},          {Qt::Key_F9, Qt::NoModifier},    {Qt::Key_F11, Qt::NoModifier},
            {Qt::Key_F12, Qt::NoModifier},         {Qt::Key_F6, Qt::ShiftModifier}, {Qt::Key_PageUp, Qt::NoModifier},
            {Qt::Key_PageDown, Qt::ShiftModifier}, {Qt::Key_F12, Qt::ShiftModifier}};
        const auto& [key, modifiers] = keys[pick(std::size(keys))];
        QTest::keyClick(w.form.get(), key, modifiers);
        break;
    }
    case 14: { // a modal dialog over the window, or the window minimised: a held drop stands still
        const int before = steps();
        QDialog dialog(w.form.get());
        const bool minimise = pick(2) != 0;
        if (minimise)
            w.form->showMinimized();
        else
            dialog.setModal(true), dialog.show();
        if (!duringPause) {
            quiet = true; // nothing else meanwhile
            beats(5);
            quiet = false;
            QVERIFY2(steps() == before, minimise ? "minimised" : "dialog");
        }
        if (minimise)
            w.form->showNormal();
        break;
    }
    case 15:
    case 16: // the held drop goes on
        if (!duringPause)
            beats(1 + static_cast<int>(pick(60)));
        break;
    default: break; // let the run go on
    }
    afterAction("action");
}

void Monkey::afterAction(const char* what)
{
    const QString violation = stateViolation(w.state());
    QVERIFY2(violation.isEmpty(), qPrintable(QStringLiteral("after %1: %2").arg(QLatin1String(what), violation)));
    const MainWindowWidgets& widgets = w.widgets();
    for (const QLabel* label : {widgets.massReadout, widgets.fieldStrengthReadout, widgets.relaxationTimeReadout,
                                widgets.terminalVelocityReadout, widgets.forceRatioReadout,
                                widgets.limitingVelocity2Readout, widgets.limitingVelocity3Readout}) {
        const QString text = label->text();
        QVERIFY2(!text.contains(QLatin1String("inf")) && !text.contains(QLatin1String("nan")) && !text.contains(u'—'),
                 qPrintable(text));
    }
    // Runs only come from starts: never more in progress than starts not yet finished.
    QVERIFY(timer.runPausesOpen <= activeStarts);
    // A held drop is never inside a demonstration run's pause.
    const bool holding = w.simulation().experiment().isHolding();
    QVERIFY2(!(holding && timer.runPausesOpen > 0), what);
    held += holding;
    // Every demonstration run that left the gap gave exactly one verdict, and nothing else gave one.
    int verdicts = 0;
    for (const auto& tone : w.fakes.tones.tones)
        verdicts += tone == std::pair<int, int>{880, 600};
    for (const auto& box : w.fakes.messageBox.shown)
        verdicts += box.title == QLatin1String("ЗАМЕЧАНИЕ");
    QCOMPARE(verdicts, ends.leftGap);
}

void Monkey::checkStateBeforeExperiment(const char* what)
{
    // A held drop keeps its field's buttons and plots through a layout pass.
    if (w.simulation().experiment().isHolding())
        return;
    ++passesChecked;
    const QWidget* form = w.form.get();
    for (const ControlId hidden :
         {ControlId::limitingVelocity2Readout, ControlId::limitingVelocity3Readout, ControlId::charge2Readout,
          ControlId::charge3Readout, ControlId::chargeRatioReadout, ControlId::chargeDifferenceReadout,
          ControlId::coordinatePlot, ControlId::velocityPlot, ControlId::beamSprite})
        QVERIFY2(
            !w.widget(hidden)->isVisibleTo(form),
            qPrintable(QStringLiteral("%1 after %2").arg(QLatin1String(controlName(hidden)), QLatin1String(what))));
    QVERIFY(!w.widgets().voltageButton->isEnabled());
    QVERIFY(!w.widgets().lightButton->isEnabled());
    QVERIFY(w.widgets().animationView->isVisibleTo(form));
    QVERIFY(w.widgets().animationOption->isChecked());
}

} // namespace

void tst_random_events::randomActions()
{
    const int wanted = qEnvironmentVariableIntValue("OILDROP_MONKEY_ACTIONS") > 0
                           ? qEnvironmentVariableIntValue("OILDROP_MONKEY_ACTIONS")
                           : 4000;
    CountingTimer timer;
    WindowFixture w(&timer);
    w.show();
    Monkey monkey(w, timer, 20261207);
    std::mt19937 during(99);
    // During a run, now and then an action inside the pause.
    timer.everyPause = [&](int) {
        if (monkey.actions < wanted && !monkey.quiet && during() % 8 == 0)
            monkey.act(true);
    };
    while (monkey.actions < wanted && !QTest::currentTestFailed())
        monkey.act(false);
    qInfo("%d actions, %d starts, %d layout passes checked, %d pauses, %d actions with a drop held", monkey.actions,
          monkey.starts, monkey.passesChecked, timer.pauses, monkey.held);
    QVERIFY(!w.fakes.lifetime.ending);
    QCOMPARE(monkey.activeStarts, 0);
    QVERIFY(monkey.starts > 20);
    QVERIFY(monkey.passesChecked > 300);
    QVERIFY(monkey.held > 100);
}

QTEST_MAIN(tst_random_events)
#include "tst_random_events.moc"
