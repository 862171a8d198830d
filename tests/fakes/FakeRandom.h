// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <deque>
#include <vector>

/// Returns preset numbers in turn (then 0); records the seeds.
class FakeRandom : public RandomSource {
public:
    std::deque<float> values;
    std::vector<double> seeds;
    void reseed(double seconds) override { seeds.push_back(seconds); }
    float next() override
    {
        if (values.empty())
            return 0.0f;
        const float v = values.front();
        values.pop_front();
        return v;
    }
};
