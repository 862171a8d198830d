// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

struct ExperimentState;
class JournalModel;
class Laboratory;

/// The coach beside the stopwatch: what to do now, and why, read from the
/// held drop and the journal; and the charge of the drop's current state as
/// its timings come in. It keeps nothing of its own: every advice follows
/// from the experiment as it stands, so a student may ignore it at any point.
///
/// The recipe it teaches: the slowest pace (9), five bands from the second
/// line to the seventh; a drop whose fall over five bands takes at least
/// JournalFlags::FastFallSeconds; the field on and the voltage turned until
/// the droplet rises at SlowestRise to FastestRise times its fall; three
/// falls and three rises, each put into the journal; the field off, then an
/// irradiation; the new state timed; after StatesPerDrop states, the next
/// drop; when the journal's e has an expanded uncertainty within Goal, read it.
class Coach {
    Q_DECLARE_TR_FUNCTIONS(Coach)

public:
    /// The steps, in the order a drop meets them; the identifiers tests and
    /// the simulated student read.
    enum class Step {
        SlowDown,     ///< before a drop: the pace to 9
        StartDrop,    ///< no drop held: F5
        Distance,     ///< the stopwatch's distance to five bands
        Record,       ///< timings wait in the stopwatch: F12
        ChooseSlower, ///< the drop falls too fast: F5 for another
        Watch,        ///< a new drop falls from the upper plate: wait for the third line
        TestField,    ///< the field off and not yet tried: F6
        Polarity,     ///< the field pushes the droplet down: Shift+F6
        VoltageUp,    ///< it does not rise, or too slowly: Shift+PgUp
        VoltageDown,  ///< it rises too fast: Shift+PgDn
        AnotherDrop,  ///< even the highest voltage does not lift it: F5
        FieldOnLow,   ///< falling below the eighth line: F6
        FieldOffHigh, ///< rising above the first line: F6
        Time,         ///< time falls and rises from the second line to the seventh
        Irradiate,    ///< the state is timed: the field off (F6), then F7
        NextDrop,     ///< the drop has its states: F5
        ReadE,        ///< the journal's e is good enough: read it
    };

    struct Advice {
        Step step = Step::StartDrop;
        QString text; ///< one or two sentences: what to do and why
    };

    /// The current state's charge from the journal's timings so far.
    struct Reading {
        int drop = 0;
        int chargeState = 0;
        int falls = 0;                ///< of the drop, any state
        int inField = 0;              ///< timings in the field and balances of the state
        std::optional<double> spread; ///< standard deviation of the state's times in the field, s
        std::optional<JournalAnalysis::DropCharge> charge;
        std::optional<double> multiple; ///< q over the journal's e (when it has one)
        /// The journal's e and its expanded uncertainty, C, and its certain charges (when it has one).
        std::optional<double> e, expanded;
        int certain = 0;
    };

    static constexpr int RecommendedSlowDown = 9;
    static constexpr int TopLine = 2;                             ///< timings run from this line
    static constexpr int Bands = 5;                               ///< over this many bands
    static constexpr double SlowestRise = 0.5, FastestRise = 2.5; ///< rise over fall
    static constexpr double MaxVoltage = 60000;                   ///< V
    static constexpr int StatesPerDrop = 2;
    static constexpr double Goal = 0.01; ///< expanded uncertainty of e over e

    Coach(const Laboratory& laboratory, const ExperimentState& state, const JournalModel& journal);

    Advice advise() const;
    Reading reading() const;

    /// For teachers who want the student to find them: no multiples and no e.
    void setShowsMultiples(bool shows) { m_showsMultiples = shows; }
    bool showsMultiples() const { return m_showsMultiples; }

private:
    struct Progress {
        int falls = 0;
        int inField = 0;    ///< of the current state
        int statesDone = 0; ///< states with their timings in the field
        int unrecorded = 0; ///< timings waiting in the stopwatch
    };
    Progress progress(int drop, int chargeState) const;
    Advice withoutDrop() const;
    Advice tune() const;
    QString resultText() const;

    const Laboratory& m_laboratory;
    const ExperimentState& m_state;
    const JournalModel& m_journal;
    bool m_showsMultiples = true;
};
