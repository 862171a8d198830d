// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// Follows an experiment from outside: told what happened, at fixed points of
/// the run, after the experiment has changed its state. A listener reads the
/// state; it does not change the run (the laboratory gives its drops and
/// their noise through DropSource instead).
class ExperimentListener {
public:
    /// What a field button did.
    enum class Field {
        Voltage, ///< «НАПРЯЖЕНИЕ»: the field acts on the charge N2
        Light,   ///< «СВЕТ»: the charge became N3
    };

    virtual ~ExperimentListener() = default;

    /// The plots are ready and the droplet is at rest at the upper plate;
    /// the run's clock stands at its start.
    virtual void runStarting() {}
    /// A field button changed the charge the field acts on, from the next step on.
    virtual void fieldSwitched(Field) {}
    /// A step was taken; its pause follows.
    virtual void stepped() {}
    /// A display (the beam's flash, a heading's read-out) holds the run.
    virtual void held() {}
    /// The droplet left the measuring range (or the run was cut short).
    virtual void runEnded() {}
};
