// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <deque>

/// The random source of the charges, through which the laboratory can give
/// a drop charges of its own seed. Unless numbers are queued it passes the
/// system's source on unchanged, reseeding included.
class LaboratoryRandom : public RandomSource {
public:
    explicit LaboratoryRandom(RandomSource& system) : m_system(system) {}

    /// The next draws return these, in order, and ignore the reseed.
    void queue(std::initializer_list<float> values) { m_queued.assign(values); }
    void clear() { m_queued.clear(); }

    void reseed(double seconds) override
    {
        if (m_queued.empty())
            m_system.reseed(seconds);
    }
    float next() override
    {
        if (m_queued.empty())
            return m_system.next();
        const float value = m_queued.front();
        m_queued.pop_front();
        return value;
    }

private:
    RandomSource& m_system;
    std::deque<float> m_queued;
};
