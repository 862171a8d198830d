// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FakeSteadyClock.h"
#include "PauseTimer.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

/// Pauses of zero length: each call of processEvents is one "moment" of a
/// pause, in which the test's scheduled action for that moment runs; then the
/// timer ticks, ending the pause. Moments are numbered from 1 in order.
class FakePauseTimer : public PauseTimer {
public:
    bool isEnabled() const override { return m_enabled; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override
    {
        m_interval = milliseconds;
        if (milliseconds > 0)
            intervals.push_back(milliseconds);
    }
    void setIntervalOnBeat(int milliseconds) override
    {
        setInterval(milliseconds);
        if (milliseconds > 0)
            ++onBeat;
    }

    void processEvents() override
    {
        ++pauses;
        const int current = pauses;
        if (auto it = during.find(current); it != during.end()) {
            auto action = std::move(it->second);
            during.erase(it);
            action();
        }
        if (everyPause)
            everyPause(current);
        if (m_enabled && m_interval > 0 && onTick) {
            if (clock)
                clock->now += m_interval;
            onTick();
        }
    }

    /// Moments one after another while `going` (a held run is stepped at
    /// each of them, as the real timer's beats step it), at most `most`.
    void runWhile(const std::function<bool()>& going, int most = 10000000)
    {
        for (int i = 0; i < most && going(); ++i)
            processEvents();
    }
    /// Actions to run during moment N.
    std::map<int, std::function<void()>> during;
    /// Runs during every moment, with its number.
    std::function<void(int)> everyPause;
    /// Every non-zero interval requested, in ms.
    std::vector<int> intervals;
    int pauses = 0;
    /// How many of the intervals were steps on the beat.
    int onBeat = 0;
    /// Moved on by each pause's length when it ends (none: no wall time).
    FakeSteadyClock* clock = nullptr;

private:
    bool m_enabled = false;
    int m_interval = 1;
};
