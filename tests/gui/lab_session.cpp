// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A student's laboratory session in the real window (offscreen), for the
// pictures of the documentation: ten unknown drops with Brownian motion at
// −12 kV and the slowest pace, each timed with the stopwatch's keys over
// whole bands of the reticle in free fall, with its first charge and after
// an irradiation. The student's hand presses each key a reaction time after
// the droplet reaches a line: 0.2 s on average with a scatter of 0.05 s of
// wall time, which the pace turns into experiment time. Then the journal's
// tabs are saved as pictures:
//   lab_session OUTPUT_DIR   →   OUTPUT_DIR/laboratory-journal.png (the
//   finding of e with its plots), laboratory-measurements.png (the timings)
// and the result is printed.

#include "WindowFixture.h"

#include "JournalModel.h"
#include "JournalStore.h"
#include "JournalWindow.h"
#include "LaboratoryWindows.h"
#include "SeededRandom.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <cmath>
#include <cstdio>
#include <optional>
#include <set>

namespace {

/// The student: presses a key a reaction time after the droplet reaches a
/// band's line, in the experiment's time as the stopwatch reads it.
class Student {
public:
    explicit Student(WindowFixture& w) : m_w(w), m_hand(20261208) {}

    /// Called in the pause after every step.
    void atStep(int step)
    {
        const ExperimentState& s = m_w.state();
        const double stepSeconds = s.timeStep * static_cast<double>(s.tau);
        const double pauseSeconds = s.slowDown * 0.01;
        const double band = s.reducedGap / 10;
        // A line reached during this step: when, in experiment seconds.
        const int before = static_cast<int>(std::floor(m_lastY / band)), now = static_cast<int>(std::floor(s.Y / band));
        if (step > 1 && before != now && m_plan) {
            const double line = (now > before ? now : before) * band;
            const double f = (line - m_lastY) / (s.Y - m_lastY);
            const double crossed = (step - 1 + f) * stepSeconds;
            // Lines are counted once: a drop that Brownian motion carries
            // back and forth across a line has not gone on to the next.
            const int index = static_cast<int>(std::lround(line / band));
            if (m_pressesLeft > 0 && m_seen.insert(index).second) {
                if (static_cast<int>(m_seen.size()) == m_plan->wait + 1) {
                    m_startLine = index;
                    schedule(crossed, m_plan->first);
                } else if (m_pressesLeft == 1 && std::abs(index - m_startLine) == m_plan->bands) {
                    schedule(crossed, m_plan->second);
                }
            }
        }
        m_lastY = s.Y;
        // The press, when its moment falls into this step's pause.
        if (m_pending && *m_pending < (step + 1) * stepSeconds) {
            const double fraction = *m_pending / stepSeconds - step;
            const double wall = m_w.fakes.steadyClock.now;
            m_w.fakes.steadyClock.now = wall + fraction * pauseSeconds * 1000;
            QTest::keyClick(m_w.form.get(), m_key);
            m_w.fakes.steadyClock.now = wall;
            m_pending.reset();
            if (--m_pressesLeft == 0)
                m_plan.reset();
        }
        if (m_action && step >= m_actionStep) {
            const Qt::Key key = *m_action;
            m_action.reset();
            QTest::keyClick(m_w.form.get(), key);
        }
    }

    /// Times `bands` bands after letting `wait` lines pass.
    void timeBands(int wait, int bands)
    {
        m_w.form->laboratory().stopwatchWindow()->bandsBox()->setValue(bands);
        m_plan = Plan{wait, bands, Qt::Key_F8, Qt::Key_F8};
        m_seen.clear();
        m_pressesLeft = 2;
    }
    bool timing() const { return m_plan.has_value() || m_pending.has_value(); }
    /// Presses `key` once the run has reached `step`.
    void pressAt(int step, Qt::Key key)
    {
        m_actionStep = step;
        m_action = key;
    }
    void reset() { m_lastY = 0; }

private:
    struct Plan {
        int wait;
        int bands;
        Qt::Key first, second;
    };
    void schedule(double crossed, Qt::Key key)
    {
        const ExperimentState& s = m_w.state();
        const double rate = s.timeStep * static_cast<double>(s.tau) / (s.slowDown * 0.01);
        m_pending = crossed + rate * (0.2 + 0.05 * m_hand.normal());
        m_key = key;
    }

    WindowFixture& m_w;
    SeededRandom m_hand;
    double m_lastY = 0;
    std::optional<Plan> m_plan;
    std::set<int> m_seen;
    int m_startLine = 0;
    int m_pressesLeft = 0;
    std::optional<double> m_pending;
    Qt::Key m_key = Qt::Key_F8;
    std::optional<Qt::Key> m_action;
    int m_actionStep = 0;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    WindowFixture::setUpApplication();
    QDir(JournalStore::defaultFolder()).removeRecursively();
    WindowFixture w;
    w.show();
    w.widgets().voltageEdit->setText(QStringLiteral("-12000"));
    w.widgets().slowDownScrollBar->setValue(9);
    w.fakes.random.values = {};
    Laboratory& lab = w.simulation().laboratory();
    lab.setSeed(7);
    w.form->menus().laboratoryMode->trigger();
    w.form->menus().unknownDrop->trigger();
    w.form->menus().brownian->trigger();

    Student student(w);
    const RunRecord& record = w.simulation().record();
    for (int drop = 0; drop < 10; ++drop) {
        // Free fall over four bands from the first line; the voltage, and two
        // bands with the first charge from the next line; the light, and two
        // bands (short enough for the droplet to stay between the plates).
        int stage = 0;
        student.reset();
        student.timeBands(0, 4);
        w.fakes.timer.everyPause = [&, last = -1](int) mutable {
            const int step = static_cast<int>(record.points().size()) - 1;
            if (step == last || step < 1)
                return;
            last = step;
            student.atStep(step);
            if (stage == 0 && !student.timing()) {
                QTest::keyClick(w.form.get(), Qt::Key_F12);
                QTest::keyClick(w.form.get(), Qt::Key_F6);
                student.timeBands(0, 2);
                stage = 1;
            } else if (stage == 1 && !student.timing()) {
                QTest::keyClick(w.form.get(), Qt::Key_F12);
                student.pressAt(step + 2, Qt::Key_F7);
                student.timeBands(0, 2);
                stage = 2;
            } else if (stage == 2 && !student.timing()) {
                QTest::keyClick(w.form.get(), Qt::Key_F12);
                stage = 3;
            }
        };
        QTest::keyClick(w.form.get(), Qt::Key_F5);
        QTest::keyClick(w.form.get(), Qt::Key_F12);
    }
    w.fakes.timer.everyPause = {};

    JournalWindow* journal = w.form->laboratory().journalWindow();
    journal->resize(1000, 640);
    journal->show();
    if (!QTest::qWaitForWindowExposed(journal))
        return 1;
    journal->tabs()->setCurrentIndex(2);
    QTest::qWait(200);
    journal->grab().save(QDir(out).filePath(QStringLiteral("laboratory-journal.png")));
    journal->tabs()->setCurrentIndex(0);
    QTest::qWait(100);
    journal->grab().save(QDir(out).filePath(QStringLiteral("laboratory-measurements.png")));
    const Journal& j = w.simulation().journal().journal();
    std::printf("%zu drops, %zu timings\n%s\n", j.drops.size(), j.entries.size(),
                qPrintable(journal->result()->text()));
    return 0;
}
