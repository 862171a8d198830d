// SPDX-FileCopyrightText: 2026 The oildrop developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "NumberFormat.h"
#include "NumberReader.h"

#include <QtTest>

#include <cmath>
#include <limits>

/// Number masks, the plain number form of the inputs, and the leading-number reader.
class tst_numbers : public QObject {
    Q_OBJECT

private slots:
    void masks_data();
    void masks();
    void localeSeparator();
    void nonFinite();
    void plain_data();
    void plain();
    void plainReadsBack_data();
    void plainReadsBack();
    void plainSingle();
    void reader_data();
    void reader();
    void readerRange_data();
    void readerRange();
};

void tst_numbers::masks_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blank fixed4") << 0.016 << " 0.0000"
                                  << " 0.0160";
    QTest::newRow("blank fixed4 negative: minus before blank") << -0.016 << " 0.0000"
                                                               << "- 0.0160";
    QTest::newRow("blank fixed1 negative voltage") << -5085.0 << " 0.0"
                                                   << "- 5085.0";
    QTest::newRow("blank fixed1 positive") << 5000.0 << " 0.0"
                                           << " 5000.0";
    QTest::newRow("blank sci lower diameter") << 5.52e-6 << " 0.000e+00"
                                              << " 5.520e-06";
    QTest::newRow("blank sci lower viscosity (single)") << static_cast<double>(1.82e-5f) << " 0.000e+00"
                                                        << " 1.820e-05";
    QTest::newRow("blank sci lower negative") << -5.52e-6 << " 0.000e+00"
                                              << "- 5.520e-06";
    QTest::newRow("sci upper") << 8.102213e-14 << "0.000E+00"
                               << "8.102E-14";
    QTest::newRow("sci upper negative") << -317812.5 << "0.000E+00"
                                        << "-3.178E+05";
    QTest::newRow("sci upper positive exponent sign") << 1.0 << "0.000E+00"
                                                      << "1.000E+00";
    QTest::newRow("sci zero") << 0.0 << "0.000E+00"
                              << "0.000E+00";
    QTest::newRow("sci carry into exponent") << 9.9996 << "0.000E+00"
                                             << "1.000E+01";
    QTest::newRow("sci carry negative exponent") << 9.99951e-5 << "0.000E+00"
                                                 << "1.000E-04";
    QTest::newRow("sci no carry just below") << 9.99949 << "0.000E+00"
                                             << "9.999E+00";
    QTest::newRow("sci three-digit exponent") << 1.5e-300 << "0.000E+00"
                                              << "1.500E-300";
    QTest::newRow("sci half away from zero (exact tie)") << 1.0625 << "0.000E+00"
                                                         << "1.063E+00";
    QTest::newRow("fixed1 charge") << 3.0 << "0.0"
                                   << "3.0";
    QTest::newRow("fixed1 ten") << 10.0 << "0.0"
                                << "10.0";
    QTest::newRow("fixed3 ratio") << 2.3333333333333326 << "0.000"
                                  << "2.333";
    QTest::newRow("fixed3 difference") << 3.999999999999999 << "0.000"
                                       << "4.000";
    QTest::newRow("fixed3 negative difference") << -2.0000000000000004 << "0.000"
                                                << "-2.000";
    QTest::newRow("fixed3 carry into integer") << 9.9996 << "0.000"
                                               << "10.000";
    QTest::newRow("fixed2 tick") << 0.0715000006556511 << "#0.00"
                                 << "0.07";
    QTest::newRow("fixed2 tick negative") << -0.3575000032782555 << "#0.00"
                                          << "-0.36";
    QTest::newRow("fixed2 small integer part") << 0.3 << "#0.00"
                                               << "0.30";
    QTest::newRow("fixed2 exact tie rounds away") << 0.125 << "#0.00"
                                                  << "0.13";
    QTest::newRow("fixed2 negative exact tie rounds away") << -0.125 << "#0.00"
                                                           << "-0.13";
    QTest::newRow("fixed2 negative rounding to zero has no minus") << -0.001 << "#0.00"
                                                                   << "0.00";
    QTest::newRow("fixed2 negative zero") << -0.0 << "#0.00"
                                          << "0.00";
    QTest::newRow("fixed2 large") << 123456.789 << "#0.00"
                                  << "123456.79";
}

void tst_numbers::masks()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat::format(value, mask, QLocale::c()), expected);
}

void tst_numbers::localeSeparator()
{
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    QCOMPARE(NumberFormat::format(-317812.5, u"0.000E+00", russian), QStringLiteral("-3,178E+05"));
    QCOMPARE(NumberFormat::format(-0.3575, u"#0.00", russian), QStringLiteral("-0,36"));
    QCOMPARE(NumberFormat::format(-5085, u" 0.0", russian), QStringLiteral("- 5085,0"));
    // No group separators, even where the locale has them.
    QCOMPARE(NumberFormat::format(123456.789, u"#0.00", russian), QStringLiteral("123456,79"));
    QCOMPARE(NumberFormat::format(123456.789, u"#0.00", QLocale(QLocale::English)), QStringLiteral("123456.79"));
}

