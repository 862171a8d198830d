#include "QtPauseTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

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
    m_interval = milliseconds;
    restart();
}

void QtPauseTimer::restart()
{
    if (!(m_enabled && m_interval > 0)) {
        if (m_timer.isActive()) {
            m_timer.stop();
            m_lastEndNs = m_clock.nsecsElapsed();
            m_lastDeadlineNs = m_deadlineNs;
        }
        return;
    }
    const qint64 now = m_clock.nsecsElapsed();
    const qint64 length = static_cast<qint64>(m_interval) * 1000000;
    // On the beat of the previous countdown when this one follows it closely.
    qint64 start = now;
    if (m_lastEndNs >= 0 && now - m_lastEndNs < length && m_lastDeadlineNs >= 0)
        start = std::min(now, std::max(m_lastDeadlineNs, now - length));
    m_deadlineNs = start + length;
    const qint64 remainingMs = std::max<qint64>(0, (m_deadlineNs - now + 500000) / 1000000);
    m_timer.start(static_cast<int>(remainingMs));
}

void QtPauseTimer::tick()
{
    m_lastEndNs = m_clock.nsecsElapsed();
    m_lastDeadlineNs = m_deadlineNs;
    if (onTick)
        onTick();
    // Periodic while enabled, as a timer is, unless the handler set it anew:
    // the next tick one interval after this one's deadline.
    if (m_enabled && m_interval > 0 && !m_timer.isActive()) {
        m_deadlineNs = m_lastDeadlineNs + static_cast<qint64>(m_interval) * 1000000;
        const qint64 now = m_clock.nsecsElapsed();
        m_timer.start(static_cast<int>(std::max<qint64>(0, (m_deadlineNs - now + 500000) / 1000000)));
    }
}

void QtPauseTimer::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
