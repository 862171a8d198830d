// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

/// Formatting of numbers for display and for the parameter inputs.
class NumberFormat {
public:
    /// Formats `value` with a mask made of: literal leading blanks; the integer
    /// part ('#' optional and '0' required digits); optionally a point and
    /// '0's for the decimals; optionally an exponent "E+00", "e+00" (sign
    /// always) or "E-00", "e-00" (sign only when negative), whose zeros give the
    /// minimum number of exponent digits. Examples: " 0.0000", "0.000E+00",
    /// "#0.00". The decimal separator is the one of `locale`. A negative value
    /// gets its minus sign ahead of the whole text, leading blanks included
    /// ("- 5085.0"); a value that rounds to zero shows no minus. Decimal
    /// rounding is half away from zero on the exact binary value, with carry
    /// into the exponent (9.9996 with "0.000E+00" gives "1.000E+01").
    /// A value that is not finite shows as "—".
    static QString format(double value, QStringView mask, const QLocale& locale = QLocale());

    /// The mask of the physical read-outs (mass, field, tau, velocities),
    /// which the plots' read-out shares: 6,773E-04.
    static constexpr QStringView ReadoutMask = u"0.000E+00";

    /// The standard number-to-text form of the parameter inputs: the shortest
    /// decimal text that reads back as the same value, with a point as decimal
    /// separator and a blank in place of the sign of a non-negative number
    /// (920 → " 920", 1.23 → " 1.23", -5085 → "-5085", 1e-06 → " 1e-06").
    static QString plain(double value);
    /// The same for a single-precision value (1.8e-05f → " 1.8e-05").
    static QString plain(float value);
};
