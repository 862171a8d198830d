// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "QtLifetime.h"
#include "QtPauseTimer.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

/// Ending the program for real: the confirmation's Yes makes the event loop
/// return with status 0, also from inside a pause of a running experiment.
class tst_exit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void yesFromMenuEndsWithZero();
    void yesDuringRunEndsAtOnce();
    void noDuringRunLetsItFinish();
};

namespace {

/// The window with the real lifetime and pause timer, fake boxes and tones.
struct RealRig {
    QtPauseTimer timer;
    QtLifetime lifetime;
    FakeServices fakes;
    std::unique_ptr<MainWindow> form;
    RealRig()
    {
        WindowFixture::setUpApplication();
        Services services = fakes.services(&timer);
        services.lifetime = &lifetime;
        form = std::make_unique<MainWindow>(services, QStringList{}, QLocale(QLocale::Russian));
        form->show();
    }
};

} // namespace

void tst_exit::yesFromMenuEndsWithZero()
{
    RealRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(rig.form.get()));
    rig.fakes.messageBox.answers = {true};
    QTimer::singleShot(0, [&] { rig.form->menus().exit->trigger(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!rig.form->isVisible());
    QVERIFY(rig.lifetime.isEnding());
}

void tst_exit::yesDuringRunEndsAtOnce()
{
    RealRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(rig.form.get()));
    rig.form->widgets().slowDownScrollBar->setValue(1); // 10 ms steps
    rig.fakes.messageBox.answers = {true};
    double yAtExit = -1;
    QTimer::singleShot(0, [&] { rig.form->widgets().startButton->click(); });
    QTimer::singleShot(250, [&] {
        yAtExit = rig.form->simulation().state().Y;
        rig.form->close(); // the close box, in the middle of the run
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(clock.elapsed() < 2000);
    const ExperimentState& s = rig.form->simulation().state();
    QVERIFY(yAtExit > 0);
    QCOMPARE(s.Y, yAtExit); // no further step
    QVERIFY(s.Y < 0.99 * s.reducedGap);
    QVERIFY(rig.fakes.tones.tones.empty()); // no verdict
    QCOMPARE(rig.fakes.messageBox.shown.size(), std::size_t(1));
    QVERIFY(!rig.form->isVisible());
}

void tst_exit::noDuringRunLetsItFinish()
{
    RealRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(rig.form.get()));
    rig.form->widgets().slowDownScrollBar->setValue(1);
    rig.fakes.messageBox.answers = {false};
    QTimer::singleShot(100, [&] { rig.form->close(); });
    rig.form->widgets().startButton->click(); // returns when the experiment is over
    const ExperimentState& s = rig.form->simulation().state();
    QVERIFY(s.Y >= 0.99 * s.reducedGap);
    QCOMPARE(rig.fakes.tones.tones.size(), std::size_t(20));
    QVERIFY(rig.form->isVisible());
    QVERIFY(!rig.lifetime.isEnding());
}

QTEST_MAIN(tst_exit)
#include "tst_exit.moc"
