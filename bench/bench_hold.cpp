// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A drop held for a long time in the laboratory, through the real window
// (offscreen, 1280 × 800) with the real pause timer: the droplet kept
// between the second and the eighth line by the field, the stopwatch taking
// a lap every ten seconds of the experiment and its timings going into the
// journal, the journal's window open with its plots, Brownian motion on.
// Prints the pace (wall time of every 100 steps against their ideal), the
// processor time as a share of one core, the plots' redraws, and the
// resident memory at the start, at the end and at its peak.
// With `spray`, at the standard realism level, the droplet is caught from a
// spray of 100 droplets, seen through the microscope's window, which moves
// and paints them all; each 100 steps' line then says how many are in view.
//   bench_hold [MINUTES [SLOW-DOWN [spray]]]   (default: an hour of the experiment at slow-down 1)

#include "WindowFixture.h"

#include "ExperimentListener.h"
#include "JournalStore.h"
#include "Laboratory.h"
#include "LaboratoryWindows.h"
#include "MicroscopeView.h"
#include "MicroscopeWindow.h"
#include "QtPauseTimer.h"
#include "Spray.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

/// A line of /proc/self/status, in MiB.
double statusMiB(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith(key))
            return line.mid(static_cast<int>(qstrlen(key))).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

/// The hand on the field and the stopwatch, and the clock on the wall.
class Holder : public ExperimentListener {
public:
    Holder(WindowFixture& w, double seconds) : m_w(w), m_seconds(seconds) {}

    void runStarting() override
    {
        m_lab().stopwatch().startStop();
        m_wall.start();
        m_cpu = cpuSeconds();
    }
    void stepped() override
    {
        const ExperimentState& s = m_w.state();
        const double band = s.reducedGap / 10;
        ++m_steps;
        if ((!s.fieldOn && s.Y > 8 * band) || (s.fieldOn && s.Y < 2 * band))
            m_w.simulation().experiment().applyVoltage();
        const double now = m_steps * s.timeStep * static_cast<double>(s.tau);
        if (now >= m_nextLap) {
            m_lab().stopwatch().lap();
            m_lab().recordTimings();
            m_nextLap += 10;
        }
        // Every 100 steps from the first: 100 pauses each.
        if (m_steps % 100 == 1) {
            const double wall = static_cast<double>(m_wall.nsecsElapsed()) * 1e-9;
            const double cpu = cpuSeconds();
            int seen = 0;
            if (const Spray* spray = m_lab().chamber().current())
                for (const Spray::Droplet& d : spray->droplets())
                    seen += spray->inView(d);
            if (m_steps > 1) {
                m_beats.push_back(wall - m_lastBeat);
                if (m_lab().chamber().current())
                    std::printf("  steps %5d–%5d: %.3f s, %d → %d droplets in view, cpu %.1f %% of one core\n",
                                m_steps - 100, m_steps - 1, m_beats.back(), m_seen, seen,
                                100 * (cpu - m_lastCpu) / m_beats.back());
            }
            m_lastBeat = wall;
            m_lastCpu = cpu;
            m_seen = seen;
        }
        if (now >= m_seconds)
            m_w.simulation().experiment().end();
    }
    void runEnded(End end) override
    {
        m_seconds = static_cast<double>(m_wall.nsecsElapsed()) * 1e-9;
        m_cpu = cpuSeconds() - m_cpu;
        m_end = end;
    }

    void report() const
    {
        const ExperimentState& s = m_w.state();
        std::vector<double> beats = m_beats;
        std::sort(beats.begin(), beats.end());
        const double ideal = 100 * s.slowDown * 0.01;
        std::printf("held %s: %d steps, %.1f min of the experiment, %.1f s of wall time (ideal %.1f s)\n",
                    m_end == End::Ended ? "to the end" : "but lost", m_steps,
                    m_steps * s.timeStep * static_cast<double>(s.tau) / 60, m_seconds, m_steps * s.slowDown * 0.01);
        if (!beats.empty())
            std::printf("100 steps: median %.3f s, min %.3f s, max %.3f s (ideal %.3f s)\n", beats[beats.size() / 2],
                        beats.front(), beats.back(), ideal);
        std::printf("cpu %.2f s = %.1f %% of one core\n", m_cpu, 100 * m_cpu / m_seconds);
    }

private:
    Laboratory& m_lab() { return m_w.simulation().laboratory(); }

    WindowFixture& m_w;
    double m_seconds;
    double m_nextLap = 10;
    int m_steps = 0;
    QElapsedTimer m_wall;
    double m_lastBeat = 0;
    double m_lastCpu = 0;
    int m_seen = 0;
    double m_cpu = 0;
    std::vector<double> m_beats;
    End m_end = End::Ended;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double minutes = argc > 1 ? std::atof(argv[1]) : 60;
    const int slowDown = argc > 2 ? std::atoi(argv[2]) : 1;
    QtPauseTimer timer;
    WindowFixture w(&timer);
    w.fakes.random.values = {0.25f, 0.65f}; // the charges 3 and 7: the charge 3 lifts the droplet at −40 kV
    w.show();
    w.widgets().randomChargesCheckBox->setChecked(false);
    w.resizeClientArea(QSize(1280, 800));
    QDir(JournalStore::defaultFolder()).removeRecursively();
    w.widgets().voltageEdit->setText(QStringLiteral("-40000"));
    w.widgets().slowDownScrollBar->setValue(slowDown);
    const bool spray = argc > 3 && qstrcmp(argv[3], "spray") == 0;
    // A session whose first spray has the most droplets.
    std::uint64_t seed = 2026;
    while (spray && Spray::countOf(Laboratory::spraySeed(seed, 1)) != Spray::Most)
        ++seed;
    w.simulation().laboratory().setSeed(seed);
    w.simulation().laboratory().setBrownian(true);
    w.form->laboratory().setActive(true);
    if (spray) {
        w.form->laboratory().levelAction(RealismLevel::Standard)->trigger();
        w.form->laboratory().sprayAction()->trigger();
        // The droplet seen nearest the centre that −40 kV lifts.
        const Spray& cloud = *w.simulation().laboratory().chamber().current();
        for (const int id : cloud.visibleByDistance())
            if (cloud.droplet(id)->charge >= 2 && cloud.droplet(id)->charge <= 8) {
                w.form->laboratory().microscopeWindow()->view()->select(id);
                break;
            }
        std::printf("spray of %zu droplets; droplet %d chosen\n", cloud.droplets().size(),
                    w.simulation().laboratory().chosen());
    }
    w.form->laboratory().showJournal();
    w.widgets().coordinateOption->setChecked(true);
    QApplication::processEvents();
    const double startMiB = statusMiB("VmRSS:");
    Holder holder(w, minutes * 60);
    w.simulation().experiment().addListener(&holder);
    w.widgets().startButton->click();
    // The held drop is stepped by the timer's beats in the event loop.
    while (w.simulation().experiment().isHolding())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    holder.report();
    std::printf("plots drawn anew %d times; journal: %zu timings\n", w.simulation().follower().redraws(),
                w.simulation().journal().journal().entries.size());
    std::printf("resident memory: %.1f MiB before, %.1f MiB after, peak %.1f MiB (target under 60 MiB)\n", startMiB,
                statusMiB("VmRSS:"), statusMiB("VmHWM:"));
    return 0;
}
