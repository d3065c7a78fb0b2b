#include "platform/ExtendedFloat.h"
#include "platform/TColor.h"
#include "platform/TCursor.h"
#include "platform/WinMath.h"
#include "platform/Windows1252.h"

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QRandomGenerator>
#include <QString>
#include <QTest>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

namespace
{
constexpr quint32 RandomSeed = 20240611;

quint64 bitsOf(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleFrom(quint64 bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::array<quint8, 10> extendedBytes(quint16 signAndExponent, quint64 mantissa)
{
    std::array<quint8, 10> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = quint8(mantissa >> (8 * i));
    bytes[8] = quint8(signAndExponent);
    bytes[9] = quint8(signAndExponent >> 8);
    return bytes;
}

QByteArray toByteArray(const std::array<quint8, 10> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

QString hexBits(double value)
{
    return QString::number(bitsOf(value), 16);
}

// Fails with both bit patterns shown, since QCOMPARE on doubles treats every
// NaN as equal and -0.0 as +0.0.
void compareBits(double actual, double expected, const QByteArray &what)
{
    if (bitsOf(actual) != bitsOf(expected))
        QFAIL(qPrintable(QString("%1: got %2, expected %3")
                             .arg(QString::fromLatin1(what), hexBits(actual), hexBits(expected))));
}

QByteArray allBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

const double Infinity = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();
}

class TestPlatformHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windows1252DecodesEachByte_data();
    void windows1252DecodesEachByte();
    void windows1252EncodesText_data();
    void windows1252EncodesText();
    void windows1252DecodeThenEncodeIsIdentity();
    void windows1252DecodesHighBytesAfterLongAscii();

    void extendedFromDoubleIsExact_data();
    void extendedFromDoubleIsExact();
    void extendedToDoubleRounds_data();
    void extendedToDoubleRounds();
    void extendedRoundTripsRandomDoubles();
    void extendedMatchesHardwareConversion();

    void mulDiv_data();
    void mulDiv();
    void roundHalfEven_data();
    void roundHalfEven();

    void colorIdents_data();
    void colorIdents();
    void everySystemColorHasAName();
    void unknownColorIdents_data();
    void unknownColorIdents();
    void colorToRGB_data();
    void colorToRGB();
    void qColorConversion();

    void cursorIdents_data();
    void cursorIdents();
    void unknownCursorIdents();
};

void TestPlatformHelpers::windows1252DecodesEachByte_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("ASCII letter") << 0x41 << 0x41;
    QTest::newRow("euro sign") << 0x80 << 0x20AC;
    QTest::newRow("low single quote") << 0x82 << 0x201A;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y with diaeresis") << 0x9F << 0x0178;
    QTest::newRow("undefined 0x81") << 0x81 << 0x81;
    QTest::newRow("undefined 0x8D") << 0x8D << 0x8D;
    QTest::newRow("undefined 0x8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 0x90") << 0x90 << 0x90;
    QTest::newRow("undefined 0x9D") << 0x9D << 0x9D;
    QTest::newRow("no-break space") << 0xA0 << 0xA0;
    QTest::newRow("e acute") << 0xE9 << 0xE9;
    QTest::newRow("y with diaeresis") << 0xFF << 0xFF;
}

void TestPlatformHelpers::windows1252DecodesEachByte()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);

    const QByteArray encoded(1, char(byte));
    const QString decoded{QChar(char16_t(codePoint))};
    QCOMPARE(Windows1252::decode(encoded), decoded);
    QCOMPARE(Windows1252::encode(decoded), encoded);
    QVERIFY(Windows1252::canEncode(decoded));
}

