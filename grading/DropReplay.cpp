// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DropReplay.h"

#include "BrownianMotion.h"
#include "DropletPhysics.h"
#include "Laboratory.h"
#include "ModelRange.h"
#include "SeededRandom.h"
#include "SlipCorrection.h"
#include "Spray.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

std::optional<DropReplay> DropReplay::of(const JournalDrop& drop, double seconds)
{
    using P = DropletPhysics;
    SetupParameters setup = drop.setup;
    const DropSource::Drop drawn = Laboratory::drawDrop(setup, drop.seed, drop.diameterHidden);
    if (drop.caught) {
        // A droplet of a spray: its size the spray gave it, less what evaporated.
        setup.d = Spray::diameterAt(drop.caught->spraySeed, drop.caught->droplet,
                                    drop.level.value_or(RealismLevel::Standard), drop.caught->sprayTime);
    } else if (drop.diameterHidden) {
        if (!drawn.diameter)
            return std::nullopt;
        setup.d = *drawn.diameter;
    }
    if (!ModelRange::computable(setup) || !(seconds >= 0))
        return std::nullopt;
    // The drag: Stokes', or with the slip of the air at the drop's pressure.
    const std::optional<double> slip = drop.slipCorrection && drop.pressure ? drop.pressure : std::optional<double>();
    const double etaKicks = slip
                                ? SlipCorrection::effectiveViscosity(static_cast<double>(setup.eta), *slip, setup.d / 2)
                                : static_cast<double>(setup.eta);
    const float etaDrag = slip ? static_cast<float>(etaKicks) : setup.eta;
    const double temperature = slip && drop.temperature ? *drop.temperature : BrownianMotion::Temperature;
    const float tau = P::relaxationTime(setup.r, setup.d, etaDrag);
    const double Vg = P::terminalVelocity(tau, setup.r, setup.r0);
    const P::TimeGrid grid = P::timeGrid(setup.DD, Vg, tau);
    const double unit = Vg * static_cast<double>(tau); // m per reduced length

    DropReplay replay;
    replay.m_stepSeconds = grid.timeStep * static_cast<double>(tau);
    if (!(replay.m_stepSeconds > 0) || !(unit > 0))
        return std::nullopt;
    SeededRandom kicks(Laboratory::kicksSeed(drop.seed));
    SeededRandom ions(Laboratory::ionsSeed(drop.seed));
    const double N2 =
        drop.startCharge ? *drop.startCharge : Laboratory::drawnCharge(setup, drop.seed, drop.diameterHidden);
    double N3 = 0;
    int chargeState = 0;
    bool fieldOn = false, reversed = false;
    double forceRatio = P::forceRatio(setup.Ux, setup.d, setup.r, setup.r0, setup.DD);
    float Vy = 0;
    // A caught droplet starts where it was caught, within the gap.
    double Y = drop.caught ? P::heldStart(drop.caught->depth, unit, grid.reducedGap) : 0;
    replay.m_Y.push_back(Y * unit);
    const bool full = drop.level == RealismLevel::Full;
    std::size_t next = 0;
    const auto limit = static_cast<std::size_t>(std::min(seconds, MaxSeconds) / replay.m_stepSeconds + 2);
    for (std::size_t k = 1; k <= limit; ++k) {
        // The changes made after step k − 1 act from step k on.
        for (; next < drop.events.size()
               && std::llround(drop.events[next].t / replay.m_stepSeconds) <= static_cast<long long>(k) - 1;
             ++next) {
            const DropEvent& e = drop.events[next];
            if (e.kind == DropEvent::Kind::Light) {
                const int before = static_cast<int>(chargeState == 0 ? N2 : N3);
                N3 = static_cast<std::int16_t>(Laboratory::chargeAfterLight(before, ions, full, fieldOn));
                ++chargeState;
            } else {
                fieldOn = e.field != FieldState::Off;
                if (fieldOn)
                    reversed = e.field == FieldState::Reversed;
                if (e.voltage != setup.Ux) {
                    setup.Ux = e.voltage;
                    forceRatio = P::forceRatio(setup.Ux, setup.d, setup.r, setup.r0, setup.DD);
                }
            }
        }
        const double charge = chargeState == 0 ? N2 : N3;
        const double active = !fieldOn ? 0 : reversed ? -charge : charge;
        const P::Motion motion = P::step(Vy, Y, grid.timeStep, active, forceRatio);
        Vy = motion.Vy;
        Y = motion.Y;
        if (drop.brownian)
            Y += BrownianMotion::displacement(setup.d, etaKicks, grid.timeStep * static_cast<double>(tau), kicks,
                                              temperature)
                 / unit;
        if (full)
            Y += Spray::fullLevelDrift((drop.caught ? drop.caught->sprayTime : 0)
                                           + static_cast<double>(k - 1) * replay.m_stepSeconds,
                                       active, forceRatio, grid.timeStep);
        replay.m_Y.push_back(Y * unit);
        // A held droplet stays until it touches a plate.
        if (!(Y >= 0 && Y < grid.reducedGap))
            break;
    }
    return replay;
}

std::optional<double> DropReplay::positionAt(double t) const
{
    const double k = t / m_stepSeconds;
    if (!(k >= 0) || k > static_cast<double>(m_Y.size() - 1))
        return std::nullopt;
    const auto i = static_cast<std::size_t>(std::floor(k));
    if (i + 1 >= m_Y.size())
        return m_Y.back();
    const double f = k - static_cast<double>(i);
    return m_Y[i] + f * (m_Y[i + 1] - m_Y[i]);
}

std::optional<double> DropReplay::timeToCover(double t, double distance) const
{
    const std::optional<double> from = positionAt(t);
    if (!from || distance == 0)
        return std::nullopt;
    const double target = *from + distance;
    const bool down = distance > 0;
    // The first step past the target, then the moment within it.
    for (auto i = static_cast<std::size_t>(std::floor(t / m_stepSeconds)); i + 1 < m_Y.size(); ++i) {
        const double a = i * m_stepSeconds < t ? *from : m_Y[i], b = m_Y[i + 1];
        if (down ? b >= target : b <= target) {
            const double start = std::max(t, static_cast<double>(i) * m_stepSeconds);
            const double fraction = b == a ? 0 : (target - a) / (b - a);
            const double end = start + fraction * (static_cast<double>(i + 1) * m_stepSeconds - start);
            return end - t;
        }
    }
    return std::nullopt;
}
