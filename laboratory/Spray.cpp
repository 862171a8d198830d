// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Spray.h"

#include "AirViscosity.h"
#include "BrownianMotion.h"
#include "DropSizeDistribution.h"
#include "DropletPhysics.h"

#include <algorithm>
#include <cmath>

namespace {

/// Streams of a droplet's seed.
enum : std::uint64_t { Looks = 1, Kicks = 2 };

/// A droplet's charge number, after its diameter from its draws.
int drawCharge(SeededRandom& draws)
{
    if (draws.uniform() < Spray::NeutralShare)
        return 0;
    int charge = 1;
    while (charge < Spray::MaxCharge && draws.uniform() < Spray::ChargeContinuation)
        ++charge;
    return charge;
}

/// A droplet's own draws: its diameter, then its charge.
SeededRandom looks(std::uint64_t seed, int id)
{
    return SeededRandom(SeededRandom::derive(SeededRandom::derive(seed, static_cast<std::uint64_t>(id)), Looks));
}

} // namespace

int Spray::countOf(std::uint64_t seed)
{
    SeededRandom count(SeededRandom::derive(seed, 0));
    return Fewest + static_cast<int>(count.uniform() * (Most - Fewest + 1));
}

int Spray::chargeOf(std::uint64_t seed, int id)
{
    SeededRandom draws = looks(seed, id);
    DropSizeDistribution::draw(draws);
    return drawCharge(draws);
}

Spray::Spray(const SetupParameters& setup, std::uint64_t seed, RealismLevel level, bool brownian, double temperature)
    : m_setup(setup), m_level(level), m_brownian(brownian && level != RealismLevel::Ideal), m_temperature(temperature)
{
    const int n = countOf(seed);
    const double radius = FieldRadius * setup.DD;
    for (int id = 1; id <= n; ++id) {
        const std::uint64_t own = SeededRandom::derive(seed, static_cast<std::uint64_t>(id));
        SeededRandom draws(SeededRandom::derive(own, Looks));
        Droplet droplet;
        droplet.id = id;
        droplet.d = DropSizeDistribution::draw(draws);
        droplet.charge = drawCharge(draws);
        // In the upper part of the field of view, across its chord there.
        droplet.Y = setup.DD * (0.1 + 0.12 * draws.uniform());
        const double chord = std::sqrt(radius * radius - std::pow(droplet.Y - setup.DD / 2, 2));
        droplet.X = chord * 0.9 * (2 * draws.uniform() - 1);
        droplet.Z = DepthSpread * draws.normal();
        m_droplets.push_back(droplet);
        m_kicks.emplace_back(SeededRandom::derive(own, Kicks));
    }
}

const Spray::Droplet* Spray::droplet(int id) const
{
    return id >= 1 && id <= static_cast<int>(m_droplets.size()) ? &m_droplets[static_cast<std::size_t>(id - 1)]
                                                                : nullptr;
}

double Spray::temperature() const
{
    if (m_level != RealismLevel::Full)
        return m_temperature;
    return m_temperature + LampWarming * (1 - std::exp(-m_time / LampTime));
}

double Spray::viscosity() const
{
    if (m_level != RealismLevel::Full)
        return static_cast<double>(m_setup.eta);
    // The air's own law, scaled so that at the spray it is the setup's.
    return static_cast<double>(m_setup.eta) * AirViscosity::at(temperature()) / AirViscosity::at(m_temperature);
}

double Spray::velocity(const Droplet& droplet, double Ux) const
{
    const SetupParameters& s = m_setup;
    const double tau = DropletPhysics::unroundedRelaxationTime(s.r, droplet.d, static_cast<float>(viscosity()));
    const double Vg = DropletPhysics::G * tau * (1 - s.r0 / s.r);
    const double a = DropletPhysics::forceRatio(Ux, droplet.d, s.r, s.r0, s.DD);
    return Vg * DropletPhysics::limitingVelocity(a, droplet.charge);
}

