// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// What the start of an experiment asks of the window before the droplet
/// runs; the window's layout and plots provide it.
class RunPreparation {
public:
    virtual ~RunPreparation() = default;

    /// The reset pass: lays the window out, has the experiment recompute its
    /// quantities (Experiment::recompute) and shows the droplet at the upper
    /// plate, returning the window to its state before an experiment.
    virtual void resetWindow() = 0;
    /// Clears both plots, sets the coordinate systems of all three drawing
    /// surfaces and draws the plots' backgrounds.
    virtual void preparePlots() = 0;
};
