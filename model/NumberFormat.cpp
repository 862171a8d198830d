// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberFormat.h"

#include "CharConversion.h"

#include <array>
#include <cassert>
#include <cmath>
#include <string>

namespace {

struct MaskShape {
    int leadingBlanks = 0;
    int minIntegerDigits = 0;
    int decimals = 0;
    bool scientific = false;
    char exponentLetter = 'E';
    bool exponentSignAlways = true;
    int minExponentDigits = 0;
};

MaskShape parseMask(QStringView mask)
{
    MaskShape shape;
    qsizetype i = 0;
    while (i < mask.size() && mask[i] == u' ') {
        ++shape.leadingBlanks;
        ++i;
    }
    while (i < mask.size() && (mask[i] == u'#' || mask[i] == u'0')) {
        if (mask[i] == u'0')
            ++shape.minIntegerDigits;
        ++i;
    }
    if (i < mask.size() && mask[i] == u'.') {
        ++i;
        while (i < mask.size() && mask[i] == u'0') {
            ++shape.decimals;
            ++i;
        }
    }
    if (i < mask.size() && (mask[i] == u'E' || mask[i] == u'e')) {
        shape.scientific = true;
        shape.exponentLetter = static_cast<char>(mask[i].unicode());
        ++i;
        assert(i < mask.size() && (mask[i] == u'+' || mask[i] == u'-'));
        shape.exponentSignAlways = mask[i] == u'+';
        ++i;
        while (i < mask.size() && mask[i] == u'0') {
            ++shape.minExponentDigits;
            ++i;
        }
    }
    assert(i == mask.size() && "unsupported number mask");
    return shape;
}

/// Adds one unit in the last place of a string of decimal digits; returns
/// true when the carry runs out of the leftmost digit ("999" becomes "000").
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

/// Decimal expansion of a finite non-negative double with `precision` digits
/// after the point ('f') or after the first digit ('e'), correctly rounded.
/// The conversion, unlike printf, ignores the C library's locale: under a
/// comma locale (LC_NUMERIC=ru_RU.UTF-8, which Qt sets from the environment)
/// the point stays a point, and the masks choose their own separator.
std::string expansion(double magnitude, char conversion, int precision)
{
    return conversion == 'e' ? CharConversion::scientific(magnitude, precision)
                             : CharConversion::fixed(magnitude, precision);
}

/// Enough digits to decide the rounding at `decimals` digits exactly: 25 more
/// digits settle it unless they read "5000…", a possible exact tie; then the
/// exact expansion (every double has at most 1074 fractional digits, which
/// the conversion gives exactly) decides.
std::string digitsFor(double magnitude, char conversion, int decimals)
{
    constexpr int Guard = 25;
    std::string text = expansion(magnitude, conversion, decimals + Guard);
    const auto point = text.find('.');
    const std::size_t first =
        (point == std::string::npos ? text.size() : point + 1) + static_cast<std::size_t>(decimals);
    const bool possibleTie =
        first < text.size() && text[first] == '5'
        && text.find_first_not_of('0', first + 1) >= text.find_first_not_of("0123456789", first + 1);
    if (possibleTie)
        text = expansion(magnitude, conversion, 1100);
    return text;
}

/// Rounds fixed-point digits (integer part, fraction part) to `decimals`, half away from zero.
void roundFixed(std::string& integer, std::string& fraction, int decimals)
{
    const auto keep = static_cast<std::size_t>(decimals);
    const bool roundUp = fraction.size() > keep && fraction[keep] >= '5';
    fraction.resize(keep, '0');
    if (roundUp) {
        std::string all = integer + fraction;
        if (incrementDigits(all))
            all.insert(all.begin(), '1');
        integer = all.substr(0, all.size() - keep);
        fraction = all.substr(all.size() - keep);
    }
}

bool allZero(const std::string& digits)
{
    return digits.find_first_not_of('0') == std::string::npos;
}

QString plainFromChars(const char* begin, const char* end, bool negative)
{
    QString text = QString::fromLatin1(begin, end - begin);
    if (!negative) {
        if (text.startsWith(u'-'))
            text.remove(0, 1); // negative zero reads as zero
        text.prepend(u' ');
    }
    return text;
}

} // namespace

QString NumberFormat::format(double value, QStringView mask, const QLocale& locale)
{
    if (!std::isfinite(value))
        return QStringLiteral("—");

    const MaskShape shape = parseMask(mask);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    std::string integer;
    std::string fraction;
    std::string exponentText;
    if (shape.scientific) {
        // "d.ddd...e±xx": one leading digit, exact fraction, decimal exponent.
        const std::string exact = digitsFor(magnitude, 'e', shape.decimals);
        const auto e = exact.find('e');
        integer = exact.substr(0, 1);
        fraction = exact.substr(2, e - 2);
        int exponent = std::stoi(exact.substr(e + 1));
        roundFixed(integer, fraction, shape.decimals);
        if (integer.size() > 1) { // 9.9996 rounded to 10.000: renormalise
            fraction = integer.substr(1) + fraction;
            integer.resize(1);
            fraction.resize(static_cast<std::size_t>(shape.decimals));
            ++exponent;
        }
        if (magnitude == 0)
            exponent = 0;
        std::string digits = std::to_string(std::abs(exponent));
        if (digits.size() < static_cast<std::size_t>(shape.minExponentDigits))
            digits.insert(0, static_cast<std::size_t>(shape.minExponentDigits) - digits.size(), '0');
        exponentText.push_back(shape.exponentLetter);
        if (exponent < 0)
            exponentText.push_back('-');
        else if (shape.exponentSignAlways)
            exponentText.push_back('+');
        exponentText += digits;
    } else {
        const std::string exact = digitsFor(magnitude, 'f', shape.decimals);
        const auto point = exact.find('.');
        integer = exact.substr(0, point);
        fraction = exact.substr(point + 1);
        roundFixed(integer, fraction, shape.decimals);
        // Strip leading zeros down to the mask's minimum of integer digits.
        const auto minDigits = static_cast<std::size_t>(shape.minIntegerDigits);
        std::size_t strip = 0;
        while (strip < integer.size() && integer.size() - strip > minDigits && integer[strip] == '0')
            ++strip;
        integer.erase(0, strip);
    }

    const bool showsZero = allZero(integer) && allZero(fraction);
    QString text;
    if (negative && !showsZero)
        text += u'-';
    text += QString(shape.leadingBlanks, u' ');
    text += QString::fromLatin1(integer.data(), static_cast<qsizetype>(integer.size()));
    if (shape.decimals > 0) {
        text += locale.decimalPoint();
        text += QString::fromLatin1(fraction.data(), static_cast<qsizetype>(fraction.size()));
    }
    text += QString::fromLatin1(exponentText.data(), static_cast<qsizetype>(exponentText.size()));
    return text;
}

QString NumberFormat::plain(double value)
{
    const std::string text = CharConversion::shortest(value);
    return plainFromChars(text.data(), text.data() + text.size(), value < 0);
}

QString NumberFormat::plain(float value)
{
    const std::string text = CharConversion::shortest(value);
    return plainFromChars(text.data(), text.data() + text.size(), value < 0);
}