void tst_numbers::nonFinite()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(NumberFormat::format(inf, u"0.000E+00"), QStringLiteral("—"));
    QCOMPARE(NumberFormat::format(-inf, u"#0.00"), QStringLiteral("—"));
    QCOMPARE(NumberFormat::format(std::nan(""), u"0.0"), QStringLiteral("—"));
}

void tst_numbers::plain_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("integer density") << 920.0 << " 920";
    QTest::newRow("fraction") << 1.23 << " 1.23";
    QTest::newRow("double of fraction") << 2 * 1.23 << " 2.46";
    QTest::newRow("voltage reset") << 5000.0 << " 5000";
    QTest::newRow("negative") << -5085.0 << "-5085";
    QTest::newRow("small") << 0.000001 << " 1e-06";
    QTest::newRow("plate reset") << 0.016 << " 0.016";
    QTest::newRow("negative zero reads as zero") << -0.0 << " 0";
}

void tst_numbers::plain()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormat::plain(value), expected);
}

void tst_numbers::plainReadsBack_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("third") << 1.0 / 3;
    QTest::newRow("tiny") << 4.9e-324;
    QTest::newRow("huge") << 1.7976931348623157e308;
    QTest::newRow("negative fraction") << -0.1;
    QTest::newRow("half density") << 920.0 / 2;
    QTest::newRow("2 x 1e300") << 2e300;
}

void tst_numbers::plainReadsBack()
{
    QFETCH(double, value);
    const QString text = NumberFormat::plain(value);
    QCOMPARE(NumberReader::read(text).value, value);
    QVERIFY(text.startsWith(value < 0 ? u'-' : u' '));
}

void tst_numbers::plainSingle()
{
    // The shortest text of the single, not of its double widening (1.79999995e-05).
    QCOMPARE(NumberFormat::plain(1.8e-5f), QStringLiteral(" 1.8e-05"));
    QCOMPARE(NumberFormat::plain(1.82e-5f), QStringLiteral(" 1.82e-05"));
    for (const float value : {1.8e-5f, 3.3333333f, 1e-38f, 3.4e38f})
        QCOMPARE(static_cast<float>(NumberReader::read(NumberFormat::plain(value)).value), value);
}

void tst_numbers::reader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain") << "0.02" << 0.02;
    QTest::newRow("leading blank") << " 920" << 920.0;
    QTest::newRow("minus before blank") << "- 5085.0" << -5085.0;
    QTest::newRow("blanks inside digits") << "1 000" << 1000.0;
    QTest::newRow("tabs and line feeds") << "\t1\n2.5" << 12.5;
    QTest::newRow("trailing garbage") << "12abc" << 12.0;
    QTest::newRow("exponent") << "5.52e-6" << 5.52e-6;
    QTest::newRow("exponent upper") << "5.52E-06" << 5.52e-6;
    QTest::newRow("exponent with D") << "1.5D3" << 1500.0;
    QTest::newRow("exponent with d and plus") << "2d+2" << 200.0;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e-x" << 7.0;
    QTest::newRow("blank inside exponent") << "1 e 2" << 100.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("comma ends the number") << "0,5" << 0.0;
    QTest::newRow("comma after integer") << "12,75" << 12.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("sign and point") << "-." << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("cyrillic") << "пять" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("unicode minus is not a sign") << "−5" << 0.0;
    QTest::newRow("leading zeros") << "000.0160" << 0.016;
    QTest::newRow("many digits") << QString(400, u'1').prepend("0.") << 0.11111111111111111;
    QTest::newRow("long integer") << "123456789012345678901234567890" << 1.2345678901234568e29;
    QTest::newRow("huge exponent digits") << "1e-0000000000000000000000003" << 1e-3;
}

void tst_numbers::reader()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const NumberReader::Result result = NumberReader::read(text);
    QVERIFY(result.inRange);
    QCOMPARE(result.value, expected);
}

void tst_numbers::readerRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("inRange");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("overflow") << "1e999" << false << inf;
    QTest::newRow("negative overflow") << "-1e999" << false << -inf;
    QTest::newRow("just above max") << "1.8e308" << false << inf;
    QTest::newRow("max") << "1.7976931348623157e308" << true << 1.7976931348623157e308;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << false << inf;
    QTest::newRow("400 digits") << QString(400, u'9') << false << inf;
    QTest::newRow("underflow reads as zero") << "1e-999" << true << 0.0;
    QTest::newRow("subnormal kept") << "1e-320" << true << 1e-320;
    QTest::newRow("zero with huge exponent") << "0e99999" << true << 0.0;
}

void tst_numbers::readerRange()
{
    QFETCH(QString, text);
    QFETCH(bool, inRange);
    QFETCH(double, expected);
    const NumberReader::Result result = NumberReader::read(text);
    QCOMPARE(result.inRange, inRange);
    QCOMPARE(result.value, expected);
}

QTEST_APPLESS_MAIN(tst_numbers)
#include "tst_numbers.moc"
