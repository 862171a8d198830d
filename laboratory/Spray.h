// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RealismLevel.h"
#include "SeededRandom.h"
#include "SetupParameters.h"

#include <cstdint>
#include <vector>

/// A cloud of oil droplets sprayed between the plates, as the microscope
/// sees it. Each droplet has its own size, charge and stream of random
/// numbers (from the spray's seed and its number), so that what becomes of
/// one does not depend on the others.
///
/// The spray: Fewest…Most droplets (uniform), diameters lognormal around the
/// program's default size (DropSizeDistribution: median 5.5 µm, geometric
/// standard deviation 1.15, 4…7.5 µm); charge numbers N: none with the
/// probability NeutralShare, else geometric, P(N = n) = (1 − c)·c^(n − 1) with
/// c = ChargeContinuation (mean 1/(1 − c) ≈ 3.3: mostly a few e, now and then
/// ten or more), at most MaxCharge. They appear near the upper plate
/// (0.1…0.22 of the gap below it), across the field of view there, at depths
/// normal around the focal plane (σ = DepthSpread).
///
/// Motion: a droplet's relaxation time (tens of µs) is far below a step, so
/// each step it moves at its limiting velocity v = Vg·(1 + N·a) (Stokes' law,
/// a the force of one e's field over the weight), plus, with Brownian
/// motion, a thermal displacement in each of X, Y and depth Z of variance
/// 2·D·Δt. It is gone when it touches a plate or leaves the field of view
/// sideways.
///
/// At the Full level: evaporation, the diameter shrinking as
/// d(t) = d0·e^(−EvaporationRate·t) (the fall slowing twice as fast); and the
/// lamp warming the chamber, T(t) = T0 + LampWarming·(1 − e^(−t/LampTime)),
/// with the air's viscosity at T (Sutherland's law).
class Spray {
public:
    struct Droplet {
        int id = 0;     ///< 1, 2, … in the order sprayed: kept for the droplet's life
        double d = 0;   ///< diameter, m
        int charge = 0; ///< charge number N
        double X = 0;   ///< across the view, from its centre, m
        double Y = 0;   ///< below the upper plate, m
        double Z = 0;   ///< depth, from the focal plane at its rest position, m
        bool gone = false;
        /// Caught: held between the plates, its height the held run's (place()).
        bool held = false;
    };

    static constexpr int Fewest = 30;
    static constexpr int Most = 100;
    static constexpr double NeutralShare = 0.1;
    static constexpr double ChargeContinuation = 0.7;
    static constexpr int MaxCharge = 60;
    /// σ of the depth at spraying, m.
    static constexpr double DepthSpread = 30e-6;
    /// Depth of field, m: beyond it from the focus a droplet blurs and dims.
    static constexpr double DepthOfField = 8e-6;
    /// Beyond this from the focus a droplet is not seen at all, m.
    static constexpr double VisibleDepth = 3 * DepthOfField;
    /// The field of view's radius, as a share of the plate gap, centred in the gap.
    static constexpr double FieldRadius = 0.45;
    /// 1/s: over ten minutes the diameter shrinks by 1.2 %.
    static constexpr double EvaporationRate = 2e-5;
    /// K, and its time constant, s.
    static constexpr double LampWarming = 4;
    static constexpr double LampTime = 900;

    /// A spray into the gap of `setup` (its diameter unused) at `temperature`
    /// (K), drawn from `seed`.
    Spray(const SetupParameters& setup, std::uint64_t seed, RealismLevel level, bool brownian,
          double temperature = 293.15);

    /// Moves every droplet on by `seconds` in the voltage `Ux` (V); a held
    /// one only drifts in depth.
    void step(double seconds, double Ux);
    /// Catches droplet `id`: from now on its height is the held run's.
    void hold(int id);
    /// The held droplet is at `Y` below the upper plate, m.
    void place(int id, double Y);
    /// Lets droplet `id` go: it moves on its own again, or, `lost`, it is gone.
    void release(int id, bool lost);
    /// At the Full level, how much further a held droplet moves in a step of
    /// `timeStep` (tau) than the run's droplet of fixed size in air of fixed
    /// viscosity, in the run's unit Vg·tau: `t` s after the spray (or its
    /// start, for a drop given alone), its diameter shrunk by evaporation and
    /// the air warmed by the lamp from room temperature, with the charge
    /// number `active` acting at the run's force ratio `a`. Stokes' law:
    /// Vg ∝ d²/η and a ∝ 1/d³, so v/Vg0 = (η0/η)·s²·(1 + N·a0/s³), s = d/d0.
    static double fullLevelDrift(double t, double active, double a, double timeStep);
    /// How many droplets the spray of `seed` has.
    static int countOf(std::uint64_t seed);
    /// The charge number droplet `id` of the spray of `seed` was sprayed with.
    static int chargeOf(std::uint64_t seed, int id);
    /// The diameter of droplet `id` of the spray of `seed` at its time `t`
    /// (s) at `level`: what evaporation has left of it.
    static double diameterAt(std::uint64_t seed, int id, RealismLevel level, double t);

    const std::vector<Droplet>& droplets() const { return m_droplets; }
    /// The plate gap, m.
    double plateGap() const { return m_setup.DD; }
    /// The droplet numbered `id`; none when there is none.
    const Droplet* droplet(int id) const;
    /// Experiment time since the spray, s.
    double time() const { return m_time; }
    /// The chamber's temperature now, K.
    double temperature() const;
    /// The air's viscosity now, Pa·s.
    double viscosity() const;
    /// A droplet's velocity in the voltage `Ux`, m/s, downward positive (without the thermal motion).
    double velocity(const Droplet& droplet, double Ux) const;

    /// The focal plane's depth, m.
    double focus() const { return m_focus; }
    void setFocus(double depth) { m_focus = depth; }
    /// How sharp a droplet looks: 1 in focus, falling as a Gaussian of its
    /// distance from the focal plane (σ = DepthOfField); 0 beyond VisibleDepth.
    double sharpness(const Droplet& droplet) const;
    /// Within the field of view (the circle of FieldRadius·DD around the gap's centre).
    bool inView(const Droplet& droplet) const;
    /// Seen and near enough focus to be timed.
    bool visible(const Droplet& droplet) const;
    /// The ids of the droplets seen, nearest the centre of the view first.
    std::vector<int> visibleByDistance() const;

private:
    SetupParameters m_setup;
    RealismLevel m_level;
    bool m_brownian;
    double m_temperature; ///< K, at the spray
    double m_time = 0;
    double m_focus = 0;
    std::vector<Droplet> m_droplets;
    std::vector<SeededRandom> m_kicks; ///< each droplet's thermal kicks
};
