// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Parameters.h"

#include "ExperimentState.h"

#include "DropletPhysics.h"
#include "ExperimentView.h"
#include "RandomSource.h"
#include "TimeOfDay.h"

#include <cmath>

Parameters::Parameters(ExperimentState& state, ExperimentView& view, RandomSource& random, const TimeOfDay& clock)
    : m_state(state), m_view(view), m_random(random), m_clock(clock)
{
}

void Parameters::setDefaultParameters()
{
    using P = ExperimentView::Parameter;
    ExperimentState& s = m_state;
    s.DD = 16 * 1e-3;
    s.Ux = -5085;
    s.d = 1e-6 * 5.52;
    s.r = 920;
    s.r0 = 1.23;
    s.eta = static_cast<float>(1e-5 * 1.82);

    s.viewWidth = 0.2;
    s.X = s.viewWidth / 2;
    s.slowDown = 5;

    // Each input reads its value back as it is written.
    m_view.showParameter(P::PlateGap, s.DD);
    m_view.showParameter(P::Voltage, s.Ux);
    m_view.showParameter(P::Diameter, s.d);
    m_view.showParameter(P::DropletDensity, s.r);
    m_view.showParameter(P::MediumDensity, s.r0);
    m_view.showParameter(P::Viscosity, static_cast<double>(s.eta));

    m_view.setRandomCharges(true);
}

void Parameters::updateDerivedQuantities()
{
    using Physics = DropletPhysics;
    ExperimentState& s = m_state;
    m_random.reseed(m_clock.secondsSinceMidnight());

    s.mass = Physics::mass(s.r, s.d);
    s.Ex = s.Ux / s.DD;
    // Without a positive viscosity tau and Vg keep their values and are not shown.
    const bool viscous = s.eta > 0;
    if (viscous) {
        // The terminal velocity is computed from the rounded relaxation time.
        s.tau = Physics::relaxationTime(s.r, s.d, s.eta);
        s.Vg = Physics::terminalVelocity(s.tau, s.r, s.r0);
    }
    s.forceRatio = Physics::forceRatio(s.Ux, s.d, s.r, s.r0, s.DD);

    if (m_view.randomCharges()) {
        // Charges 1..10, drawn independently from single-precision uniforms.
        const float u = m_random.next();
        s.N2 = std::floor(10.0 * static_cast<double>(u) + 1.0);
        const float v = m_random.next();
        s.N3 = static_cast<std::int16_t>(std::floor(10.0 * static_cast<double>(v) + 1.0));
    }
    s.V2max = Physics::limitingVelocity(s.forceRatio, s.N2);
    s.V3max = Physics::limitingVelocity(s.forceRatio, s.N3);

    s.runStartTime = 0;
    const Physics::TimeGrid grid = Physics::timeGrid(s.DD, s.Vg, s.tau);
    s.reducedGap = grid.reducedGap;
    s.plotTimeSpan = grid.plotTimeSpan;
    s.timeStep = grid.timeStep;

    ExperimentView::DerivedQuantities shown{};
    shown.mass = s.mass;
    shown.fieldStrength = s.Ex;
    if (viscous) {
        shown.tau = s.tau;
        shown.Vg = s.Vg;
    }
    shown.forceRatio = s.forceRatio;
    shown.limitingVelocity2 = s.Vg * s.V2max;
    shown.limitingVelocity3 = s.Vg * s.V3max;
    m_view.showDerivedQuantities(shown);
    m_view.showSlowDown(s.slowDown);
}
