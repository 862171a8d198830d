// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropSizeDistribution.h"

#include "SeededRandom.h"

#include <cmath>

double DropSizeDistribution::draw(SeededRandom& random)
{
    // Outside the limits: drawn again (the truncated distribution).
    for (;;) {
        const double d = Median * std::exp(std::log(GeometricSd) * random.normal());
        if (d >= Smallest && d <= Largest)
            return d;
    }
}
