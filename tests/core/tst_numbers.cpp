#include "engine/numbers.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>

using namespace tessarin;

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void textToNumber_data();
    void textToNumber();
    void textToNumberUnderAGermanLocale();
    void formatNumber_data();
    void formatNumber();
    void displayedMatchesTextRoundTrip_data();
    void displayedMatchesTextRoundTrip();
    void roundRate_data();
    void roundRate();
    void toInt16_data();
    void toInt16();
};

void TestNumbers::textToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    const double max = std::numeric_limits<double>::max();

    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("plain") << QStringLiteral("870") << 870.0;
    QTest::newRow("negative") << QStringLiteral("-34") << -34.0;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 5.0;
    QTest::newRow("leading blanks") << QStringLiteral("  \t\n42") << 42.0;
    QTest::newRow("blank inside digits") << QStringLiteral("1 2") << 12.0;
    QTest::newRow("blank after sign") << QStringLiteral("- 7") << -7.0;
    QTest::newRow("stops at a word") << QStringLiteral("24 and 57") << 24.0;
    QTest::newRow("trailing text") << QStringLiteral("85%") << 85.0;
    QTest::newRow("fraction") << QStringLiteral("6.61") << 6.61;
    QTest::newRow("leading point") << QStringLiteral(".5") << 0.5;
    QTest::newRow("second point ends") << QStringLiteral("1.2.3") << 1.2;
    QTest::newRow("exponent") << QStringLiteral("1.5E3") << 1500.0;
    QTest::newRow("negative exponent") << QStringLiteral("25e-1") << 2.5;
    QTest::newRow("D exponent") << QStringLiteral("2D2") << 200.0;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 1.0;
    QTest::newRow("exponent sign without digits") << QStringLiteral("7e-x") << 7.0;
    QTest::newRow("correctly rounded") << QStringLiteral("1.9e-5") << 1.9e-5;
    QTest::newRow("many digits rounded once") << QStringLiteral("0.1000000000000000055511151231257827") << 0.1;
    QTest::newRow("hex") << QStringLiteral("&H1F") << 31.0;
    QTest::newRow("hex lower case") << QStringLiteral("&hff") << 255.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("octal stops at 8") << QStringLiteral("&O78") << 7.0;
    QTest::newRow("ampersand alone") << QStringLiteral("&") << 0.0;
    QTest::newRow("ampersand other") << QStringLiteral("&X12") << 0.0;
    QTest::newRow("inf is a word") << QStringLiteral("inf") << 0.0;
    QTest::newRow("nan is a word") << QStringLiteral("nan") << 0.0;
    QTest::newRow("C hex is only its zero") << QStringLiteral("0x1A") << 0.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
    QTest::newRow("two signs") << QStringLiteral("--5") << 0.0;
    QTest::newRow("Korean text") << QStringLiteral("직업") << 0.0;
    QTest::newRow("full-width digits are not digits") << QStringLiteral("１２") << 0.0;
    QTest::newRow("carriage return is not a blank") << QStringLiteral("\r5") << 0.0;
    QTest::newRow("negative zero shows as zero") << QStringLiteral("-0") << 0.0;
    QTest::newRow("overflow keeps the sign") << QStringLiteral("-1e999") << -max;
    QTest::newRow("overflow by digits") << (QStringLiteral("9").repeated(400)) << max;
    QTest::newRow("underflow is zero") << QStringLiteral("1e-999") << 0.0;
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999999999999") << max;
    QTest::newRow("tiny with huge digits") << QStringLiteral("0.0000001e-99999999999") << 0.0;
    QTest::newRow("hex beyond 53 bits rounded once") << QStringLiteral("&H20000000000001F") << 144115188075855904.0;
    QTest::newRow("hex tie to even") << QStringLiteral("&H20000000000001") << 9007199254740992.0;
    QTest::newRow("hex above the tie rounds up") << QStringLiteral("&H200000000000011") << 144115188075855904.0;
    QTest::newRow("hex 64 bits") << QStringLiteral("&HFFFFFFFFFFFFFFFF") << 18446744073709551616.0;
    QTest::newRow("hex sticky bit far down")
        << (QStringLiteral("&H20000000000001") + QStringLiteral("0").repeated(20) + "1")
        << std::ldexp(9007199254740994.0, 84);
    QTest::newRow("hex leading zeros") << QStringLiteral("&H0000000000000000000001F") << 31.0;
    QTest::newRow("octal beyond 53 bits rounded once")
        << QStringLiteral("&O10000000000000000037") << 144115188075855904.0;
    QTest::newRow("octal tie to even") << QStringLiteral("&O400000000000000003") << 9007199254740996.0;
    QTest::newRow("hex largest double") << (QStringLiteral("&HFFFFFFFFFFFFF8") + QStringLiteral("0").repeated(242))
                                        << max;
    QTest::newRow("large hex") << (QStringLiteral("&H") + QStringLiteral("F").repeated(300)) << max;
}

