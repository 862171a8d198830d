// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

/// What the start of an experiment asks of the window before the droplet
/// runs; the window's layout and plots provide it.
class RunPreparation {
public:
    virtual ~RunPreparation() = default;

    /// Lays the window out and returns it to its state before an experiment.
    virtual void resetWindow() = 0;
    /// Clears both plots, sets the coordinate systems of all three drawing
    /// surfaces and draws the plots' backgrounds. Drawing the backgrounds also
    /// sets the run's clock t back to its start.
    virtual void preparePlots() = 0;
};