void TestPlatformHelpers::windows1252EncodesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("encodable");

    const QString longAscii(100, QLatin1Char('a'));

    QTest::newRow("empty") << QString() << QByteArray() << true;
    QTest::newRow("plain ASCII") << QStringLiteral("Card 42") << QByteArray("Card 42") << true;
    QTest::newRow("only mapped high characters") << QStringLiteral(u"\u0178\u00E9\u20AC")
                                                 << QByteArray("\x9F\xE9\x80") << true;
    QTest::newRow("arrow") << QStringLiteral(u"a\u2192b") << QByteArray("a?b") << false;
    QTest::newRow("CJK") << QStringLiteral(u"\u4E2D") << QByteArray("?") << false;
    QTest::newRow("C1 control whose byte is the euro")
        << QStringLiteral(u"\u0080") << QByteArray("?") << false;
    QTest::newRow("surrogate pair is one character")
        << QStringLiteral(u"x\U0001F600y") << QByteArray("x?y") << false;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + u'z' << QByteArray("?z") << false;
    QTest::newRow("lone low surrogate") << QString(QChar(0xDE00)) << QByteArray("?") << false;
    QTest::newRow("mapped and unmapped mixed")
        << QStringLiteral(u"\u20AC\u2192\u2122") << QByteArray("\x80?\x99") << false;
    QTest::newRow("unmapped after a long ASCII run")
        << longAscii + QChar(0x2192) << QByteArray(100, 'a') + '?' << false;
}

void TestPlatformHelpers::windows1252EncodesText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QFETCH(bool, encodable);

    QCOMPARE(Windows1252::encode(text), expected);
    QCOMPARE(Windows1252::canEncode(text), encodable);
}

void TestPlatformHelpers::windows1252DecodeThenEncodeIsIdentity()
{
    const QByteArray bytes = allBytes();
    const QString decoded = Windows1252::decode(bytes);

    QCOMPARE(decoded.size(), 256);
    QVERIFY(Windows1252::canEncode(decoded));
    QCOMPARE(Windows1252::encode(decoded), bytes);
}

void TestPlatformHelpers::windows1252DecodesHighBytesAfterLongAscii()
{
    const QByteArray bytes = QByteArray(300, 'x') + "\x80\x9F";
    const QString decoded = Windows1252::decode(bytes);

    QCOMPARE(decoded.size(), 302);
    QCOMPARE(decoded.first(300), QString(300, QLatin1Char('x')));
    QCOMPARE(decoded.at(300), QChar(0x20AC));
    QCOMPARE(decoded.at(301), QChar(0x0178));
}

void TestPlatformHelpers::extendedFromDoubleIsExact_data()
{
    QTest::addColumn<quint64>("doubleBits");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("1.0") << quint64(0x3FF0000000000000) << QByteArray::fromHex("0000000000000080ff3f");
    QTest::newRow("-2.0") << quint64(0xC000000000000000) << QByteArray::fromHex("000000000000008000c0");
    QTest::newRow("0.1") << quint64(0x3FB999999999999A) << QByteArray::fromHex("00d0ccccccccccccfb3f");
    QTest::newRow("+0") << quint64(0) << QByteArray::fromHex("00000000000000000000");
    QTest::newRow("-0") << quint64(0x8000000000000000) << QByteArray::fromHex("00000000000000000080");
    QTest::newRow("+inf") << quint64(0x7FF0000000000000) << QByteArray::fromHex("0000000000000080ff7f");
    QTest::newRow("-inf") << quint64(0xFFF0000000000000) << QByteArray::fromHex("0000000000000080ffff");
    QTest::newRow("quiet NaN") << quint64(0x7FF8000000000000) << QByteArray::fromHex("00000000000000c0ff7f");
    QTest::newRow("signalling NaN keeps its payload")
        << quint64(0x7FF0000000000001) << QByteArray::fromHex("0008000000000080ff7f");
    QTest::newRow("largest double") << quint64(0x7FEFFFFFFFFFFFFF) << QByteArray::fromHex("00f8fffffffffffffe43");
    QTest::newRow("smallest normal") << quint64(0x0010000000000000) << QByteArray::fromHex("0000000000000080013c");
    QTest::newRow("largest subnormal") << quint64(0x000FFFFFFFFFFFFF) << QByteArray::fromHex("00f0ffffffffffff003c");
    QTest::newRow("smallest subnormal") << quint64(1) << QByteArray::fromHex("0000000000000080cd3b");
    QTest::newRow("negative subnormal") << quint64(0x8000000000000003) << QByteArray::fromHex("00000000000000c0cebb");
}

void TestPlatformHelpers::extendedFromDoubleIsExact()
{
    QFETCH(quint64, doubleBits);
    QFETCH(QByteArray, bytes);

    const double value = doubleFrom(doubleBits);
    QCOMPARE(toByteArray(ExtendedFloat::fromDouble(value)), bytes);
    compareBits(ExtendedFloat::toDouble(reinterpret_cast<const quint8 *>(bytes.constData())), value, "back");
}

