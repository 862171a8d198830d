// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "FieldState.h"

#include <QObject>

#include <functional>
#include <vector>

/// A stopwatch in the experiment's time, to a hundredth of a second: start,
/// stop, lap (split) and reset. Every lap and the stop end one timing, the
/// interval since the previous one, which waits to be put into the journal.
/// It reads the interval under way (from the start or the last lap), as the
/// timings are; the time since the start, across its laps, is its total.
///
/// A timing's uncertainty is what the hand makes of it: each press comes
/// with a reaction-time scatter of ReactionSd seconds of wall time, which the
/// slow-down turns into experiment time (times the clock's rate), and each
/// reading is cut to a hundredth.
class Stopwatch : public QObject {
    Q_OBJECT

public:
    /// Scatter of one press of a key or button, s of wall time: a hand's lag
    /// behind what it sees scatters by 0.07 s from press to press, as
    /// measured on 4 304 hand timings (Am. J. Phys. 87, 110 (2019)).
    static constexpr double ReactionSd = 0.07;

    /// What is going on at the moment of a press.
    struct Moment {
        double seconds = 0; ///< experiment time, s
        double rate = 0;    ///< experiment seconds per wall second
        double Y = 0;       ///< the droplet's coordinate, Vg·tau
        int drop = 0;       ///< the drop being run (0: none)
        int bands = 1;      ///< the distance set for a timing, bands of the reticle
        FieldState field = FieldState::Off;
        int chargeState = 0; ///< irradiations of the drop so far
        double voltage = 0;  ///< voltage between the plates as set, V
    };

    /// One interval between two presses.
    struct Timing {
        int hundredths = 0;     ///< the time, 0.01 s
        double uncertainty = 0; ///< its standard uncertainty, s
        Moment start;
        Moment end;
        bool recorded = false;
        double seconds() const { return hundredths / 100.0; }
    };

    explicit Stopwatch(std::function<Moment()> moment, QObject* parent = nullptr);

    /// Start, or stop (ending a timing).
    void startStop();
    /// While running: ends a timing, the stopwatch runs on.
    void lap();
    /// Back to 0, stopped, and the timings not yet in the journal discarded.
    void reset();
    /// A new drop: a running stopwatch stops without a timing and shows 0;
    /// the timings not yet in the journal stay.
    void newDrop();
    /// The run is over: a running stopwatch stops where it stands, without a
    /// timing (nobody pressed it: the droplet just left the gap).
    void halt();

    bool isRunning() const { return m_running; }
    /// The interval shown now, 0.01 s: the one under way while running (from
    /// the start or the last lap), the last one ended while stopped.
    int reading() const;
    /// The time from the start to now (to the stop when stopped), across the
    /// laps, 0.01 s.
    int total() const;
    /// Whether the start was followed by a lap, so that the total is more
    /// than the interval.
    bool hasLaps() const { return m_laps > 0; }
    const std::vector<Timing>& timings() const { return m_timings; }
    /// The timings not yet in the journal; they count as recorded from now on.
    std::vector<Timing> takeUnrecorded();

    /// The experiment time of a moment cut to hundredths, as a display shows it.
    static int hundredths(double seconds);

signals:
    void changed();

private:
    void endTiming(const Moment& now);

    std::function<Moment()> m_moment;
    bool m_running = false;
    int m_started = 0;    ///< experiment time at the start, 0.01 s
    int m_lapStarted = 0; ///< experiment time at the start of the interval, 0.01 s
    int m_shown = 0;      ///< interval shown while stopped, 0.01 s
    int m_shownTotal = 0; ///< total shown while stopped, 0.01 s
    int m_laps = 0;       ///< laps since the start
    Moment m_lapStart;    ///< where the current interval began
    std::vector<Timing> m_timings;
};
