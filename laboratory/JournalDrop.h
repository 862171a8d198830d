// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FieldState.h"
#include "RealismLevel.h"
#include "SetupParameters.h"

#include <QDateTime>

#include <cstdint>
#include <optional>
#include <vector>

/// A change of a held drop's course: the field switched, its polarity or its
/// voltage changed (the field and voltage after it), or an irradiation. It
/// acts from the step after the time it was made at.
struct DropEvent {
    enum class Kind { Field, Light };
    double t = 0; ///< experiment time since the drop started at rest, s (a whole number of steps)
    Kind kind = Kind::Field;
    FieldState field = FieldState::Off; ///< after the change
    double voltage = 0;                 ///< after the change, V
};

/// A droplet of a spray, caught to be held: enough to draw it again from
/// the spray's seed and to start its run where it was caught.
struct CaughtDroplet {
    int spray = 0;               ///< 1, 2, … the sprays of the session
    std::uint64_t spraySeed = 0; ///< the seed the spray was drawn from
    int droplet = 0;             ///< its number in the spray
    double sprayTime = 0;        ///< the spray's time when it was caught, s
    double depth = 0;            ///< how far below the upper plate it was, m
};

/// A drop of the laboratory journal: one «ПУСК» in laboratory mode, with the
/// setup it ran in (its voltage the one at the start: each measurement keeps
/// its own).
struct JournalDrop {
    int number = 0; ///< 1, 2, … in the order of the starts
    QDateTime started;
    SetupParameters setup;       ///< the diameter is 0 when it is hidden
    bool diameterHidden = false; ///< an unknown drop: its size follows from its fall
    bool brownian = false;       ///< thermal motion was on
    std::uint64_t seed = 0;      ///< the seed of the drop's random numbers
    bool lost = false;           ///< the droplet touched a plate while it was held
    /// The air during the drop: pressure, Pa, and temperature, K (none: not recorded).
    std::optional<double> pressure;
    std::optional<double> temperature;
    /// The drop's drag had the slip of the air (at `pressure`): it is analysed with it.
    bool slipCorrection = false;
    /// The charge states reached by an irradiation with the field on (ions
    /// are swept to the plates then: a real drop rarely takes one up).
    std::vector<int> irradiatedInField;
    /// Every change of its course, in order: with its seed, enough to replay its run.
    std::vector<DropEvent> events;
    /// The charge number it started with, elementary charges, when it was not
    /// the one its seed draws (the charges chosen by hand).
    std::optional<int> startCharge;
    /// How near the real apparatus the laboratory was (none: not recorded).
    std::optional<RealismLevel> level;
    /// A droplet caught from a spray (none: a drop given alone).
    std::optional<CaughtDroplet> caught;
    /// A drop typed in from a real apparatus: the distance its timings cover, m.
    std::optional<double> fallDistance;

    /// Drop `number`, started now in `setup`; an unknown drop's diameter is
    /// hidden: the journal does not know it.
    static JournalDrop startedNow(int number, const SetupParameters& setup, bool diameterHidden)
    {
        JournalDrop drop;
        drop.number = number;
        drop.started = QDateTime::currentDateTime();
        drop.setup = setup;
        drop.diameterHidden = diameterHidden;
        if (diameterHidden)
            drop.setup.d = 0;
        return drop;
    }
};
