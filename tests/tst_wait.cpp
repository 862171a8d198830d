// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeLifetime.h"

#include "Pause.h"
#include "QtPauseTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

/// Pauses on the real event loop and the real timer, with short intervals.
class tst_wait : public QObject {
    Q_OBJECT

private slots:
    void waitLastsItsTime();
    void waitZeroReturnsAtOnce();
    void nestedPauseEndsEnclosingOne();
    void eventsHandledDuringPause();
    void endingProgramEndsPause();
    void consecutivePausesKeepTheBeat();
};

namespace {

struct Rig {
    QtPauseTimer timer;
    FakeLifetime lifetime;
    Pause pause{timer, lifetime};
    Rig()
    {
        timer.onTick = [this] { pause.endPause(); };
    }
};

} // namespace

void tst_wait::waitLastsItsTime()
{
    Rig rig;
    QElapsedTimer clock;
    clock.start();
    rig.pause.wait(0.12);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 119 && elapsed < 320, qPrintable(QString::number(elapsed)));
    QVERIFY(!rig.timer.isEnabled());
    QCOMPARE(rig.timer.interval(), 0);
}

void tst_wait::waitZeroReturnsAtOnce()
{
    Rig rig;
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    QElapsedTimer clock;
    clock.start();
    rig.pause.wait(0);
    rig.pause.wait(0.0004); // rounds to 0 ms
    QVERIFY(clock.elapsed() < 50);
    QVERIFY(!ran); // no event was handled
    QVERIFY(!rig.timer.isEnabled());
    QCoreApplication::processEvents();
    QVERIFY(ran);
}

void tst_wait::nestedPauseEndsEnclosingOne()
{
    Rig rig;
    QElapsedTimer clock;
    clock.start();
    qint64 innerEnded = -1;
    // 50 ms into a 1 s pause, a 100 ms pause starts; when it ends, both end.
    QTimer::singleShot(50, [&] {
        rig.pause.wait(0.1);
        innerEnded = clock.elapsed();
    });
    rig.pause.wait(1.0);
    const qint64 outerEnded = clock.elapsed();
    QVERIFY(innerEnded >= 149);
    QVERIFY2(outerEnded - innerEnded < 60, qPrintable(QString::number(outerEnded - innerEnded)));
    QVERIFY(outerEnded < 600);
    QVERIFY(!rig.timer.isEnabled());
    QCOMPARE(rig.timer.interval(), 0);
}

void tst_wait::eventsHandledDuringPause()
{
    Rig rig;
    int handled = 0;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++handled; });
    ticker.start();
    rig.pause.wait(0.1);
    QVERIFY(handled >= 5);
}

void tst_wait::endingProgramEndsPause()
{
    Rig rig;
    QTimer::singleShot(30, [&] { rig.lifetime.endProgram(0); });
    QElapsedTimer clock;
    clock.start();
    rig.pause.wait(2.0);
    QVERIFY(clock.elapsed() < 500);
}

void tst_wait::consecutivePausesKeepTheBeat()
{
    // Twenty steps of 10 ms work, each followed by a 30 ms step pause: the
    // work is absorbed into the beat (about 600 ms in all), not added to it
    // (800 ms): the bound lies between, with room for a busy machine.
    Rig rig;
    auto steps = [&] {
        for (int step = 0; step < 20; ++step) {
            QElapsedTimer work;
            work.start();
            while (work.elapsed() < 10) {
            }
            rig.pause.waitOnBeat(0.03);
        }
    };
    QElapsedTimer clock;
    clock.start();
    steps();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 590 && elapsed < 760, qPrintable(QString::number(elapsed)));
    // A plain pause right after the steps lasts its whole length.
    QTest::qSleep(10);
    QElapsedTimer single;
    single.start();
    rig.pause.wait(0.05);
    QVERIFY2(single.elapsed() >= 49, qPrintable(QString::number(single.elapsed())));
    // So does the first step after a long break.
    steps();
    QTest::qSleep(200);
    single.start();
    rig.pause.waitOnBeat(0.05);
    QVERIFY(single.elapsed() >= 49);
}

QTEST_GUILESS_MAIN(tst_wait)
#include "tst_wait.moc"
