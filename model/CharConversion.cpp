// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CharConversion.h"

#include <array>
#include <cassert>
#include <charconv>

#if !defined(__cpp_lib_to_chars) || defined(OILDROP_CONVERSION_THROUGH_C)
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#endif

#if defined(__cpp_lib_to_chars) && !defined(OILDROP_CONVERSION_THROUGH_C)

namespace {

template <typename Value, typename... Format>
std::string convert(Value value, Format... format)
{
    // Every double has at most 1074 fractional digits, and 309 whole ones.
    std::array<char, 1600> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    assert(result.ec == std::errc{});
    return std::string(buffer.data(), result.ptr);
}

} // namespace

std::string CharConversion::fixed(double value, int precision)
{
    return convert(value, std::chars_format::fixed, precision);
}

std::string CharConversion::scientific(double value, int precision)
{
    return convert(value, std::chars_format::scientific, precision);
}

std::string CharConversion::shortest(double value)
{
    return convert(value);
}

std::string CharConversion::shortest(float value)
{
    return convert(value);
}

std::errc CharConversion::parse(const std::string& text, double& value)
{
    return std::from_chars(text.data(), text.data() + text.size(), value).ec;
}

#else

// A C library with only the C locale (a browser's page): printf and strtod
// are exact and write and read a decimal point.

namespace {

std::string print(const char* format, int precision, double value)
{
    std::array<char, 1600> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    assert(length > 0 && static_cast<std::size_t>(length) < buffer.size());
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

/// The shortest of the texts, fixed or scientific, whose digits read back as
/// `value` when read as a `Value`.
template <typename Value>
std::string shortestOf(Value value)
{
    const double wide = value;
    if (!std::isfinite(wide))
        return std::isnan(wide) ? "nan" : (wide < 0 ? "-inf" : "inf");
    if (wide == 0)
        return std::signbit(wide) ? "-0" : "0";
    // The fewest significant digits that read back.
    std::string scientific;
    int digits = 1;
    for (; digits <= 17; ++digits) {
        scientific = print("%.*e", digits - 1, wide);
        const double back = std::strtod(scientific.c_str(), nullptr);
        if (static_cast<Value>(back) == value)
            break;
    }
    const std::size_t e = scientific.find('e');
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    // std::to_chars writes the exponent with at least two digits, as printf does.
    const int decimals = std::max(0, digits - 1 - exponent);
    std::string fixed = print("%.*f", decimals, wide);
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

} // namespace

std::string CharConversion::fixed(double value, int precision)
{
    return print("%.*f", precision, value);
}

std::string CharConversion::scientific(double value, int precision)
{
    return print("%.*e", precision, value);
}

std::string CharConversion::shortest(double value)
{
    return shortestOf(value);
}

std::string CharConversion::shortest(float value)
{
    return shortestOf(value);
}

std::errc CharConversion::parse(const std::string& text, double& value)
{
    errno = 0;
    char* end = nullptr;
    const double read = std::strtod(text.c_str(), &end);
    if (end == text.c_str())
        return std::errc::invalid_argument;
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return std::errc::result_out_of_range;
    value = read;
    return std::errc{};
}

#endif
