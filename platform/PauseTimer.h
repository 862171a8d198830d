#pragma once

#include <functional>

/// The one timer that paces every pause of the main window, together with the
/// event pumping that a pause does while it waits.
///
/// While enabled with an interval above 0 it ticks once the interval has passed
/// (counted from when the interval was set) and calls `onTick`; an interval of 0
/// stops it.
class PauseTimer {
public:
    virtual ~PauseTimer() = default;

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    /// Interval in milliseconds; setting it (re)starts the countdown.
    virtual int interval() const = 0;
    virtual void setInterval(int milliseconds) = 0;

    /// Handles the user-interface events that are pending, sleeping until at
    /// least one event (a tick, user input, a repaint) has arrived. Any handler
    /// of the window may run inside, including a nested pause.
    virtual void processEvents() = 0;

    /// Called on every tick.
    std::function<void()> onTick;
};
