// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "LabReport.h"

#include <QCoreApplication>

class JournalModel;
class QPagedPaintDevice;

/// A journal's lab report with the analysis in words (AnalysisWording), as
/// the journal's window and the command line write it.
class ReportWriter {
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    explicit ReportWriter(const JournalModel& model);

    /// Writes the PDF, whole or not at all: why it failed, else empty.
    QString writePdf(const QString& path) const;
    /// Prints onto a printer; the number of pages.
    int print(QPagedPaintDevice& device) const;

    /// `oildrop --report JOURNAL REPORT`: 0 when written; 1, one line on
    /// standard error naming the file and the reason, and no report when the
    /// journal is refused or the report cannot be written.
    static int run(const QString& journalPath, const QString& reportPath);

private:
    LabReport m_report;
};
