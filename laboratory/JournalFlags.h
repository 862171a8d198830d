// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "JournalAnalysis.h"

#include <QCoreApplication>
#include <QString>

#include <vector>

/// The mistakes a journal shows, per drop and charge state, each with a short
/// reason and what to do about it: what a teacher would mark in the margin.
///
///   few-timings           a state with fewer than three falls of its drop or
///                         three timings in the field (a balance counts as one);
///   scatter               timings of one drop, field and state whose velocities
///                         spread more than three times what the hand's
///                         reaction explains (each timing's own uncertainty);
///   fast-drop             a fall over five bands quicker than FastFallSeconds:
///                         a large drop, and a charge of many e;
///   many-charges          a charge above ManyCharges e, or with an uncertainty
///                         above UncertainMultiple e: its multiple is not told;
///   field-on-irradiation  an irradiation with the field on (ions are swept to
///                         the plates then: a real drop rarely takes one up);
///   crossed-change        a timing across a change of the field, the voltage,
///                         the charge or the drop (struck out by the program);
///   absurd-charge         a charge of AbsurdCharges e or more: a voltage or a
///                         setting wrong by orders of magnitude.
/// e here is the reference value 1.602 176 634·10⁻¹⁹ C: the flags judge the
/// measurement, not the student's estimate.
class JournalFlags {
    Q_DECLARE_TR_FUNCTIONS(JournalFlags)

public:
    enum class Code { FewTimings, Scatter, FastDrop, ManyCharges, FieldOnIrradiation, CrossedChange, AbsurdCharge };

    struct Flag {
        int drop = 0;
        int chargeState = 0;
        Code code = Code::FewTimings;
        QString text; ///< the reason and what to do
    };

    static constexpr int FewestTimings = 3;
    /// Spread of a state's velocities over the hand's, beyond which the timings scatter.
    static constexpr double ScatterFactor = 3;
    /// The slowest fall over five bands that is still a fast drop, s.
    static constexpr double FastFallSeconds = 6;
    static constexpr double ManyCharges = 30;         ///< e
    static constexpr double UncertainMultiple = 0.25; ///< e, a standard uncertainty: ±2u spans a whole e
    static constexpr double AbsurdCharges = 1000;     ///< e

    /// Every flag of `journal`, in the order of its drops and states.
    static std::vector<Flag> check(const Journal& journal, const JournalAnalysis::Result& analysis);
    /// The flags of one drop.
    static std::vector<Flag> ofDrop(const std::vector<Flag>& flags, int drop);

    /// "few-timings", "scatter", …: the code a line of `oildrop --check` names.
    static QString key(Code code);
    /// A few words for the journal's column: "мало отсчётов", "разброс", ….
    static QString title(Code code);
    /// "drop N, state K: CODE: text".
    static QString line(const Flag& flag);
};