void TestPlatformHelpers::extendedToDoubleRounds_data()
{
    QTest::addColumn<ushort>("signAndExponent");
    QTest::addColumn<quint64>("mantissa");
    QTest::addColumn<quint64>("expectedBits");

    QTest::newRow("nearest extended to 0.1") << ushort(0x3FFB) << quint64(0xCCCCCCCCCCCCCCCD) << quint64(0x3FB999999999999A);
    QTest::newRow("tie rounds down to even") << ushort(0x3FFF) << quint64(0x8000000000000400) << quint64(0x3FF0000000000000);
    QTest::newRow("tie rounds up to even") << ushort(0x3FFF) << quint64(0x8000000000000C00) << quint64(0x3FF0000000000002);
    QTest::newRow("just above a tie") << ushort(0x3FFF) << quint64(0x8000000000000401) << quint64(0x3FF0000000000001);
    QTest::newRow("just below a tie") << ushort(0x3FFF) << quint64(0x8000000000000BFF) << quint64(0x3FF0000000000001);
    QTest::newRow("rounding carries into the exponent") << ushort(0x3FFF) << quint64(0xFFFFFFFFFFFFFC00) << quint64(0x4000000000000000);
    QTest::newRow("largest double from above") << ushort(0x43FE) << quint64(0xFFFFFFFFFFFFFBFF) << quint64(0x7FEFFFFFFFFFFFFF);
    QTest::newRow("rounding past the largest double") << ushort(0x43FE) << quint64(0xFFFFFFFFFFFFFC00) << quint64(0x7FF0000000000000);
    QTest::newRow("2^1024 overflows") << ushort(0x43FF) << quint64(0x8000000000000000) << quint64(0x7FF0000000000000);
    QTest::newRow("negative huge overflows") << ushort(0xFFFE) << quint64(0x8000000000000000) << quint64(0xFFF0000000000000);
    QTest::newRow("largest subnormal rounds up to smallest normal") << ushort(0x3C00) << quint64(0xFFFFFFFFFFFFF800) << quint64(0x0010000000000000);
    QTest::newRow("subnormal rounds down") << ushort(0x3C00) << quint64(0x80000000000007FF) << quint64(0x0008000000000000);
    QTest::newRow("half the smallest subnormal ties to zero") << ushort(0x3BCC) << quint64(0x8000000000000000) << quint64(0);
    QTest::newRow("just above half the smallest subnormal") << ushort(0x3BCC) << quint64(0x8000000000000001) << quint64(1);
    QTest::newRow("1.5 smallest subnormals ties to 2") << ushort(0x3BCD) << quint64(0xC000000000000000) << quint64(2);
    QTest::newRow("2.5 smallest subnormals ties to 2") << ushort(0x3BCE) << quint64(0xA000000000000000) << quint64(2);
    QTest::newRow("negative underflow keeps the sign") << ushort(0x8001) << quint64(0x8000000000000000) << quint64(0x8000000000000000);
    QTest::newRow("denormal extended underflows") << ushort(0x0000) << quint64(0x7FFFFFFFFFFFFFFF) << quint64(0);
    QTest::newRow("unnormal read by its value") << ushort(0x4000) << quint64(0x4000000000000000) << quint64(0x3FF0000000000000);
    QTest::newRow("unnormal with only the lowest bit") << ushort(0x3FFF) << quint64(1) << quint64(0x3C00000000000000);
    QTest::newRow("zero mantissa with an exponent") << ushort(0xC000) << quint64(0) << quint64(0x8000000000000000);
    QTest::newRow("infinity") << ushort(0x7FFF) << quint64(0x8000000000000000) << quint64(0x7FF0000000000000);
    QTest::newRow("negative infinity") << ushort(0xFFFF) << quint64(0x8000000000000000) << quint64(0xFFF0000000000000);
    QTest::newRow("quiet NaN") << ushort(0x7FFF) << quint64(0xC000000000000000) << quint64(0x7FF8000000000000);
    QTest::newRow("negative NaN keeps its payload") << ushort(0xFFFF) << quint64(0xC000000000123800) << quint64(0xFFF8000000000247);
    QTest::newRow("NaN whose payload does not fit stays NaN") << ushort(0x7FFF) << quint64(0x8000000000000001) << quint64(0x7FF8000000000000);
}

