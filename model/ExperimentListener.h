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
        Voltage, ///< «НАПРЯЖЕНИЕ» (or the polarity, or the voltage turned): see the state's field
        Light,   ///< «СВЕТ»: the charge changed (the state's chargeState counts the irradiations)
    };

    /// How a run ended.
    enum class End {
        LeftGap,      ///< the droplet left the measuring range (the demonstration)
        TouchedPlate, ///< a held droplet touched a plate: it is lost
        Ended,        ///< the student ended it (the next drop was started)
        ProgramEnding ///< the program is closing
    };

    virtual ~ExperimentListener() = default;

    /// The plots are ready and the droplet is at rest at the upper plate;
    /// the run's clock stands at its start.
    virtual void runStarting() {}
    /// A field button (or the voltage) changed the force on the droplet, from the next step on.
    virtual void fieldSwitched(Field) {}
    /// A step was taken; its pause follows.
    virtual void stepped() {}
    /// A display (the beam's flash, a heading's read-out) holds the run.
    virtual void held() {}
    /// The run is over.
    virtual void runEnded(End) {}
    /// A held run stands still (a modal dialog, the window minimised), or
    /// goes on exactly where it stood.
    virtual void paused(bool) {}
};
