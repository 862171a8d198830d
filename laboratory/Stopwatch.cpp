// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Stopwatch.h"

#include <cmath>

Stopwatch::Stopwatch(std::function<Moment()> moment, QObject* parent) : QObject(parent), m_moment(std::move(moment)) {}

int Stopwatch::hundredths(double seconds)
{
    // A hair's breadth up, so that 0.29 s computed as 0.28999… still reads 0.29.
    return static_cast<int>(std::floor(seconds * 100 + 1e-6));
}

int Stopwatch::reading() const
{
    if (!m_running)
        return m_shown;
    return hundredths(m_moment().seconds) - m_lapStarted;
}

int Stopwatch::total() const
{
    if (!m_running)
        return m_shownTotal;
    return hundredths(m_moment().seconds) - m_started;
}

void Stopwatch::startStop()
{
    const Moment now = m_moment();
    if (m_running) {
        endTiming(now);
        m_shown = hundredths(now.seconds) - m_lapStarted;
        m_shownTotal = hundredths(now.seconds) - m_started;
        m_running = false;
    } else {
        m_started = m_lapStarted = hundredths(now.seconds);
        m_lapStart = now;
        m_laps = 0;
        m_running = true;
    }
    emit changed();
}

void Stopwatch::lap()
{
    if (!m_running)
        return;
    const Moment now = m_moment();
    endTiming(now);
    m_lapStart = now;
    m_lapStarted = hundredths(now.seconds);
    ++m_laps;
    emit changed();
}

void Stopwatch::endTiming(const Moment& now)
{
    Timing t;
    t.hundredths = hundredths(now.seconds) - hundredths(m_lapStart.seconds);
    t.start = m_lapStart;
    t.end = now;
    // Two presses, each with the hand's scatter in experiment time, and two
    // readings cut to 0.01 s (a uniform error of 0.01/√12 each).
    const double a = ReactionSd * m_lapStart.rate, b = ReactionSd * now.rate;
    t.uncertainty = std::sqrt(a * a + b * b + 2 * 0.01 * 0.01 / 12);
    m_timings.push_back(t);
}

void Stopwatch::reset()
{
    m_running = false;
    m_shown = m_shownTotal = m_laps = 0;
    m_timings.clear();
    emit changed();
}

void Stopwatch::newDrop()
{
    m_running = false;
    m_shown = m_shownTotal = m_laps = 0;
    emit changed();
}

void Stopwatch::halt()
{
    if (!m_running)
        return;
    const int now = hundredths(m_moment().seconds);
    m_shown = now - m_lapStarted;
    m_shownTotal = now - m_started;
    m_running = false;
    emit changed();
}

std::vector<Stopwatch::Timing> Stopwatch::takeUnrecorded()
{
    std::vector<Timing> out;
    for (Timing& t : m_timings)
        if (!t.recorded) {
            out.push_back(t);
            t.recorded = true;
        }
    if (!out.empty())
        emit changed();
    return out;
}
