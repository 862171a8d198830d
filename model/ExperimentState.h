// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SetupParameters.h"

#include <cstdint>

/// Every variable of the experiment, in one record. The experiment engine
/// (Experiment) owns it and alone writes it; everyone else reads it.
///
/// Notation. The physics keeps the textbook symbols:
///   DD    distance between the plates, m
///   Ux    voltage between the plates, V (its sign gives the polarity)
///   d     droplet diameter, m
///   r     density of the droplet, kg/m³
///   r0    density of the medium, kg/m³
///   eta   dynamic viscosity of the medium, Pa·s
///   Ex    field strength Ux/DD, V/m
///   tau   relaxation time of the droplet r·d²/(18·eta), s
///   Vg    terminal velocity without field g·tau·(1 − r0/r), m/s
///   N2    charge number before irradiation, N3 after (elementary charges, 1..10;
///         a held droplet's N3 is its charge after the last irradiation, of
///         either sign)
///   V2max limiting velocity with charge N2, V3max with N3, in units of Vg
///   X, Y  droplet position: X across the animation view (its own units), Y the
///         coordinate below the upper plate, in units of Vg·tau
///   Vy    droplet velocity, in units of Vg, positive downward
///   t     the run's clock, in units of tau
/// The motion is computed in these reduced units: velocity in Vg, time in tau,
/// length in Vg·tau. Positive velocity and coordinate point downward.
///
/// `float` fields are single precision and round every value stored in them;
/// several read-outs depend on that rounding. All fields are 0 at creation.
struct ExperimentState {
    // The six parameters of the setup.
    double DD = 0;
    double Ux = 0;
    double d = 0;
    double r = 0;
    double r0 = 0;
    float eta = 0;

    // Derived quantities.
    double mass = 0; ///< droplet mass, kg
    double Ex = 0;
    float tau = 0;
    double Vg = 0;
    double forceRatio = 0; ///< electric force on one elementary charge over the droplet's effective weight
    double N2 = 0;
    std::int16_t N3 = 0;
    double V2max = 0;
    double V3max = 0;

    // Time grid of a run, reduced units.
    double reducedGap = 0;   ///< distance between the plates, Vg·tau
    double runStartTime = 0; ///< where a run's clock starts, tau
    double plotTimeSpan = 0; ///< time span of the plots, tau
    double timeStep = 0;     ///< time step of a run, tau

    // The animation view's own horizontal units.
    double viewWidth = 0; ///< width of the animation view, in its own units

    // The run.
    double activeChargeNumber = 0; ///< charge number the field acts on (0: no field)
    double t = 0;
    double X = 0;
    double Y = 0;
    float Vy = 0;
    std::int16_t slowDown = 0; ///< each step of a run waits slowDown × 10 ms
    bool holding = false;      ///< the run holds the droplet between the plates (laboratory)
    bool fieldOn = false;      ///< the field acts on the droplet
    bool reversed = false;     ///< the polarity of the plates is reversed (held runs)
    int chargeState = 0;       ///< irradiations of the droplet in this run so far

    // Flags.
    double startUpDone = 0;         ///< start-up gate: 0 until the defaults are set, then 1
    std::int16_t wasIrradiated = 0; ///< 1 once the droplet was irradiated in the current experiment

    /// The six parameters of the setup as one value.
    SetupParameters setup() const { return {DD, Ux, d, r, r0, eta}; }
};
