// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberReader.h"

#include <charconv>
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

} // namespace

NumberReader::Result NumberReader::read(QStringView text)
{
    Cursor cursor(text);
    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.advance();
    }

    // Mantissa digits without the point, and the position of the point among them.
    std::string mantissa;
    bool seenPoint = false;
    long long pointShift = 0; // digits after the point
    int leadingZeros = 0;     // zeros before the first significant digit
    bool significantSeen = false;
    for (;;) {
        const char16_t c = cursor.peek();
        if (isDigit(c)) {
            if (c == u'0' && !significantSeen) {
                ++leadingZeros;
            } else {
                significantSeen = true;
            }
            if (significantSeen)
                mantissa.push_back(static_cast<char>(c));
            if (seenPoint)
                ++pointShift;
            cursor.advance();
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            cursor.advance();
        } else {
            break;
        }
    }
    const bool anyDigit = significantSeen || leadingZeros > 0;
    if (!anyDigit)
        return {};

    // Exponent: taken only when at least one digit follows the letter and sign.
    long long exponent = 0;
    {
        const char16_t c = cursor.peek();
        if (c == u'e' || c == u'E' || c == u'd' || c == u'D') {
            const qsizetype mark = cursor.position();
            cursor.advance();
            bool expNegative = false;
            if (cursor.peek() == u'+' || cursor.peek() == u'-') {
                expNegative = cursor.peek() == u'-';
                cursor.advance();
            }
            bool expDigits = false;
            while (isDigit(cursor.peek())) {
                expDigits = true;
                // Saturate: anything beyond a few thousand is out of range anyway.
                if (exponent < 100000)
                    exponent = exponent * 10 + (cursor.peek() - u'0');
                cursor.advance();
            }
            if (!expDigits) {
                cursor.rewind(mark);
                exponent = 0;
            } else if (expNegative) {
                exponent = -exponent;
            }
        }
    }

    Result result;
    if (mantissa.empty()) { // only zeros
        result.value = negative ? -0.0 : 0.0;
        return result;
    }

    // Value = 0.mantissa × 10^decimalExponent, decided before converting so
    // that huge exponents neither blow up the text nor the conversion.
    const long long decimalExponent = static_cast<long long>(mantissa.size()) - pointShift + exponent;
    if (decimalExponent > 400) {
        result.value = negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
        result.inRange = false;
        return result;
    }
    if (decimalExponent < -400) {
        result.value = negative ? -0.0 : 0.0;
        return result;
    }

    // Keep at most 800 significant digits: more cannot change the rounded double.
    if (mantissa.size() > 800)
        mantissa.resize(800);
    const std::string normalised = "0." + mantissa + "e" + std::to_string(decimalExponent);
    double value = 0;
    const auto conversion = std::from_chars(normalised.data(), normalised.data() + normalised.size(), value);
    if (conversion.ec == std::errc::result_out_of_range) {
        if (decimalExponent > 0) {
            result.value =
                negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
            result.inRange = false;
        } else {
            result.value = negative ? -0.0 : 0.0;
        }
        return result;
    }
    if (!std::isfinite(value)) {
        result.value = negative ? -value : value;
        result.inRange = false;
        return result;
    }
    result.value = negative ? -value : value;
    return result;
}
