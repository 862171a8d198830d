// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NoviceStudent.h"
#include "WindowFixture.h"

#include "CoachPanel.h"
#include "JournalStore.h"
#include "Laboratory.h"
#include "LaboratoryWindows.h"
#include "LiveRegion.h"
#include "MainWindow.h"
#include "StopwatchWindow.h"

#include <QLabel>
#include <QtTest>

#include <algorithm>

namespace {

QString names(const QList<Coach::Step>& steps)
{
    QStringList numbers;
    for (const Coach::Step step : steps)
        numbers << QString::number(static_cast<int>(step));
    return numbers.join(QLatin1Char(' '));
}

} // namespace

/// The coach in the window: its steps follow a newcomer through a whole
/// drop, its panel shows and speaks them, and Ctrl+H hides it for good.
class tst_coach_window : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void followsAWholeDrop();
    void hiddenAndRemembered();
};

void tst_coach_window::initTestCase()
{
    WindowFixture::setUpApplication();
    // A session of its own: no journal left by another (a first start forgets the choices).
    QDir(JournalStore::defaultFolder()).removeRecursively();
}

void tst_coach_window::followsAWholeDrop()
{
    using Step = Coach::Step;
    WindowFixture w;
    w.show();
    w.form->activateWindow();
    w.fakes.random.values = {};
    w.simulation().laboratory().setSeed(7);
    w.form->menus().laboratoryMode->trigger();
    CoachPanel* panel = w.form->laboratory().coachPanel();
    QVERIFY(panel && panel->isVisible());
    const auto* region = w.form->findChild<LiveRegion*>();
    QVERIFY(region);

    // The steps of the session, each once where it begins.
    NoviceStudent student(w, 11);
    QList<Step> seen;
    int measured = 0;
    QString shownCharge;
    student.watch = [&](Step step) {
        if (seen.isEmpty() || seen.constLast() != step)
            seen << step;
        if (step == Step::NextDrop && measured == 0) {
            measured = w.simulation().laboratory().currentDrop();
            panel->refresh();
            shownCharge = panel->chargeLabel()->text();
            QCOMPARE(panel->stepLabel()->text(), w.form->laboratory().coach().advise().text);
            QVERIFY(region->lastAnnouncement().contains(panel->stepLabel()->text()));
            student.stop();
        }
    };
    student.run(60, 10);
    QVERIFY2(measured > 0, "no drop measured in its states");
    // From the program's defaults to a drop measured in two states, in order
    // (other steps between): the pace, the start, the distance, the field
    // tried and the voltage turned, the timings kept between the plates, the
    // light, the second state, the next drop.
    const QList<Step> course = {Step::SlowDown, Step::StartDrop, Step::Distance,   Step::TestField,    Step::VoltageUp,
                                Step::Time,     Step::Record,    Step::FieldOnLow, Step::FieldOffHigh, Step::Irradiate,
                                Step::Time,     Step::Record,    Step::NextDrop};
    auto at = seen.begin();
    for (const Step step : course) {
        at = std::find(at, seen.end(), step);
        QVERIFY2(at != seen.end(),
                 qPrintable(QStringLiteral("step %1 missing from %2").arg(static_cast<int>(step)).arg(names(seen))));
    }
    // The charge of the state timed last, as the student read it.
    QVERIFY2(shownCharge.contains(QStringLiteral("q = (")), qPrintable(shownCharge));
}

void tst_coach_window::hiddenAndRemembered()
{
    {
        WindowFixture w;
        w.show();
        w.form->activateWindow();
        w.form->menus().laboratoryMode->trigger();
        CoachPanel* panel = w.form->laboratory().coachPanel();
        QVERIFY(panel->isVisible());
        QTest::keyClick(w.form.get(), Qt::Key_H, Qt::ControlModifier);
        QVERIFY(!panel->isVisible());
    }
    WindowFixture w(nullptr, {}, QLocale(QLocale::Russian, QLocale::Russia), Language::Russian,
                    WindowFixture::Start::Again);
    w.show();
    w.form->menus().laboratoryMode->trigger();
    QVERIFY(!w.form->laboratory().coachPanel()->isVisible());
    QTest::keyClick(w.form->laboratory().stopwatchWindow(), Qt::Key_H, Qt::ControlModifier);
    QVERIFY(w.form->laboratory().coachPanel()->isVisible());
}

QTEST_MAIN(tst_coach_window)
#include "tst_coach_window.moc"
