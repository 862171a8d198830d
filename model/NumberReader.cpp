// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberReader.h"

#include "CharConversion.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

bool isIgnored(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

/// The characters of `text` that matter, blanks dropped, as a cursor.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) { skip(); }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_pos].unicode(); }
    void advance()
    {
        ++m_pos;
        skip();
    }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype position) { m_pos = position; }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos].unicode()))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

/// A leading sign, if any: true for a minus.
bool readSign(Cursor& cursor)
{
    if (cursor.peek() != u'+' && cursor.peek() != u'-')
        return false;
    const bool negative = cursor.peek() == u'-';
    cursor.advance();
    return negative;
}

/// The digits of a number with at most one point.
struct Mantissa {
    std::string digits;       ///< the significant digits, without the point
    long long pointShift = 0; ///< digits after the point
    bool anyDigit = false;    ///< a digit was read (zeros included)
};

Mantissa readMantissa(Cursor& cursor)
{
    Mantissa m;
    bool seenPoint = false;
    for (;;) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            m.anyDigit = true;
            // Zeros before the first significant digit are not kept.
            if (c != u'0' || !m.digits.empty())
                m.digits.push_back(static_cast<char>(c));
            if (seenPoint)
                ++m.pointShift;
            cursor.advance();
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            cursor.advance();
        } else {
            return m;
        }
    }
}

/// An exponent: taken only when at least one digit follows the letter (e, E,
/// d or D) and its sign; otherwise 0 and the cursor where it was.
long long readExponent(Cursor& cursor)
{
    const char16_t c = cursor.peek();
    if (c != u'e' && c != u'E' && c != u'd' && c != u'D')
        return 0;
    const qsizetype mark = cursor.position();
    cursor.advance();
    const bool negative = readSign(cursor);
    long long exponent = 0;
    bool digits = false;
    while (isDigit(cursor.peek())) {
        digits = true;
        // Saturate: anything beyond a few thousand is out of range anyway.
        if (exponent < 100000)
            exponent = exponent * 10 + (cursor.peek() - u'0');
        cursor.advance();
    }
    if (!digits) {
        cursor.rewind(mark);
        return 0;
    }
    return negative ? -exponent : exponent;
}

/// ±0.digits × 10^decimalExponent as a double: ±infinity, out of range,
/// when it is too large, ±0 when too small.
NumberReader::Result convert(std::string digits, long long decimalExponent, bool negative)
{
    NumberReader::Result result;
    const double infinity = std::numeric_limits<double>::infinity();
    const auto tooLarge = [&] {
        result.value = negative ? -infinity : infinity;
        result.inRange = false;
        return result;
    };
    const auto tooSmall = [&] {
        result.value = negative ? -0.0 : 0.0;
        return result;
    };
    // Decided before converting, so that huge exponents neither blow up the
    // text nor the conversion.
    if (decimalExponent > 400)
        return tooLarge();
    if (decimalExponent < -400)
        return tooSmall();
    // At most 800 significant digits: more cannot change the rounded double.
    if (digits.size() > 800)
        digits.resize(800);
    const std::string normalised = "0." + digits + "e" + std::to_string(decimalExponent);
    double value = 0;
    if (CharConversion::parse(normalised, value) == std::errc::result_out_of_range)
        return decimalExponent > 0 ? tooLarge() : tooSmall();
    result.value = negative ? -value : value;
    result.inRange = std::isfinite(value);
    return result;
}

} // namespace

NumberReader::Result NumberReader::read(QStringView text)
{
    Cursor cursor(text);
    const bool negative = readSign(cursor);
    const Mantissa mantissa = readMantissa(cursor);
    if (!mantissa.anyDigit)
        return {};
    const long long exponent = readExponent(cursor);
    if (mantissa.digits.empty()) { // only zeros
        Result zero;
        zero.value = negative ? -0.0 : 0.0;
        return zero;
    }
    // Value = 0.digits × 10^decimalExponent.
    const long long decimalExponent = static_cast<long long>(mantissa.digits.size()) - mantissa.pointShift + exponent;
    return convert(mantissa.digits, decimalExponent, negative);
}
