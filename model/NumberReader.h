// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

/// Reads the number at the start of a parameter input's text.
///
/// Blanks, tabs and line feeds are ignored wherever they stand. Then an
/// optional sign, decimal digits with at most one point, and an optional
/// exponent (E or D in either case, an optional sign, digits) are read; reading
/// stops at the first character that does not continue the number. A text that
/// does not begin with a number reads as 0. A comma is not a decimal separator:
/// it ends the number.
class NumberReader {
public:
    struct Result {
        double value = 0;
        /// False when the number lies outside the range of a double
        /// ("1e999"); `value` is then ±infinity. A number too small to be
        /// represented reads as 0 (with its sign) and counts as in range.
        bool inRange = true;
    };

    static Result read(QStringView text);
};
