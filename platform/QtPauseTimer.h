// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PauseTimer.h"

#include <QElapsedTimer>
#include <QTimer>

/// The pause timer on Qt's event loop: a precise QTimer for the ticks, and
/// event processing that sleeps until the next event arrives instead of
/// spinning, so a waiting run costs next to no processor time.
///
/// The steps of a run keep a steady beat: a step's pause that starts within
/// its own length after the previous step's pause ended is counted from that
/// one's deadline, not from the moment it starts. The time a step of a run
/// takes, and the timer's own lateness, then do not add up over a run: 100
/// steps at 50 ms take 5 s, not 5 s plus 100 steps' work. Every other pause
/// (a display, a flash) lasts its whole length from the moment it starts.
///
/// In a browser no handler may wait (the page would never get back to the
/// browser): there pauses do not nest, and the runs go on its beat.
class QtPauseTimer : public PauseTimer {
public:
    QtPauseTimer();

    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override;
    void setIntervalOnBeat(int milliseconds) override;
    void processEvents() override;
#ifdef Q_OS_WASM
    bool allowsNestedPauses() const override
    {
        return false;
    }
#endif

private:
    void start(int milliseconds, bool onBeat);
    void restart();
    void tick();
    /// Notes the end of the running countdown.
    void ended();

    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_enabled = false;
    int m_interval = 1;
    bool m_onBeat = false;       ///< the running countdown is a step of a paced sequence
    qint64 m_deadlineNs = -1;    ///< when the running countdown ends
    qint64 m_lastStepEndNs = -1; ///< when the last step's countdown ended
    qint64 m_lastStepDeadlineNs = -1;
};
