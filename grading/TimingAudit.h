// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Journal.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <vector>

/// Does a journal hold what the apparatus did? Each drop's run is replayed
/// from the task's seed (DropReplay) and every stopwatch timing is checked:
///   - its time must be the difference of its own two presses as the
///     display cut them (a time typed over is caught to the hundredth);
///   - the droplet must have covered the timing's distance in that time from
///     where it was at the first press, within what a hand explains:
///     |Δt| ≤ HandFactor·u + Relative·t, u the timing's own uncertainty (the
///     hand's scatter of 0.07 s per press in wall time, turned into
///     experiment time by the pace: so 5 u ≈ 0.5 s of the hand), t the time.
/// A drop the task's seed did not produce (its seed is another's, or none of
/// three or more timings matches its replay) is `foreign`; a journal of
/// another seed than the task's is `wrong-task`. Typed-in timings of a real
/// apparatus are not replayed; their last digits (hundredths) must be about
/// uniform, as real readings' are (χ² over 20 or more, p < 0.001: `digits`).
class TimingAudit {
    Q_DECLARE_TR_FUNCTIONS(TimingAudit)

public:
    enum class Code { Edited, Foreign, WrongTask, Digits };

    struct Flag {
        int drop = 0;   ///< 0: the whole journal
        int entry = -1; ///< the entry's index in the journal; −1: the drop's or the journal's
        Code code = Code::Edited;
        QString text;
    };

    struct Result {
        std::vector<Flag> flags;
        int timingsChecked = 0;
        int dropsReplayed = 0;
        int dropsUnchecked = 0; ///< beyond the replay's budget
    };

    /// The most experiment time one journal's replays cover, s: a file of
    /// absurd times is checked no further than that.
    static constexpr double ReplayBudget = 100 * 3600;

    static constexpr double HandFactor = 5;
    static constexpr double Relative = 0.03;
    /// χ² with 9 degrees of freedom exceeded with probability 0.001.
    static constexpr double DigitsChiSquare = 27.88;
    static constexpr int DigitsMinimum = 20;

    /// The audit of `journal` against the task's seed `taskSeed`.
    static Result audit(const Journal& journal, std::uint64_t taskSeed);

    /// "edited", "foreign", "wrong-task", "digits".
    static QString key(Code code);
};
