// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Journal.h"

#include <QString>
#include <QStringList>

#include <algorithm>

/// The drops a journal has measurements of (its timings, kept or struck out),
/// as the reports count and list them: a drop started and lost, or left
/// without a timing, is one of the others.
namespace MeasuredDrops {

/// Whether drop `number` has a measurement in `journal`.
inline bool measured(const Journal& journal, int number)
{
    return std::any_of(journal.entries.begin(), journal.entries.end(),
                       [number](const JournalEntry& e) { return e.drop == number; });
}

/// How many of the journal's drops have a measurement.
inline int count(const Journal& journal)
{
    return static_cast<int>(std::count_if(journal.drops.begin(), journal.drops.end(),
                                          [&journal](const JournalDrop& d) { return measured(journal, d.number); }));
}

/// A text with a number of things in the interface's language. `text` is
/// what tr(source, nullptr, n) gave: the Russian source holds the forms for
/// one, a few and many, in that order and apart by '|' («%n капля|%n
/// капли|%n капель»), the one for `n` is chosen; a translation has its own
/// numerus forms, already chosen by Qt, and is kept as it is.
inline QString plural(const QString& text, int n)
{
    const QStringList forms = text.split(QLatin1Char('|'));
    if (forms.size() != 3)
        return text;
    const int tens = n % 100, units = n % 10;
    if (units == 1 && tens != 11)
        return forms[0];
    if (units >= 2 && units <= 4 && (tens < 12 || tens > 14))
        return forms[1];
    return forms[2];
}

} // namespace MeasuredDrops
