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

#include "ExperimentListener.h"

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

/// What the benchmark does besides the run: the mouse over the velocity
/// plot, the stopwatch's laps.
struct Options {
    int runs = 3;
    bool mouse = false;
    bool laboratory = false;
};

/// Times each run of a start from the droplet at rest to its leaving the
/// gap, and prints it.
class RunTimer : public ExperimentListener {
public:
    RunTimer(WindowFixture& w, MeasuringTimer& timer, const Options& options)
        : m_w(w), m_timer(timer), m_options(options), m_lab(w.simulation().laboratory())
    {
        m_laps.setInterval(1000);
        QObject::connect(&m_laps, &QTimer::timeout, [this] { m_lab.stopwatch().lap(); });
        // The mouse going to and fro over the velocity plot.
        m_hand.setInterval(10);
        QObject::connect(&m_hand, &QTimer::timeout, [this] {
            CanvasWidget* plot = m_w.widgets().velocityPlot;
            const QPointF at(20 + (moves % 200) * 2, 100 + (moves % 11));
            QMouseEvent move(QEvent::MouseMove, at, plot->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(plot, &move);
            ++moves;
        });
    }

    void runStarting() override
    {
        if (m_options.laboratory) {
            m_lab.stopwatch().startStop();
            m_laps.start();
        }
        if (m_options.mouse) {
            m_w.widgets().velocityOption->setChecked(true);
            m_hand.start();
        }
        QApplication::processEvents();
        m_timer.reset();
        m_cpu = cpuSeconds();
        m_wall.start();
    }

    void runEnded(End) override
    {
        const double seconds = static_cast<double>(m_wall.nsecsElapsed()) * 1e-9;
        const double cpu = cpuSeconds() - m_cpu;
        m_hand.stop();
        m_laps.stop();
        if (m_options.laboratory)
            m_lab.recordTimings();
        const std::vector<double>& costs = m_timer.stepCosts;
        const std::size_t steps = costs.size() + 1;
        const double ideal = static_cast<double>(steps) * m_w.state().slowDown * 0.01;
        std::printf("run %d: %zu steps, wall %.3f s (ideal %.3f s, %+.2f %%), cpu %.3f s = %.1f %% of one core, "
                    "step median %.3f ms (max %.3f ms)\n",
                    ++m_run, steps, seconds, ideal, (seconds / ideal - 1) * 100, cpu, cpu / seconds * 100,
                    median(costs), costs.empty() ? 0 : *std::max_element(costs.begin(), costs.end()));
    }

    int moves = 0;

private:
    WindowFixture& m_w;
    MeasuringTimer& m_timer;
    const Options& m_options;
    Laboratory& m_lab;
    QTimer m_laps;
    QTimer m_hand;
    QElapsedTimer m_wall;
    double m_cpu = 0;
    int m_run = 0;
};

Options readOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mouse") == 0)
            options.mouse = true;
        else if (std::strcmp(argv[i], "--laboratory") == 0)
            options.laboratory = true;
        else
            options.runs = std::max(1, std::atoi(argv[i]));
    }
    return options;
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

    const Options options = readOptions(argc, argv);
    Simulation& p = w.form->simulation();
    if (options.laboratory) {
        // A journal of its own, not one left by an earlier bench.
        QDir(JournalStore::defaultFolder()).removeRecursively();
        p.laboratory().setSeed(2026);
        p.laboratory().setBrownian(true);
        w.form->laboratory().setActive(true);
        w.form->laboratory().showJournal();
        std::printf("laboratory mode, Brownian motion, journal window open, stopwatch running\n");
    }
    RunTimer runTimer(w, timer, options);
    p.experiment().addListener(&runTimer);
    for (int run = 1; run <= options.runs; ++run) {
        // Runs apart as starts are (a verdict's tone lies between them), so
        // that a run's first step does not take the beat of the last one's.
        QElapsedTimer apart;
        apart.start();
        while (apart.elapsed() < 300)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        p.experiment().start();
    }
    if (options.mouse)
        std::printf("%d mouse moves over the velocity plot, read-out shown: %s\n", runTimer.moves,
                    w.form->velocityCursor()->lines().isEmpty() ? "no" : "yes");
    if (options.laboratory)
        std::printf("journal: %zu drops, %zu timings\n", p.journal().journal().drops.size(),
                    p.journal().journal().entries.size());
    return 0;
}
