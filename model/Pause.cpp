// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pause.h"

#include "Lifetime.h"
#include "PauseTimer.h"

#include <cmath>

Pause::Pause(PauseTimer& timer, const Lifetime& lifetime) : m_timer(timer), m_lifetime(lifetime) {}

void Pause::wait(double seconds)
{
    wait(seconds, false);
}

void Pause::waitOnBeat(double seconds)
{
    wait(seconds, true);
}

void Pause::wait(double seconds, bool onBeat)
{
    const int milliseconds = static_cast<int>(std::lround(seconds * 1000));
    ++m_waiting;
    m_timer.setEnabled(true);
    if (onBeat)
        m_timer.setIntervalOnBeat(milliseconds);
    else
        m_timer.setInterval(milliseconds);
    while (m_timer.interval() > 0 && !m_lifetime.isEnding())
        m_timer.processEvents();
    m_timer.setEnabled(false);
    --m_waiting;
}

void Pause::endPause()
{
    m_timer.setInterval(0);
}
