// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <system_error>

/// Numbers to and from text in the C locale's form whatever the system's
/// locale, exact as std::to_chars and std::from_chars: through them where the
/// C++ library has them for floating point, else through the C library of a
/// browser's page, which knows only the C locale and is exact too.
class CharConversion {
public:
    /// The decimal expansion of `value` with `precision` digits after the
    /// point ("fixed") or after the first digit ("scientific"), correctly rounded.
    static std::string fixed(double value, int precision);
    static std::string scientific(double value, int precision);
    /// The shortest text that reads back as `value` (fixed or scientific,
    /// whichever is shorter; fixed on a tie).
    static std::string shortest(double value);
    static std::string shortest(float value);
    /// Reads a whole decimal number ("0.123e5") into `value`; the error of
    /// std::from_chars (result_out_of_range beyond the doubles).
    static std::errc parse(const std::string& text, double& value);
};
