// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StateInvariants.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

#include <random>

/// Thousands of seeded random actions on the real window (offscreen), at the
/// top level and during the pauses of runs, nested experiments included.
/// After every action the state is valid and computable; after every layout
/// pass the window is in its state before an experiment; no more runs are in
/// progress than starts pressed and not yet finished; every finished start
/// gave exactly one verdict.
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
        const bool runPause = interval() > 0 && interval() <= 90;
        ++openPauses;
        runPausesOpen += runPause;
        FakePauseTimer::processEvents();
        runPausesOpen -= runPause;
        --openPauses;
    }
    int openPauses = 0;
    int runPausesOpen = 0;
};

class Monkey {
public:
    Monkey(WindowFixture& w, CountingTimer& timer, std::uint32_t seed) : w(w), timer(timer), random(seed) {}

    void act(bool duringPause);

    int actions = 0;
    int starts = 0;
    int activeStarts = 0;
    int finishedStarts = 0;
    int passesChecked = 0;

private:
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
    const std::uint32_t choice = pick(duringPause ? 13 : 12);
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
    // Every finished start gave exactly one verdict.
    int verdicts = 0;
    for (const auto& tone : w.fakes.tones.tones)
        verdicts += tone == std::pair<int, int>{880, 600};
    for (const auto& box : w.fakes.messageBox.shown)
        verdicts += box.title == QLatin1String("ЗАМЕЧАНИЕ");
    QCOMPARE(verdicts, finishedStarts);
}

void Monkey::checkStateBeforeExperiment(const char* what)
{
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
        if (monkey.actions < wanted && during() % 8 == 0)
            monkey.act(true);
    };
    while (monkey.actions < wanted && !QTest::currentTestFailed())
        monkey.act(false);
    QVERIFY(!w.fakes.lifetime.ending);
    QCOMPARE(monkey.activeStarts, 0);
    QVERIFY(monkey.starts > 20);
    QVERIFY(monkey.passesChecked > 500);
    qInfo("%d actions, %d starts, %d layout passes checked, %d pauses", monkey.actions, monkey.starts,
          monkey.passesChecked, timer.pauses);
}

QTEST_MAIN(tst_random_events)
#include "tst_random_events.moc"