void TestPlatformHelpers::extendedToDoubleRounds()
{
    QFETCH(ushort, signAndExponent);
    QFETCH(quint64, mantissa);
    QFETCH(quint64, expectedBits);

    const std::array<quint8, 10> bytes = extendedBytes(signAndExponent, mantissa);
    compareBits(ExtendedFloat::toDouble(bytes.data()), doubleFrom(expectedBits), "toDouble");
}

void TestPlatformHelpers::extendedRoundTripsRandomDoubles()
{
    QRandomGenerator random(RandomSeed);
    for (int i = 0; i < 5000; ++i)
    {
        quint64 bits = random.generate64();
        if (i % 4 == 0)
            bits &= 0x800FFFFFFFFFFFFF; // make a share of them subnormal
        const double value = doubleFrom(bits);
        const std::array<quint8, 10> bytes = ExtendedFloat::fromDouble(value);
        compareBits(ExtendedFloat::toDouble(bytes.data()), value, "round trip");
    }
}

void TestPlatformHelpers::extendedMatchesHardwareConversion()
{
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
    QRandomGenerator random(RandomSeed);
    for (int i = 0; i < 20000; ++i)
    {
        int exponent = 0;
        switch (i % 6)
        {
        case 0: exponent = int(random.bounded(0x8000)); break;
        case 1: exponent = 16383 + random.bounded(-1100, 1100); break;
        case 2: exponent = 16383 + 1023 + random.bounded(-2, 3); break;
        case 3: exponent = 16383 - 1022 - random.bounded(0, 70); break;
        case 4: exponent = 0; break;
        default: exponent = 0x7FFF; break;
        }
        quint64 mantissa = random.generate64();
        if (exponent != 0)
            mantissa |= quint64(1) << 63; // the x87 rejects unnormals outright
        if (i % 5 == 0)
            mantissa = (mantissa & ~quint64(0x7FF)) | 0x400; // an exact tie
        const quint16 sign = random.bounded(2) != 0 ? 0x8000 : 0;
        const std::array<quint8, 10> bytes = extendedBytes(quint16(sign | exponent), mantissa);

        long double hardwareValue = 0;
        std::memcpy(&hardwareValue, bytes.data(), bytes.size());
        const double expected = double(hardwareValue);
        const double actual = ExtendedFloat::toDouble(bytes.data());
        // The x87 quietens signalling NaNs on the way; only NaN-ness is compared.
        if (std::isnan(expected))
            QVERIFY2(std::isnan(actual), qPrintable(hexBits(actual)));
        else
            compareBits(actual, expected, QByteArray::number(i));
    }
#else
    QSKIP("long double is not the x87 extended format here");
#endif
}

void TestPlatformHelpers::mulDiv_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("numerator");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<int>("expected");

    const int maxInt = std::numeric_limits<int>::max();
    const int minInt = std::numeric_limits<int>::min();

    QTest::newRow("exact") << 6 << 4 << 3 << 8;
    QTest::newRow("half rounds away from zero") << 10 << 3 << 4 << 8;
    QTest::newRow("negative number") << -10 << 3 << 4 << -8;
    QTest::newRow("negative numerator") << 10 << -3 << 4 << -8;
    QTest::newRow("negative denominator") << 10 << 3 << -4 << -8;
    QTest::newRow("all negative") << -10 << -3 << -4 << -8;
    QTest::newRow("below half rounds down") << 7 << 1 << 3 << 2;
    QTest::newRow("above half rounds up") << 5 << 1 << 3 << 2;
    QTest::newRow("negative below half") << -7 << 1 << 3 << -2;
    QTest::newRow("product needs 64 bits") << 1000000000 << 1000000000 << 1000000000 << 1000000000;
    QTest::newRow("largest operands") << maxInt << maxInt << maxInt << maxInt;
    QTest::newRow("smallest int fits") << minInt << 1 << 1 << minInt;
    QTest::newRow("genuine -1") << -3 << 1 << 3 << -1;
    QTest::newRow("zero denominator") << 5 << 7 << 0 << -1;
    QTest::newRow("overflow") << maxInt << 2 << 1 << -1;
    QTest::newRow("negating the smallest int overflows") << minInt << 1 << -1 << -1;
    QTest::newRow("rounding pushes past the int range") << 65535 << 65537 << 2 << -1;
    QTest::newRow("rounding stays inside the int range") << 65535 << 65537 << 3 << 1431655765;
}

