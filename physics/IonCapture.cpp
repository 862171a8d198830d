// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "IonCapture.h"

#include "SeededRandom.h"

#include <cstdlib>

int IonCapture::next(int charge, SeededRandom& random)
{
    const double u = random.uniform();
    const int size = u < 0.6 ? 1 : u < 0.9 ? 2 : 3;
    const int change = random.uniform() < 0.5 ? -size : size;
    return std::abs(charge + change) <= MaxCharge ? charge + change : charge - change;
}
