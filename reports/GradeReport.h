// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

class GradeBook;
class QPainter;
class QRectF;

/// An assignment's grades as files: `OUT.csv` (a row per roster student),
/// `OUT-gradebook.csv` (e-mail and grade, as a gradebook imports them) and
/// `OUT.pdf` (the summary: the table, each flag with its reason, the files
/// not graded and the class histogram of e).
class GradeReport {
    Q_DECLARE_TR_FUNCTIONS(GradeReport)

public:
    /// The summary's text, as HTML.
    static QString html(const GradeBook& book, const QLocale& locale);
    /// The histogram of the students' e, in bins of 0.5 % of the reference value around it.
    static void paintHistogram(QPainter& painter, const QRectF& area, const GradeBook& book, const QLocale& locale);
    /// The gradebook's and the summary's paths beside `csvPath`.
    static QString gradebookPath(const QString& csvPath);
    static QString summaryPath(const QString& csvPath);
    /// Writes the three files, each whole or not at all: why one failed, else empty.
    static QString write(const GradeBook& book, const QString& csvPath, const QLocale& locale);

    /// `oildrop --grade ASSIGNMENT OUT.csv JOURNAL...`: each file not graded
    /// named with its reason on standard error; 0 when at least one journal
    /// was graded and the files written, else 1.
    static int run(const QString& assignmentPath, const QString& csvPath, const QStringList& journals);
};
