// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The conversions a browser's page uses (through its C library, built here
// with OILDROP_CONVERSION_THROUGH_C) against std::to_chars and
// std::from_chars, under a C library set to a decimal comma: the same text
// for every double and float tried.

#include "CharConversion.h"

#include <QTest>

#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace {

template <typename Value, typename... Format>
std::string reference(Value value, Format... format)
{
    std::array<char, 1600> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}

} // namespace

class TestCharConversion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameAsTheCppLibrary_data();
    void sameAsTheCppLibrary();
};

void TestCharConversion::initTestCase()
{
    // A C library writing decimal commas: the conversions must not follow it.
    QVERIFY2(std::setlocale(LC_ALL, "ru_RU.UTF-8"), "the locale ru_RU.UTF-8 is not installed");
}

void TestCharConversion::sameAsTheCppLibrary_data()
{
    QTest::addColumn<double>("value");
    const double edges[] = {0.0,
                            1.0,
                            0.1,
                            0.5,
                            1e-5,
                            2.5e-7,
                            123456.789,
                            1e21,
                            1e22,
                            1e23,
                            9007199254740993.0,
                            5e-324,
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(),
                            0.016,
                            5085.0,
                            8.102e-14,
                            1.602176634e-19,
                            0.125,
                            2.675};
    for (double value : edges) {
        QTest::addRow("%.17g", value) << value;
        QTest::addRow("-%.17g", value) << -value;
    }
    // Doubles of every size: random bits, the finite ones.
    std::mt19937_64 bits(20261209);
    for (int i = 0; i < 400;) {
        const std::uint64_t word = bits();
        double value = 0;
        std::memcpy(&value, &word, sizeof value);
        if (!std::isfinite(value))
            continue;
        QTest::addRow("random %d", i++) << value;
    }
}

void TestCharConversion::sameAsTheCppLibrary()
{
    QFETCH(double, value);
    QCOMPARE(CharConversion::shortest(value), reference(value));
    const float single = static_cast<float>(value);
    if (std::isfinite(single))
        QCOMPARE(CharConversion::shortest(single), reference(single));
    for (int precision : {0, 3, 17, 40})
        QCOMPARE(CharConversion::fixed(std::fabs(value), precision),
                 reference(std::fabs(value), std::chars_format::fixed, precision));
    for (int precision : {0, 5, 16, 30})
        QCOMPARE(CharConversion::scientific(std::fabs(value), precision),
                 reference(std::fabs(value), std::chars_format::scientific, precision));
    double back = 0;
    QCOMPARE(CharConversion::parse(reference(value), back), std::errc{});
    QCOMPARE(back, value);
}

QTEST_APPLESS_MAIN(TestCharConversion)
#include "tst_char_conversion.moc"
