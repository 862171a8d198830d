// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ElementaryChargeEstimate.h"
#include "Student.h"
#include "TimingAudit.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

/// One roster student's line of the grades: the journal handed in (if any),
/// its estimate of e, the audit's flags and the grade.
struct StudentGrade {
    Student student;
    QString journal;                           ///< the file graded; empty when none was handed in
    QStringList others;                        ///< further files naming the same task (not graded)
    ElementaryChargeEstimate::Result estimate; ///< from the journal's certain charges, C
    int drops = 0;                             ///< drops measured
    std::vector<TimingAudit::Flag> flags;
    int timingsChecked = 0;
    /// Points of each part of the rubric.
    double accuracy = 0, coverage = 0, charges = 0, integrity = 0;
    /// 0–100; none without a journal.
    std::optional<double> grade;
    QString note; ///< why there is no grade, or what the teacher should know (translated)
};
