#pragma once

#include <cstdint>

/// Every variable of the main window, in one record that lives as long as the
/// window. Parameters are in SI units; the motion is computed in reduced units:
/// velocity in units of Vg, time in units of tau, length in units of Vg·tau.
/// Positive velocity and coordinate point downward, from the upper plate.
///
/// `float` fields are single precision and round every value stored in them;
/// several read-outs depend on that rounding. All fields are 0 at creation.
struct ExperimentState {
    double DD = 0;        ///< distance between the plates, m
    double Ux = 0;        ///< voltage between the plates, V (sign = polarity)
    double d = 0;         ///< droplet diameter, m
    double r = 0;         ///< density of the droplet, kg/m³
    double r0 = 0;        ///< density of the medium, kg/m³
    float eta = 0;        ///< dynamic viscosity of the medium, Pa·s
    double mass = 0;     ///< droplet mass, kg
    double Ex = 0;        ///< field strength, V/m
    float tau = 0;        ///< relaxation time of the droplet, s
    double activeChargeNumber = 0;        ///< charge number the field acts on during a run (0: no field)
    double N2 = 0;        ///< charge number before irradiation, 1..10
    std::int16_t N3 = 0;  ///< charge number after irradiation, 1..10
    double forceRatio = 0;        ///< electric force on one elementary charge / effective weight
    double Vg = 0;        ///< terminal velocity without field, m/s
    double V2max = 0;     ///< limiting velocity with charge N2, Vg
    double V3max = 0;     ///< limiting velocity with charge N3, Vg
    double viewRight = 0;   ///< right edge of the animation view, animation-view units
    double viewLeft = 0;    ///< left edge of the animation view
    double coordinateMax = 0;     ///< vertical bound reducedGap of the animation view and coordinate plot, Vg·tau
    float coordinateMin = 0;   ///< vertical bound 0 of the same surfaces, Vg·tau
    double timeRight = 0;   ///< right edge of both plots, tau
    double timeLeft = 0;    ///< left edge of both plots, tau
    double velocityTop = 0;    ///< top edge of the velocity plot, Vg
    float velocityBottom = 0;  ///< bottom edge of the velocity plot, Vg
    double viewWidth = 0;      ///< width of the animation view, animation-view units
    double runStartTime = 0;     ///< start time of a run, tau
    double plotTimeSpan = 0;     ///< time span of the plots, tau
    double timeStep = 0;    ///< time step of a run, tau
    double reducedGap = 0;       ///< distance between the plates, Vg·tau
    double velocityMin = 0;    ///< smallest velocity the plot must show, Vg
    float velocityMax = 0;     ///< largest velocity the plot must show, Vg
    double t = 0;         ///< clock of the run, tau
    double Y = 0;         ///< droplet coordinate below the upper plate, Vg·tau
    double X = 0;         ///< horizontal position of the droplet, animation-view units
    float Vy = 0;         ///< droplet velocity, Vg, positive downward
    double startUpDone = 0;  ///< start-up gate: 0 until the defaults are set, then 1
    std::int16_t wasIrradiated = 0; ///< 1 once the droplet was irradiated in the current experiment
    double i = 0;         ///< loop counter of the axis drawing
    double n = 0;         ///< number of time steps across the plate gap
    std::int16_t slowDown = 0;   ///< slow-down: each step of a run waits slowDown × 10 ms
};
