// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The default experiment run through the real window (offscreen) with the real
// pause timer at the default slow-down (100 steps of 50 ms: ideally 5.000 s),
// at a 1920 × 1080 client area. Prints, for each of several runs:
//   - the run's wall time against the ideal 5.000 s;
//   - the processor time used during the run, as a share of one core;
//   - the median cost of one step including its drawing and repaint.
// With --mouse the velocity plot is shown during the runs and the mouse moves
// over it all the time (a move every 10 ms), so the read-out under the mouse
// follows it while the droplet runs.
// With --laboratory the runs are drops of the laboratory mode with Brownian
// motion on, the journal's window open (its plots too) and the stopwatch
// running, a lap every second; each drop's timings go into the journal after
// its run. The thermal kicks may end a run a step early or late, so the
// ideal is the run's own number of steps × 50 ms.

#include "WindowFixture.h"

#include "JournalStore.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "QtPauseTimer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

/// The real pause timer, timing each step: from the end of one pause to the
/// start of the next, plus the repaint that the step asked for, handled at
/// once at the start of the pause.
class MeasuringTimer : public PauseTimer {
public:
    MeasuringTimer()
    {
        m_real.onTick = [this] {
            if (onTick)
                onTick();
        };
    }

    bool isEnabled() const override { return m_real.isEnabled(); }
    void setEnabled(bool enabled) override
    {
        if (!enabled && m_real.isEnabled())
            m_pauseEnded = m_clock.nsecsElapsed();
        m_real.setEnabled(enabled);
    }
    int interval() const override { return m_real.interval(); }
    void setInterval(int ms) override
    {
        measureStep(ms);
        m_real.setInterval(ms);
    }
    void setIntervalOnBeat(int ms) override
    {
        measureStep(ms);
        m_real.setIntervalOnBeat(ms);
    }
    void processEvents() override { m_real.processEvents(); }

    void reset()
    {
        stepCosts.clear();
        m_pauseEnded = -1;
        m_clock.start();
    }

    std::vector<double> stepCosts; ///< ms

private:
    void measureStep(int ms)
    {
        if (ms <= 0)
            return;
        QCoreApplication::processEvents(QEventLoop::AllEvents); // the step's repaint
        if (m_pauseEnded >= 0)
            stepCosts.push_back(static_cast<double>(m_clock.nsecsElapsed() - m_pauseEnded) * 1e-6);
    }

    QtPauseTimer m_real;
    QElapsedTimer m_clock;
    qint64 m_pauseEnded = -1;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MeasuringTimer timer;
    WindowFixture w(&timer);
    w.show();
    w.resizeClientArea(QSize(1920, 1080));
    std::printf("client area %dx%d, slow-down %d (pauses of %d ms)\n", w.form->clientArea()->width(),
                w.form->clientArea()->height(), int(w.state().slowDown), w.state().slowDown * 10);

    Simulation& p = w.form->simulation();
    int runs = 3;
    bool mouse = false;
    bool laboratory = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mouse") == 0)
            mouse = true;
        else if (std::strcmp(argv[i], "--laboratory") == 0)
            laboratory = true;
        else
            runs = std::max(1, std::atoi(argv[i]));
    }
    Laboratory& lab = p.laboratory();
    QTimer laps;
    laps.setInterval(1000);
    QObject::connect(&laps, &QTimer::timeout, [&lab] { lab.stopwatch().lap(); });
    if (laboratory) {
        // A journal of its own, not one left by an earlier bench.
        QDir(JournalStore::defaultFolder()).removeRecursively();
        lab.setSeed(2026);
        lab.setBrownian(true);
        w.form->laboratory().setActive(true);
        w.form->laboratory().showJournal();
        std::printf("laboratory mode, Brownian motion, journal window open, stopwatch running\n");
    }
    // The mouse going to and fro over the velocity plot.
    CanvasWidget* plot = w.widgets().velocityPlot;
    int moves = 0;
    QTimer hand;
    hand.setInterval(10);
    QObject::connect(&hand, &QTimer::timeout, [&] {
        const QPointF at(20 + (moves % 200) * 2, 100 + (moves % 11));
        QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(plot, &move);
        ++moves;
    });
    for (int run = 1; run <= runs; ++run) {
        // Runs apart as starts are (a verdict's tone lies between them), so
        // that a run's first step does not take the beat of the last one's.
        QElapsedTimer apart;
        apart.start();
        while (apart.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        // As a start prepares it, then the run alone is timed.
        if (laboratory)
            lab.experimentStarting();
        p.reset().resetWindow();
        p.reset().preparePlots();
        if (laboratory) {
            lab.runStarting();
            lab.stopwatch().startStop();
            laps.start();
        }
        if (mouse) {
            w.widgets().velocityOption->setChecked(true);
            hand.start();
        }
        QApplication::processEvents();
        timer.reset();
        QElapsedTimer wall;
        const double cpu0 = cpuSeconds();
        wall.start();
        p.run().runDroplet();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        const double cpu = cpuSeconds() - cpu0;
        hand.stop();
        laps.stop();
        if (laboratory) {
            lab.runEnded();
            lab.recordTimings();
        }
        const std::size_t steps = timer.stepCosts.size() + 1;
        const double ideal = static_cast<double>(steps) * w.state().slowDown * 0.01;
        std::printf("run %d: %zu steps, wall %.3f s (ideal %.3f s, %+.2f %%), cpu %.3f s = %.1f %% of one core, "
                    "step median %.3f ms (max %.3f ms)\n",
                    run, steps, seconds, ideal, (seconds / ideal - 1) * 100, cpu, cpu / seconds * 100,
                    median(timer.stepCosts),
                    timer.stepCosts.empty() ? 0 : *std::max_element(timer.stepCosts.begin(), timer.stepCosts.end()));
    }
    if (mouse)
        std::printf("%d mouse moves over the velocity plot, read-out shown: %s\n", moves,
                    w.form->velocityCursor()->lines().isEmpty() ? "no" : "yes");
    if (laboratory)
        std::printf("journal: %zu drops, %zu timings\n", p.journal().journal().drops.size(),
                    p.journal().journal().entries.size());
    return 0;
}
