// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

/// The one timer that paces every pause of the main window, together with the
/// event pumping that a pause does while it waits.
///
/// While enabled with an interval above 0 it ticks once the interval has passed
/// and calls `onTick`; an interval of 0 stops it. An interval set with
/// setInterval is counted from the moment it is set. The steps of a paced
/// sequence (the droplet's run) use setIntervalOnBeat instead: a step that
/// follows the previous step closely is counted from that step's deadline, so
/// the work between the steps and the timer's own lateness do not add up.
class PauseTimer {
public:
    virtual ~PauseTimer() = default;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    /// Interval in milliseconds; setting it (re)starts the countdown, which
    /// lasts the whole interval from now.
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;
    /// Sets the interval of one step of a paced sequence: counted from the
    /// previous step's deadline when this step starts within its own length
    /// after the previous step ended, else from now.
    virtual void setIntervalOnBeat(int milliseconds) = 0;

    /// Handles the user-interface events that are pending, sleeping until at
    /// least one event (a tick, user input, a repaint) has arrived. Any handler
    /// of the window may run inside, including a nested pause.
    virtual void processEvents() = 0;
    /// Whether a pause may begin inside another's processEvents (a run
    /// started while another waits). A browser's page waits one level deep.
    virtual bool allowsNestedPauses() const { return true; }

    /// Called on every tick.
    std::function<void()> onTick;
};
