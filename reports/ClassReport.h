// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QStringList>

class ClassPool;

/// A group's journals written out: the class report (PDF, the pooled
/// histogram drawn by the charts module) or its table (CSV), chosen by the
/// file's suffix.
class ClassReport {
    Q_DECLARE_TR_FUNCTIONS(ClassReport)

public:
    /// Writes `pool` to `path` (.csv: the table; else the PDF report): why it failed, else empty.
    static QString write(const ClassPool& pool, const QString& path, const QLocale& locale);

    /// `oildrop --class REPORT JOURNAL...`: each refused journal named with
    /// its reason on standard error (and in the report); 0 when at least one
    /// journal was read and the report written, else 1.
    static int run(const QString& reportPath, const QStringList& journals);
};
