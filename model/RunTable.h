// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QLocale>

class RunRecord;

/// The last run as a table for a spreadsheet: UTF-8 CSV, one line per step
/// from the start at rest: step, t/tau, X/(Vg*tau), Vy/Vg, then t in s, x in
/// m and v in m/s with the run's tau and Vg. Numbers are written in their
/// shortest form that reads back to the same double. Where the locale writes
/// a decimal comma, fields are separated by ";" and numbers have decimal
/// commas; elsewhere by "," with decimal points.
class RunTable {
public:
    static QByteArray csv(const RunRecord& record, const QLocale& locale);
    /// The shortest text that reads back to `value`, with `decimalPoint`.
    static QByteArray number(double value, char decimalPoint);
};