void TestPlatformHelpers::mulDiv()
{
    QFETCH(int, number);
    QFETCH(int, numerator);
    QFETCH(int, denominator);
    QFETCH(int, expected);

    QCOMPARE(WinMath::MulDiv(number, numerator, denominator), expected);
}

void TestPlatformHelpers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");

    const int maxInt = std::numeric_limits<int>::max();
    const int minInt = std::numeric_limits<int>::min();

    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.6") << 2.6 << 3;
    QTest::newRow("-2.6") << -2.6 << -3;
    QTest::newRow("-2.4") << -2.4 << -2;
    QTest::newRow("largest double below one half") << 0.49999999999999994 << 0;
    QTest::newRow("tie just below the int maximum") << 2147483646.5 << 2147483646;
    QTest::newRow("tie that rounds past the int maximum") << 2147483647.5 << maxInt;
    QTest::newRow("tie at the int minimum") << -2147483648.5 << minInt;
    QTest::newRow("huge") << 1e300 << maxInt;
    QTest::newRow("huge negative") << -1e300 << minInt;
    QTest::newRow("infinity") << Infinity << maxInt;
    QTest::newRow("negative infinity") << -Infinity << minInt;
    QTest::newRow("NaN") << NaN << 0;
}

void TestPlatformHelpers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, expected);

    QCOMPARE(WinMath::RoundHalfEven(value), expected);
}

void TestPlatformHelpers::colorIdents_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("color");

    QTest::newRow("clBlack") << QByteArray("clBlack") << 0;
    QTest::newRow("clMaroon") << QByteArray("clMaroon") << 128;
    QTest::newRow("clRed") << QByteArray("clRed") << 255;
    QTest::newRow("clSilver") << QByteArray("clSilver") << 12632256;
    QTest::newRow("clBlue") << QByteArray("clBlue") << 16711680;
    QTest::newRow("clWhite") << QByteArray("clWhite") << 16777215;
    QTest::newRow("clNone") << QByteArray("clNone") << 0x1FFFFFFF;
    QTest::newRow("clScrollBar") << QByteArray("clScrollBar") << int(0x80000000u);
    QTest::newRow("clWindowText") << QByteArray("clWindowText") << int(0x80000008u);
    QTest::newRow("clBtnFace") << QByteArray("clBtnFace") << int(0x8000000Fu);
    QTest::newRow("cl3DDkShadow") << QByteArray("cl3DDkShadow") << int(0x80000015u);
    QTest::newRow("clInfoBk") << QByteArray("clInfoBk") << int(0x80000018u);
}

void TestPlatformHelpers::colorIdents()
{
    QFETCH(QByteArray, name);
    QFETCH(int, color);

    QCOMPARE(colorToIdent(color), name.constData());
    QCOMPARE(identToColor(name), std::optional<TColor>(color));
    QCOMPARE(identToColor(name.toUpper()), std::optional<TColor>(color));
    QCOMPARE(identToColor(name.toLower()), std::optional<TColor>(color));
}

void TestPlatformHelpers::everySystemColorHasAName()
{
    for (quint32 index = 0; index < 25; ++index)
    {
        const TColor color = TColor(0x80000000u + index);
        const char *name = colorToIdent(color);
        QVERIFY2(name != nullptr, qPrintable(QString::number(index)));
        QCOMPARE(identToColor(name), std::optional<TColor>(color));
    }
    QVERIFY(colorToIdent(TColor(0x80000000u + 25)) == nullptr);
}

void TestPlatformHelpers::unknownColorIdents_data()
{
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("prefix of a name") << QByteArray("clRe");
    QTest::newRow("name with a suffix") << QByteArray("clRedX");
    QTest::newRow("cursor name") << QByteArray("crArrow");
}

void TestPlatformHelpers::unknownColorIdents()
{
    QFETCH(QByteArray, name);

    QCOMPARE(identToColor(name), std::nullopt);
}

