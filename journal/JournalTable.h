// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QLocale>

class JournalModel;

/// The journal's measurements as a table for a spreadsheet or a lab report:
/// UTF-8 CSV, a header line, one line per measurement (struck-out ones too,
/// marked), numbers in their shortest exact form, charges in C. Under a locale
/// with a decimal comma fields are separated by ";" and numbers have decimal
/// commas, elsewhere by "," with points, as in the run's table. Texts with a
/// separator, a quote or a line break are quoted.
class JournalTable {
    Q_DECLARE_TR_FUNCTIONS(JournalTable)

public:
    static QByteArray csv(const JournalModel& journal, const QLocale& locale);
    /// A field of a CSV line, UTF-8: quoted (its quotes doubled) where it
    /// holds the separator, a quote or a line break.
    static QByteArray field(const QString& text, char separator);
};
