// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ChargeCharts.h"
#include "LabReport.h"

#include <QCoreApplication>

#include <memory>

class JournalModel;
class QPagedPaintDevice;
class QWidget;

/// A journal's lab report with the analysis' plots drawn by the charts
/// module, onto a PDF file or a printer. The plots are made for the report
/// alone, in a widget that is never shown.
class ReportWriter {
    Q_DECLARE_TR_FUNCTIONS(ReportWriter)

public:
    ReportWriter(const JournalModel& model, const ChargeChartsFactory& charts);
    ~ReportWriter();

    /// Writes the PDF, whole or not at all: why it failed, else empty.
    QString writePdf(const QString& path);
    /// Prints onto a printer; the number of pages.
    int print(QPagedPaintDevice& device);

    /// `oildrop --report JOURNAL REPORT`: 0 when written; 1, one line on
    /// standard error naming the file and the reason, and no report when the
    /// journal is refused or the report cannot be written.
    static int run(const QString& journalPath, const QString& reportPath, const ChargeChartsFactory& charts);

private:
    LabReport::PlotPainter plots();

    const JournalModel& m_model;
    LabReport m_report;
    std::unique_ptr<QWidget> m_holder;
    std::unique_ptr<ChargeCharts> m_charts;
};