void TestPlatformHelpers::colorToRGB_data()
{
    QTest::addColumn<int>("color");
    QTest::addColumn<int>("expected");

    QTest::newRow("plain RGB(1,2,3)") << 197121 << 197121;
    QTest::newRow("top byte is dropped") << 0x02030201 << 0x030201;
    QTest::newRow("clNone unchanged") << 0x1FFFFFFF << 0x1FFFFFFF;
    QTest::newRow("scroll bar") << int(TColors::clScrollBar) << 0xC0C0C0;
    QTest::newRow("desktop is teal") << int(TColors::clBackground) << 0x808000;
    QTest::newRow("active caption is navy") << int(TColors::clActiveCaption) << 0x800000;
    QTest::newRow("window text") << int(TColors::clWindowText) << 0;
    QTest::newRow("highlight text") << int(TColors::clHighlightText) << 0xFFFFFF;
    QTest::newRow("button face") << int(TColors::clBtnFace) << 0xC0C0C0;
    QTest::newRow("button shadow") << int(TColors::clBtnShadow) << 0x808080;
    QTest::newRow("info background") << int(TColors::clInfoBk) << 0xE1FFFF;
    QTest::newRow("index past the table") << int(0x80000019u) << 0;
    QTest::newRow("large index") << int(0x800000FFu) << 0;
}

void TestPlatformHelpers::colorToRGB()
{
    QFETCH(int, color);
    QFETCH(int, expected);

    QCOMPARE(::colorToRGB(color), expected);
}

void TestPlatformHelpers::qColorConversion()
{
    QVERIFY(colorToIdent(197121) == nullptr);
    QCOMPARE(toQColor(197121), QColor(1, 2, 3));
    QCOMPARE(toQColor(TColors::clRed), QColor(255, 0, 0));
    QCOMPARE(toQColor(TColors::clInfoBk), QColor(255, 255, 225));
    QCOMPARE(toQColor(TColors::clNone).alpha(), 0);

    QCOMPARE(fromQColor(QColor(1, 2, 3)), 197121);
    QCOMPARE(fromQColor(QColor(1, 2, 3, 128)), 197121);
    QCOMPARE(fromQColor(QColor::fromHsv(0, 255, 255)), TColors::clRed);
    QCOMPARE(fromQColor(QColor(Qt::transparent)), TColors::clNone);
    QCOMPARE(fromQColor(QColor()), TColors::clNone);
    QCOMPARE(fromQColor(toQColor(TColors::clNone)), TColors::clNone);
}

void TestPlatformHelpers::cursorIdents_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("cursor");

    QTest::newRow("crDefault") << QByteArray("crDefault") << 0;
    QTest::newRow("crArrow") << QByteArray("crArrow") << -2;
    QTest::newRow("crIBeam") << QByteArray("crIBeam") << -4;
    QTest::newRow("crSizeNESW") << QByteArray("crSizeNESW") << -6;
    QTest::newRow("crHourGlass") << QByteArray("crHourGlass") << -11;
    QTest::newRow("crSQLWait") << QByteArray("crSQLWait") << -17;
    QTest::newRow("crHelp") << QByteArray("crHelp") << -20;
}

void TestPlatformHelpers::cursorIdents()
{
    QFETCH(QByteArray, name);
    QFETCH(int, cursor);

    QCOMPARE(cursorToIdent(TCursor(cursor)), name.constData());
    QCOMPARE(identToCursor(name), std::optional<TCursor>(cursor));
    QCOMPARE(identToCursor(name.toUpper()), std::optional<TCursor>(cursor));
    QCOMPARE(identToCursor(name.toLower()), std::optional<TCursor>(cursor));
}

void TestPlatformHelpers::unknownCursorIdents()
{
    QVERIFY(cursorToIdent(-1) == nullptr);
    QVERIFY(cursorToIdent(1) == nullptr);
    QVERIFY(cursorToIdent(-21) == nullptr);
    QCOMPARE(identToCursor("crBogus"), std::nullopt);
    QCOMPARE(identToCursor("crNoDropX"), std::nullopt);
    QCOMPARE(identToCursor(""), std::nullopt);
}

QTEST_GUILESS_MAIN(TestPlatformHelpers)
#include "tst_platform_helpers.moc"
