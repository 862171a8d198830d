// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Follows an experiment from outside, without taking part in it: the
/// laboratory (stopwatch, journal, realistic drops) listens here. Each call
/// comes at a fixed point of the procedure; none may change the run.
class ExperimentObserver {
public:
    /// What a field button did.
    enum class Field {
        Voltage, ///< «НАПРЯЖЕНИЕ»: the field acts on the charge N2
        Light,   ///< «СВЕТ»: the charge became N3
    };

    virtual ~ExperimentObserver() = default;

    /// «ПУСК», before the reset pass that computes the droplet's quantities:
    /// the last moment to change the droplet.
    virtual void experimentStarting() = 0;
    /// The plots are ready and the droplet is at rest at the upper plate.
    virtual void runStarting() = 0;
    /// A field button changed the charge the field acts on, from the next step on.
    virtual void fieldSwitched(Field field) = 0;
    /// A step was taken; its pause follows.
    virtual void stepped() = 0;
    /// A display (the beam's flash, a heading's read-out) holds the run.
    virtual void held() = 0;
    /// The droplet left the measuring range (or the run was cut short).
    virtual void runEnded() = 0;
};
