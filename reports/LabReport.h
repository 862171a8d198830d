// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>

class JournalModel;
class QPagedPaintDevice;

/// A student's lab report from the journal, an A4 document in the
/// interface's language: who measured and when, the method in a few
/// sentences, the setup of each drop, every measurement (struck-out ones
/// marked, with their reasons), the summary per drop and charge state, the
/// elementary charge with its uncertainties and deviation, and the two plots
/// of the analysis on a page of their own, drawn as vector graphics by
/// whoever draws them (the charts module). Every page is numbered.
class LabReport {
    Q_DECLARE_TR_FUNCTIONS(LabReport)

public:
    /// `analysis`: the result in words, as the journal's window gives it.
    LabReport(const JournalModel& model, QString analysis, QDate date = QDate::currentDate());

    /// The text of the report (without the plots), as HTML.
    QString html() const;
    /// Prints the report onto `device` (a PDF writer or a printer); the number of pages.
    int print(QPagedPaintDevice& device) const;
    /// Writes the report as a PDF to `path`, whole or not at all: the
    /// reason it failed, else empty.
    QString writePdf(const QString& path) const;

private:
    QString setupTable() const;
    QString measurementTable() const;
    QString summaryTable() const;

    const JournalModel& m_model;
    QString m_analysis;
    QDate m_date;
};