void Spray::step(double seconds, double Ux)
{
    const double eta = viscosity(), T = temperature();
    const double radius = FieldRadius * m_setup.DD;
    const double shrink = m_level == RealismLevel::Full ? std::exp(-EvaporationRate * seconds) : 1;
    for (std::size_t i = 0; i < m_droplets.size(); ++i) {
        Droplet& droplet = m_droplets[i];
        if (droplet.gone)
            continue;
        if (!droplet.held)
            droplet.Y += velocity(droplet, Ux) * seconds;
        if (m_brownian) {
            // The same three draws either way: what becomes of the others
            // does not depend on which one is held.
            SeededRandom& kicks = m_kicks[i];
            const double dX = BrownianMotion::displacement(droplet.d, eta, seconds, kicks, T);
            const double dY = BrownianMotion::displacement(droplet.d, eta, seconds, kicks, T);
            droplet.Z += BrownianMotion::displacement(droplet.d, eta, seconds, kicks, T);
            if (!droplet.held) {
                droplet.X += dX;
                droplet.Y += dY;
            }
        }
        droplet.d *= shrink;
        if (!droplet.held)
            droplet.gone = droplet.Y <= 0 || droplet.Y >= m_setup.DD || std::fabs(droplet.X) > radius;
    }
    m_time += seconds;
}

void Spray::hold(int id)
{
    if (id >= 1 && id <= static_cast<int>(m_droplets.size()))
        m_droplets[static_cast<std::size_t>(id - 1)].held = true;
}

void Spray::place(int id, double Y)
{
    if (id >= 1 && id <= static_cast<int>(m_droplets.size()))
        m_droplets[static_cast<std::size_t>(id - 1)].Y = Y;
}

void Spray::release(int id, bool lost)
{
    if (id < 1 || id > static_cast<int>(m_droplets.size()))
        return;
    Droplet& droplet = m_droplets[static_cast<std::size_t>(id - 1)];
    droplet.held = false;
    droplet.gone = droplet.gone || lost;
}

double Spray::diameterAt(std::uint64_t seed, int id, RealismLevel level, double t)
{
    // Only the droplet's own draws: the same diameter the spray gave it.
    SeededRandom draws = looks(seed, id);
    const double d = DropSizeDistribution::draw(draws);
    return level == RealismLevel::Full ? d * std::exp(-EvaporationRate * t) : d;
}

double Spray::fullLevelDrift(double t, double active, double a, double timeStep)
{
    constexpr double Room = 293.15; // K
    const double shrink = std::exp(-EvaporationRate * t);
    const double warmed = Room + LampWarming * (1 - std::exp(-t / LampTime));
    const double thinner = AirViscosity::at(Room) / AirViscosity::at(warmed);
    const double v =
        thinner * shrink * shrink * DropletPhysics::limitingVelocity(a / (shrink * shrink * shrink), active);
    return (v - DropletPhysics::limitingVelocity(a, active)) * timeStep;
}

double Spray::sharpness(const Droplet& droplet) const
{
    const double off = std::fabs(droplet.Z - m_focus);
    if (off > VisibleDepth)
        return 0;
    return std::exp(-off * off / (2 * DepthOfField * DepthOfField));
}

bool Spray::inView(const Droplet& droplet) const
{
    const double radius = FieldRadius * m_setup.DD;
    const double dy = droplet.Y - m_setup.DD / 2;
    return !droplet.gone && droplet.X * droplet.X + dy * dy <= radius * radius;
}

bool Spray::visible(const Droplet& droplet) const
{
    return inView(droplet) && sharpness(droplet) > 0;
}

std::vector<int> Spray::visibleByDistance() const
{
    std::vector<const Droplet*> seen;
    for (const Droplet& d : m_droplets)
        if (visible(d))
            seen.push_back(&d);
    const double centre = m_setup.DD / 2;
    std::stable_sort(seen.begin(), seen.end(), [centre](const Droplet* a, const Droplet* b) {
        return std::hypot(a->X, a->Y - centre) < std::hypot(b->X, b->Y - centre);
    });
    std::vector<int> ids;
    for (const Droplet* d : seen)
        ids.push_back(d->id);
    return ids;
}
