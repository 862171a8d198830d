// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SprayChamber.h"

#include "DropSizeDistribution.h"
#include "DropletPhysics.h"
#include "ExperimentState.h"

#include <algorithm>

SprayChamber::SprayChamber(const ExperimentState& state) : m_state(state) {}

SprayChamber::~SprayChamber() = default;

void SprayChamber::spray(std::uint64_t seed, RealismLevel level, bool brownian, double temperature)
{
    m_spray = std::make_unique<Spray>(m_state.setup(), seed, level, brownian, temperature);
    ++m_sprays;
}

double SprayChamber::rate() const
{
    const SetupParameters s = m_state.setup();
    const double tau = DropletPhysics::unroundedRelaxationTime(s.r, DropSizeDistribution::Median, s.eta);
    const double Vg = DropletPhysics::G * tau * (1 - s.r0 / s.r);
    const double stepSeconds = s.DD / Vg / DropletPhysics::StepsAcrossGap;
    const double pause = std::max<int>(m_state.slowDown, 1) * 0.010;
    return stepSeconds / pause;
}

double SprayChamber::voltage() const
{
    return !m_state.fieldOn ? 0 : m_state.reversed ? -m_state.Ux : m_state.Ux;
}

void SprayChamber::advance(double wallSeconds)
{
    if (m_spray)
        m_spray->step(wallSeconds * rate(), voltage());
}
