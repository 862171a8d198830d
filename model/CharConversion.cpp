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
#include <locale.h>
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

// Through the C library, whose printf and strtod are exact, in its C locale
// for the calling thread whatever the process's LC_NUMERIC: a decimal point.

namespace {

/// The C locale for the calling thread while it lives (POSIX uselocale).
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(c())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t c()
    {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return locale;
    }
    locale_t m_previous;
};

std::string print(const char* format, int precision, double value)
{
    const CLocaleScope c;
    std::array<char, 1600> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, value);
    assert(length > 0 && static_cast<std::size_t>(length) < buffer.size());
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

/// strtod in the C locale.
double read(const char* text, char** end)
{
    const CLocaleScope c;
    return std::strtod(text, end);
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
        const double back = read(scientific.c_str(), nullptr);
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
    const double result = read(text.c_str(), &end);
    if (end == text.c_str())
        return std::errc::invalid_argument;
    if (errno == ERANGE && (result == 0 || std::isinf(result)))
        return std::errc::result_out_of_range;
    value = result;
    return std::errc{};
}

#endif
