// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "WindowFixture.h"

#include "JournalModel.h"

#include <cstddef>

/// What a simulated session took, counted from its start: the wall time (the
/// fake clock, with the tones the program played while it waited) and the
/// drops lost.
class SessionTally {
public:
    explicit SessionTally(WindowFixture& w)
        : m_w(w), m_wallStart(w.fakes.steadyClock.now), m_tonesBefore(w.fakes.tones.tones.size())
    {
    }

    /// s.
    double wallSeconds() const
    {
        double tones = 0;
        for (std::size_t i = m_tonesBefore; i < m_w.fakes.tones.tones.size(); ++i)
            tones += m_w.fakes.tones.tones[i].second;
        return (m_w.fakes.steadyClock.now - m_wallStart + tones) / 1000;
    }

    /// The journal's drops that touched a plate.
    int lostDrops() const
    {
        int lost = 0;
        for (const JournalDrop& d : m_w.simulation().journal().journal().drops)
            lost += d.lost ? 1 : 0;
        return lost;
    }

private:
    WindowFixture& m_w;
    double m_wallStart;
    std::size_t m_tonesBefore;
};
