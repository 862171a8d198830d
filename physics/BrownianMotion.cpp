// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BrownianMotion.h"

#include "SeededRandom.h"

#include <cmath>
#include <numbers>

double BrownianMotion::diffusionCoefficient(double d, double eta, double T)
{
    return Boltzmann * T / (6 * std::numbers::pi * eta * (d / 2));
}

double BrownianMotion::displacementVariance(double d, double eta, double seconds, double T)
{
    return 2 * diffusionCoefficient(d, eta, T) * seconds;
}

double BrownianMotion::displacement(double d, double eta, double seconds, SeededRandom& random, double T)
{
    return std::sqrt(displacementVariance(d, eta, seconds, T)) * random.normal();
}
