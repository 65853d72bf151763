#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fchannel.h"

#include "Ftestfiles.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// The example channel: °C in Windows-1252.
const QByteArray Example("1,Temperatur,\xB0"
                         "C,100,10,0,5000,0,1,0,1,1");

} // namespace

class TstChannel : public QObject {
    Q_OBJECT

private slots:
    void parseDecimal_data() {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<long>("expected");
        QTest::newRow("empty") << QByteArray() << 0L;
        QTest::newRow("zero") << QByteArray("0") << 0L;
        QTest::newRow("number") << QByteArray("009876") << 9876L;
        QTest::newRow("plus") << QByteArray("+1") << -1L;
        QTest::newRow("minus") << QByteArray("-1") << -1L;
        QTest::newRow("leading blank") << QByteArray(" 1") << -1L;
        QTest::newRow("trailing blank") << QByteArray("1 ") << -1L;
        QTest::newRow("letter") << QByteArray("1a") << -1L;
        QTest::newRow("endless digits") << QByteArray(400, '9') << -1L;
    }
    void parseDecimal() {
        QFETCH(QByteArray, field);
        QFETCH(long, expected);
        QCOMPARE(ParseDecimal(field), expected);
    }

    // Each parsed record is shown in its own text form, which names all
    // twelve fields.
    void parse_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("parsed");
        QTest::newRow("example") << Example << Example;
        QTest::newRow("long name") << QByteArray("1,ABCDEFGHIJKLMNOPQRSTUVWXY,mV,1,2,3,4,5,6,0,1,2")
                                   << QByteArray("1,ABCDEFGHIJKLMNOPQRST,mV,1,2,3,4,5,6,0,1,2");
        QTest::newRow("long dimension") << QByteArray("1,N,ABCDEFGHIJ,1,2,3,4,5,6,0,1,2")
                                        << QByteArray("1,N,ABCDEFGH,1,2,3,4,5,6,0,1,2");
        QTest::newRow("7-digit minimum") << QByteArray("1,A,B,0,1,1234567,9,0,0,0,0,0")
                                         << QByteArray("1,A,B,0,1,123456,9,0,0,0,0,0");
        QTest::newRow("5-digit active") << QByteArray("12345,A,B,0,1,0,0,0,0,0,0,0")
                                        << QByteArray("1234,A,B,0,1,0,0,0,0,0,0,0");
        QTest::newRow("malformed multiplier")
            << QByteArray("1,A,B,5,x1,0,0,0,0,0,0,0") << QByteArray("1,A,B,5,1,0,0,0,0,0,0,0");
        QTest::newRow("empty multiplier")
            << QByteArray("1,A,B,5,,0,0,7,0,0,0,0") << QByteArray("1,A,B,5,0,0,0,7,0,0,0,0");
        QTest::newRow("malformed others")
            << QByteArray("-1,A,B,x,9,-5,+5,5 ,x,-,?,a") << QByteArray("0,A,B,0,9,0,0,0,0,0,0,0");
        QTest::newRow("decimals 12")
            << QByteArray("1,A,B,0,1,0,9,0,12,1,2,3") << QByteArray("1,A,B,0,1,0,9,0,1,1,2,3");
        QTest::newRow("colour choice 99")
            << QByteArray("1,A,B,0,1,0,9,0,0,1,6,99") << QByteArray("1,A,B,0,1,0,9,0,0,1,6,99");
        QTest::newRow("colour choice 123")
            << QByteArray("1,A,B,0,1,0,9,0,0,1,6,123") << QByteArray("1,A,B,0,1,0,9,0,0,1,6,12");
        QTest::newRow("comma in name") << QByteArray("1,Te,mp,mV,100,10,0,5000,0,1,0,1,1")
                                       << QByteArray("1,Te,mp,0,100,10,0,5000,0,1,0,1");
        QTest::newRow("blanks kept") << QByteArray("1, A , B ,0,1,0,0,0,0,0,0,0")
                                     << QByteArray("1, A , B ,0,1,0,0,0,0,0,0,0");
        QTest::newRow("only 1") << QByteArray("1") << QByteArray("1,,,0,0,0,0,0,0,0,0,0");
        QTest::newRow("empty") << QByteArray() << QByteArray("0,,,0,0,0,0,0,0,0,0,0");
        QTest::newRow("ends early")
            << QByteArray("1,A,B,5,x") << QByteArray("1,A,B,5,1,0,0,0,0,0,0,0");
    }
    void parse() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, parsed);
        QCOMPARE(FormatChannelDef(ParseChannelDef(text)), parsed);
    }

    void exampleFields() {
        const ChannelDef c = ParseChannelDef(Example);
        QCOMPARE(c.active, 1);
        QCOMPARE(c.name, QByteArray("Temperatur"));
        QCOMPARE(c.dimension, QByteArray("\xB0"
                                         "C"));
        QCOMPARE(c.dispOffset, 100);
        QCOMPARE(c.inputMult, 10);
        QCOMPARE(c.minValue, 0u);
        QCOMPARE(c.maxValue, 5000u);
        QCOMPARE(c.offsetValue, 0u);
        QCOMPARE(c.decimals, 1);
        QCOMPARE(c.printer, 0);
        QCOMPARE(c.printColour, 1);
        QCOMPARE(c.colourChoice, 1);
        QCOMPARE(ValueText(c, ScaledValue(c, 245), false), QByteArray("245.0"));
        QCOMPARE(ValueText(c, ScaledValue(c, 520), false), QByteArray("#O/L"));
        QCOMPARE(ValueText(c, ScaledValue(c, 500), true), QByteArray("500,0"));
    }

    void emptyMultiplierGivesOffset() {
        const ChannelDef c = ParseChannelDef("1,A,B,5,,0,999999,777,0,0,0,0");
        for (uint16_t raw : {0, 1, 65535})
            QCOMPARE(ScaledValue(c, raw), 777u);
    }

    void formatWritesUnsigned() {
        ChannelDef c;
        c.active = 65535;
        c.minValue = 4294967295u;
        c.maxValue = 2147483648u;
        c.colourChoice = 255;
        QCOMPARE(FormatChannelDef(c), QByteArray("65535,,,0,0,4294967295,2147483648,0,0,0,0,255"));
    }

    void recordBytes() {
        // Prefilled with 0xFF: every byte of the record must be written.
        QByteArray b(60, '\xFF');
        WriteChannelDef(b, 4, ParseChannelDef(Example));
        QByteArray expected(52, '\0');
        expected[0] = 1;
        expected.replace(2, 10, "Temperatur");
        expected[23] = '\xB0';
        expected[24] = 'C';
        expected[32] = 100;
        expected[34] = 10;
        expected[40] = char(5000 & 0xFF);
        expected[41] = char(5000 >> 8);
        expected[48] = 1;
        expected[50] = 1;
        expected[51] = 1;
        QCOMPARE(b.mid(4, 52).toHex(' '), expected.toHex(' '));
        QCOMPARE(b.left(4), QByteArray(4, '\xFF'));
        QCOMPARE(b.mid(56), QByteArray(4, '\xFF'));
        QCOMPARE(ReadChannelDef(b, 4), ParseChannelDef(Example));
    }

    void readIgnoresBytesAfterNul() {
        QByteArray b(52, 'Z');
        b[2] = 'N';
        b[3] = '\0';  // name "N", then garbage
        b[23] = '\0'; // empty dimension, then garbage
        ChannelDef c = ReadChannelDef(b, 0);
        QCOMPARE(c.name, QByteArray("N"));
        QCOMPARE(c.dimension, QByteArray());
        // A name without its NUL (a damaged file) stays within its field.
        b.replace(2, 21, QByteArray(21, 'A'));
        c = ReadChannelDef(b, 0);
        QCOMPARE(c.name, QByteArray(20, 'A'));
        QCOMPARE(c.decimals, uint8_t('Z'));
    }

    void scaledValueWraps() {
        ChannelDef c;
        c.inputMult = 65535;
        c.offsetValue = 200000;
        // 65535 x 65535 + 200000 - 2^32
        QCOMPARE(ScaledValue(c, 65535), 68929u);
        c.inputMult = 9999;
        c.offsetValue = 999999;
        QCOMPARE(ScaledValue(c, 65535), 656284464u);
    }

    void formatFixed_data() {
        QTest::addColumn<uint>("value");
        QTest::addColumn<uint>("decimals");
        QTest::addColumn<bool>("comma");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("12345/2") << 12345u << 2u << false << QByteArray("123.45");
        QTest::newRow("12345/0") << 12345u << 0u << false << QByteArray("12345");
        QTest::newRow("5/2") << 5u << 2u << false << QByteArray("0.05");
        QTest::newRow("0/2") << 0u << 2u << true << QByteArray("0");
        QTest::newRow("100/2") << 100u << 2u << true << QByteArray("1,00");
        QTest::newRow("1000/3") << 1000u << 3u << true << QByteArray("1,000");
        QTest::newRow("99/2") << 99u << 2u << false << QByteArray("0.99");
        QTest::newRow("7/1") << 7u << 1u << false << QByteArray("0.7");
        QTest::newRow("5/9") << 5u << 9u << false << QByteArray("0.000000005");
        QTest::newRow("max/0") << 4294967295u << 0u << false << QByteArray("4294967295");
        QTest::newRow("max/9") << 4294967295u << 9u << true << QByteArray("4,294967295");
    }
    void formatFixed() {
        QFETCH(uint, value);
        QFETCH(uint, decimals);
        QFETCH(bool, comma);
        QFETCH(QByteArray, text);
        QCOMPARE(FormatFixed(value, decimals, comma), text);
    }

    void valueTextBounds() {
        const ChannelDef c = ParseChannelDef("1,A,B,0,1,100,200,0,2,0,0,0");
        QCOMPARE(ValueText(c, 99, false), QByteArray("#U/L"));
        QCOMPARE(ValueText(c, 100, false), QByteArray("1.00"));
        QCOMPARE(ValueText(c, 200, false), QByteArray("2.00"));
        QCOMPARE(ValueText(c, 201, false), QByteArray("#O/L"));
    }

    void reloadReadsAllFourteenKeys() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zeda.ini");
        QVERIFY(WriteBytes(path, "[ZEDA]\nKanal_1=" + Example +
                                     "\nkanal_2=1,B\nKanal_14=1,Z\n"
                                     "Kanal_15=1,Y\nKanal_01=1,X\n"));
        ChannelDefs channels;
        channels.fill(ParseChannelDef("1,old"));
        ReloadChannelDefs(TIniFile(path), channels);
        QCOMPARE(channels[0], ParseChannelDef(Example));
        QCOMPARE(channels[1].name, QByteArray("B"));
        for (int i = 2; i < 13; ++i)
            QCOMPARE(channels[i], ChannelDef());
        QCOMPARE(channels[13].name, QByteArray("Z"));
    }
};

QTEST_GUILESS_MAIN(TstChannel)
#include "tst_channel.moc"