void TestNumbers::textToNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double value = tessarin::textToNumber(text);
    QCOMPARE(value, expected);
    QVERIFY(!std::signbit(value) || value != 0);
}

void TestNumbers::textToNumberUnderAGermanLocale()
{
    // QApplication adopts the user's locale; a decimal comma there must not change what a box reads.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const QByteArray saved(previous ? previous : "C");
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE"))
        QSKIP("no German locale on this machine");
    const double value = tessarin::textToNumber(u"6.61");
    const QString text = tessarin::formatNumber(85.5);
    std::setlocale(LC_ALL, saved.constData());
    QCOMPARE(value, 6.61);
    QCOMPARE(text, QStringLiteral("85.5"));
}

void TestNumbers::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("whole") << 85.0 << "85";
    QTest::newRow("one decimal") << 85.5 << "85.5";
    QTest::newRow("two decimals") << 6.61 << "6.61";
    QTest::newRow("negative") << -0.01 << "-0.01";
    QTest::newRow("no thousands separator") << 13336.0 << "13336";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("scientific from 1e15") << 1e15 << "1E+15";
    QTest::newRow("scientific with mantissa") << 1234567890123456.0 << "1.23456789012346E+15";
    QTest::newRow("small fixed") << 0.0001 << "0.0001";
    QTest::newRow("small scientific") << 0.00001 << "1E-05";
    QTest::newRow("infinity shows the largest") << std::numeric_limits<double>::infinity() << "1.79769313486232E+308";
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << "-1.79769313486232E+308";
    QTest::newRow("nan shows zero") << std::numeric_limits<double>::quiet_NaN() << "0";
}

void TestNumbers::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(tessarin::formatNumber(value), expected);
}

void TestNumbers::displayedMatchesTextRoundTrip_data()
{
    QTest::addColumn<double>("value");
    for (double v : {0.0, 1.0, -1.0, 60.0, 13336.0, 0.1 + 0.2, 1.0 / 3.0, 2796.0000000000005, 999999999999999.0, 1e15,
                     1e15 + 1, 123456789.123456789, -3420.063717, 1e-5, 1.7976931348623157e308,
                     std::numeric_limits<double>::infinity(), std::numeric_limits<double>::denorm_min()})
        QTest::newRow(qPrintable(QString::number(v, 'g', 17))) << v;
}

void TestNumbers::displayedMatchesTextRoundTrip()
{
    QFETCH(double, value);
    const double viaText = tessarin::textToNumber(tessarin::formatNumber(value));
    QCOMPARE(tessarin::displayed(value), viaText);
    QVERIFY(std::isfinite(tessarin::displayed(value)));
}

void TestNumbers::roundRate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("remainder up") << 6.6061 << 6.61;
    QTest::newRow("just below") << 9.1799 << 9.18;
    QTest::newRow("negative") << -0.0147 << -0.01;
    QTest::newRow("two decimals stay") << 85.48 << 85.48;
    QTest::newRow("whole stays") << 51.0 << 51.0;
    QTest::newRow("thousandth goes up") << 1.0011 << 1.01;
    QTest::newRow("below a thousandth stays") << 1.0009 << 1.0;
    QTest::newRow("infinity is clamped") << std::numeric_limits<double>::infinity()
                                         << std::numeric_limits<double>::max();
    QTest::newRow("nan is zero") << std::numeric_limits<double>::quiet_NaN() << 0.0;
}

void TestNumbers::roundRate()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(tessarin::roundRate(value), expected);
}

void TestNumbers::toInt16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("half to even down") << 12.5 << 12;
    QTest::newRow("half to even up") << 13.5 << 14;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("nearest") << 80.6 << 81;
    QTest::newRow("top of range") << 32767.0 << 32767;
    QTest::newRow("rounds into range") << 32767.4 << 32767;
    QTest::newRow("beyond top clamps") << 40000.0 << 32767;
    QTest::newRow("bottom of range") << -32768.0 << -32768;
    QTest::newRow("beyond bottom clamps") << -1e300 << -32768;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 32767;
}

void TestNumbers::toInt16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QCOMPARE(int(tessarin::toInt16(value)), expected);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
