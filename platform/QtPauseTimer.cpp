#include "QtPauseTimer.h"

#include <QCoreApplication>
#include <QEventLoop>

QtPauseTimer::QtPauseTimer()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (onTick)
            onTick();
    });
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
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

void QtPauseTimer::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
