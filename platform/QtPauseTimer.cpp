// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QtPauseTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace {

constexpr qint64 NsPerMs = 1000000;

} // namespace

QtPauseTimer::QtPauseTimer()
{
    m_clock.start();
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
}

void QtPauseTimer::setEnabled(bool enabled)
{

    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    restart();
}

void QtPauseTimer::setInterval(int milliseconds)
{
    start(milliseconds, false);
}

void QtPauseTimer::setIntervalOnBeat(int milliseconds)
{
    start(milliseconds, true);
}

void QtPauseTimer::start(int milliseconds, bool onBeat)
{

    // A countdown cut short by a new interval ends here.
    if (m_timer.isActive()) {
        m_timer.stop();
        ended();
    }
    m_interval = milliseconds;
    m_onBeat = onBeat;
    restart();
}

void QtPauseTimer::ended()
{
    if (m_onBeat) {
        m_lastStepEndNs = m_clock.nsecsElapsed();
        m_lastStepDeadlineNs = m_deadlineNs;
    } else {
        // Anything else between two steps breaks the beat.
        m_lastStepEndNs = -1;
        m_lastStepDeadlineNs = -1;
    }
}

void QtPauseTimer::restart()
{
    if (!(m_enabled && m_interval > 0)) {
        if (m_timer.isActive()) {
            m_timer.stop();
            ended();
        }
        return;
    }
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 length = static_cast<qint64>(m_interval) * NsPerMs;
    qint64 start = now;
    // A step that follows the previous step closely keeps its beat.
    if (m_onBeat && m_lastStepEndNs >= 0 && now - m_lastStepEndNs < length)
        start = std::min(now, std::max(m_lastStepDeadlineNs, now - length));
    m_deadlineNs = start + length;
    m_timer.start(static_cast<int>(std::max<qint64>(0, (m_deadlineNs - now + NsPerMs / 2) / NsPerMs)));
}

void QtPauseTimer::tick()
{

    ended();
    if (onTick)
        onTick();
    // Periodic while enabled, as a timer is, unless the handler set it anew:
    // the next tick one interval after this one's deadline.
    if (m_enabled && m_interval > 0 && !m_timer.isActive()) {
        m_deadlineNs += static_cast<qint64>(m_interval) * NsPerMs;
        const qint64 now = m_clock.nsecsElapsed();
        m_timer.start(static_cast<int>(std::max<qint64>(0, (m_deadlineNs - now + NsPerMs / 2) / NsPerMs)));
    }
}

void QtPauseTimer::processEvents()
{
#ifdef Q_OS_WASM
    // A browser's page waits in no handler (it would never get back to the
    // browser): its runs go on the beat and its displays end at deadlines, so
    // no pause waits there; what is pending only.
    QCoreApplication::processEvents();
#else
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
#endif
}
