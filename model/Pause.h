// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class Lifetime;
class PauseTimer;

/// Pauses that keep the window responsive, all paced by the one pause timer.
///
/// A pause started while another is waiting sets the timer's interval anew;
/// when it ends, the interval is 0, so every enclosing pause ends at its next
/// test without waiting out its own time.
class Pause {
public:
    Pause(PauseTimer& timer, const Lifetime& lifetime);

    /// Waits `seconds`, handling user-interface events meanwhile. An interval
    /// that rounds to 0 ms returns at once without handling any event. Returns
    /// early, without handling further events, once the program is ending.
    void wait(double seconds);
    /// The pause after one step of the droplet's run: the same, but a step
    /// that follows the previous one closely keeps the run's steady beat (see
    /// PauseTimer::setIntervalOnBeat).
    void waitOnBeat(double seconds);

    /// The timer ticked: the pause is over (and every pause it is nested in).
    void endPause();
    /// A pause is under way (the timer's ticks are its own).
    bool isWaiting() const { return m_waiting > 0; }

private:
    void wait(double seconds, bool onBeat);

    PauseTimer& m_timer;
    const Lifetime& m_lifetime;
    int m_waiting = 0; ///< pauses under way, one inside another
};
