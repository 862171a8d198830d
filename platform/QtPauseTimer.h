#pragma once

#include "PauseTimer.h"

#include <QElapsedTimer>
#include <QTimer>

/// The pause timer on Qt's event loop: a precise QTimer for the ticks, and
/// event processing that sleeps until the next event arrives instead of
/// spinning, so a waiting run costs next to no processor time.
///
/// Pauses that follow one another closely keep a steady beat: a pause that
/// starts within its own length after the previous one ended is counted from
/// that one's deadline, not from the moment it starts. The time a step of a
/// run takes, and the timer's own lateness, then do not add up over a run:
/// 100 steps at 50 ms take 5 s, not 5 s plus 100 steps' work.
class QtPauseTimer : public PauseTimer {
public:
    QtPauseTimer();

    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override;
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override;
    void processEvents() override;

private:
    void restart();
    void tick();

    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_enabled = false;
    int m_interval = 1;
    qint64 m_deadlineNs = -1;  ///< when the running countdown ends
    qint64 m_lastEndNs = -1;   ///< when the last countdown ended
    qint64 m_lastDeadlineNs = -1;
};
