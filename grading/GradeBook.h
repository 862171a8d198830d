// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Assignment.h"
#include "Journal.h"
#include "StudentGrade.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <vector>

/// The grades of an assignment: each journal handed in is given to the
/// roster student whose task it names, its claim checked (the task file's
/// hash, written anew from the assignment; the name; the seed), its drops
/// replayed and its timings audited (TimingAudit), its e found as the
/// laboratory finds it, and the rubric applied:
///   - accuracy: full with e within 1 % of 1.602 176 634·10⁻¹⁹ C, falling
///     linearly to none at 5 %;
///   - coverage: full when e ± U (k = 2) holds that value;
///   - charges: the certain charges' share of 14, at most full;
///   - integrity: full without an `edited`, `foreign` or `wrong-task` flag
///     (`digits` is the teacher's to look into: a test, not a proof).
/// The grade is the points' share of the weights' sum, times 100.
class GradeBook {
    Q_DECLARE_TR_FUNCTIONS(GradeBook)

public:
    /// Certain charges that earn the charges' part in full.
    static constexpr int FullCharges = 14;
    /// Deviations of e earning the accuracy's part in full, and none, as fractions.
    static constexpr double FullAccuracy = 0.01, NoAccuracy = 0.05;

    struct Refused {
        QString path;
        QString reason; ///< translated
    };

    explicit GradeBook(Assignment assignment);

    /// Reads and grades the journal at `path`.
    void add(const QString& path);
    /// The journal in `bytes`, read from `path`.
    void add(const QString& path, const QByteArray& bytes);

    /// One line per roster student, in the roster's order.
    const std::vector<StudentGrade>& grades() const { return m_grades; }
    /// Files not graded: unreadable, or of no task of this assignment.
    const std::vector<Refused>& refused() const { return m_refused; }
    /// Journals read and given to a student.
    int journalsGraded() const;
    const Assignment& assignment() const { return m_assignment; }

    /// The grades as CSV: a header and a row per roster student; the
    /// locale's decimal mark, ';' between fields with a decimal comma, ','
    /// with a point; UTF-8, each line ended by a newline.
    QByteArray csv(const QLocale& locale) const;
    /// The grades as a gradebook imports them: `email,grade`, a point as the
    /// decimal mark, an empty grade for a student without a journal.
    QByteArray gradebookCsv() const;

    /// The flags' codes with their counts: "edited×2 foreign".
    static QString flagSummary(const StudentGrade& grade);

private:
    /// Checks the journal's claim, replays and audits it, and finds its e.
    void examine(StudentGrade& line, const Journal& journal) const;
    /// The rubric's points and the grade of what `line` holds.
    void score(StudentGrade& line) const;

    Assignment m_assignment;
    std::vector<StudentGrade> m_grades;
    std::vector<Refused> m_refused;
};
