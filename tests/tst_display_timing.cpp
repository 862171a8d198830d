// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WindowFixture.h"

#include "QtPauseTimer.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

/// The read-outs and the beam through the real window with the real pause
/// timer, in real time: each lasts its whole length wherever it falls.
class tst_display_timing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { WindowFixture::setUpApplication(); }
    void readOutAfterRun_data();
    void readOutAfterRun();
    void flashDuringRun();
};

namespace {

constexpr double ToleranceS = 0.05;

/// The real window with the real timer, at the fastest slow-down (a run of
/// 100 steps of 10 ms).
struct TimedWindow {
    QtPauseTimer timer;
    WindowFixture w{&timer};
    QElapsedTimer clock;

    TimedWindow()
    {
        w.show();
        w.widgets().slowDownScrollBar->setValue(1);
        clock.start();
    }
    double now() const { return static_cast<double>(clock.nsecsElapsed()) * 1e-9; }
    /// What a heading's click showed.
    struct Display {
        double seconds;   ///< how long the read-out stayed after the tone
        bool hiddenAfter; ///< it was hidden again when the click returned
    };
    Display showReadOut(ControlId heading, ControlId readOut)
    {
        w.fakes.tones.realTime = true;
        w.fakes.tones.clock = clock;
        QTest::mouseClick(w.widget(heading), Qt::LeftButton);
        const double hidden = now();
        w.fakes.tones.realTime = false;
        return {hidden - static_cast<double>(w.fakes.tones.lastEndNs) * 1e-9, w.widget(readOut)->isHidden()};
    }
};

} // namespace

void tst_display_timing::readOutAfterRun_data()
{
    QTest::addColumn<ControlId>("heading");
    QTest::addColumn<ControlId>("readOut");
    QTest::addColumn<double>("gap");
    QTest::addColumn<bool>("afterDisplay");
    QTest::newRow("characteristics 0.5 s after the run")
        << ControlId::characteristicsHeading << ControlId::charge2Readout << 0.5 << false;
    QTest::newRow("characteristics 1 s after the run")
        << ControlId::characteristicsHeading << ControlId::charge2Readout << 1.0 << false;
    QTest::newRow("characteristics 2 s after the run")
        << ControlId::characteristicsHeading << ControlId::charge2Readout << 2.0 << false;
    QTest::newRow("velocities 2.4 s after a display")
        << ControlId::velocitiesHeading << ControlId::chargeRatioReadout << 2.4 << true;
}

void tst_display_timing::readOutAfterRun()
{
    QFETCH(ControlId, heading);
    QFETCH(ControlId, readOut);
    QFETCH(double, gap);
    QFETCH(bool, afterDisplay);
    TimedWindow t;
    QTest::mouseClick(t.w.widgets().startButton, Qt::LeftButton); // a whole run, about 1 s
    QVERIFY(t.w.state().Y >= 0.99 * t.w.state().reducedGap);
    if (afterDisplay)
        QVERIFY(t.showReadOut(ControlId::characteristicsHeading, ControlId::charge2Readout).hiddenAfter);
    const double ended = t.now();
    QTest::qWait(static_cast<int>(gap * 1000));
    QVERIFY(t.now() - ended < gap + 0.1);
    const TimedWindow::Display shown = t.showReadOut(heading, readOut);
    QVERIFY(shown.hiddenAfter);
    QVERIFY2(std::abs(shown.seconds - 3.0) <= ToleranceS, qPrintable(QString::number(shown.seconds, 'f', 3)));
}

void tst_display_timing::flashDuringRun()
{
    TimedWindow t;
    double flash = -1;
    // Press СВЕТ 0.3 s into the run, between two of its steps.
    QTimer::singleShot(300, [&] {
        const double pressed = t.now();
        QTest::mouseClick(t.w.widgets().lightButton, Qt::LeftButton);
        flash = t.now() - pressed;
    });
    QTest::mouseClick(t.w.widgets().startButton, Qt::LeftButton);
    QVERIFY2(std::abs(flash - 1.5) <= ToleranceS, qPrintable(QString::number(flash, 'f', 3)));
    QCOMPARE(t.w.state().wasIrradiated, std::int16_t(1));
}

QTEST_MAIN(tst_display_timing)
#include "tst_display_timing.moc"
