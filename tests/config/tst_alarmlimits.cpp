#include "config/Cinifile.h"
#include "config/Falarmlimits.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAlarmLimits : public QObject {
    Q_OBJECT

private slots:
    void valuesAreMillionths_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("decimal") << QByteArray("95.0") << true << qint64(95000000);
        QTest::newRow("whole") << QByteArray("7") << true << qint64(7000000);
        QTest::newRow("negative") << QByteArray("-2.25") << true << qint64(-2250000);
        QTest::newRow("six decimals") << QByteArray("0.000001") << true << qint64(1);
        QTest::newRow("seven decimals") << QByteArray("0.0000001") << false << qint64(0);
        QTest::newRow("comma") << QByteArray("1,5") << false << qint64(0);
        QTest::newRow("point alone") << QByteArray("3.") << false << qint64(0);
        QTest::newRow("no digits") << QByteArray("-") << false << qint64(0);
        QTest::newRow("letters") << QByteArray("9x") << false << qint64(0);
        QTest::newRow("exponent") << QByteArray("1e3") << false << qint64(0);
        QTest::newRow("huge") << QByteArray("99999999999999") << false << qint64(0);
    }
    void valuesAreMillionths() {
        QFETCH(QByteArray, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        int64_t v = 0;
        QCOMPARE(ParseAlarmValue(text, v), ok);
        if (ok)
            QCOMPARE(qint64(v), value);
    }

    void theExampleKeyReadsAndWritesBack() {
        const QByteArray text =
            "high=95.0,low=,highhigh=110.0,lowlow=,hysteresis=1.5,delay=2,latched=1";
        AlarmLimits l;
        QString refusal;
        QVERIFY(ParseAlarmLimits(text, l, refusal));
        QCOMPARE(qint64(*l.high), qint64(95000000));
        QVERIFY(!l.low);
        QCOMPARE(qint64(*l.highhigh), qint64(110000000));
        QVERIFY(!l.lowlow);
        QCOMPARE(qint64(l.hysteresis), qint64(1500000));
        QCOMPARE(l.delay, 2);
        QVERIFY(l.latched);
        QCOMPARE(FormatAlarmLimits(l), text);
    }

    void fieldsMayBeLeftOut() {
        AlarmLimits l;
        QString refusal;
        QVERIFY(ParseAlarmLimits("low=4.125", l, refusal));
        QCOMPARE(FormatAlarmLimits(l),
                 QByteArray("high=,low=4.125,highhigh=,lowlow=,hysteresis=0.0,delay=0,latched=0"));
    }

    void badValuesAreRefusedNamingTheField_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("high") << QByteArray("high=abc")
                              << "The alarm field \"high\" needs a number with at most six "
                                 "decimals, not \"abc\"!";
        QTest::newRow("negative hysteresis")
            << QByteArray("high=5,hysteresis=-1")
            << "The alarm field \"hysteresis\" needs a number of at least 0, not \"-1\"!";
        QTest::newRow("delay too long")
            << QByteArray("high=5,delay=1441")
            << "The alarm field \"delay\" needs whole minutes from 0 to 1440, not \"1441\"!";
        QTest::newRow("delay fraction")
            << QByteArray("high=5,delay=1.5")
            << "The alarm field \"delay\" needs whole minutes from 0 to 1440, not \"1.5\"!";
        QTest::newRow("latched") << QByteArray("high=5,latched=yes")
                                 << "The alarm field \"latched\" needs 0 or 1, not \"yes\"!";
        QTest::newRow("unknown") << QByteArray("hi=5") << "There is no alarm field \"hi\"!";
        QTest::newRow("no equals") << QByteArray("high") << "The alarm field \"high\" has no \"=\"!";
        QTest::newRow("highhigh not above high")
            << QByteArray("high=95,highhigh=95")
            << "The alarm field \"highhigh\" must lie above \"high\"!";
        QTest::newRow("lowlow not below low")
            << QByteArray("low=10,lowlow=12") << "The alarm field \"lowlow\" must lie below \"low\"!";
        QTest::newRow("low not below high")
            << QByteArray("low=10,high=10") << "The alarm field \"low\" must lie below \"high\"!";
    }
    void badValuesAreRefusedNamingTheField() {
        QFETCH(QByteArray, text);
        QFETCH(QString, refusal);
        AlarmLimits l;
        l.delay = 77;
        QString why;
        QVERIFY(!ParseAlarmLimits(text, l, why));
        QCOMPARE(why, refusal);
        QCOMPARE(l.delay, 77); // untouched
    }

    void limitsBecomeTheChannelsCounts_data() {
        QTest::addColumn<qint64>("millionths");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<qint64>("counts");
        QTest::newRow("95.0 at 1") << qint64(95000000) << 1 << qint64(950);
        QTest::newRow("1.25 at 1 rounds up") << qint64(1250000) << 1 << qint64(13);
        QTest::newRow("-1.25 at 1 rounds away") << qint64(-1250000) << 1 << qint64(-13);
        QTest::newRow("12.34 at 0") << qint64(12340000) << 0 << qint64(12);
        QTest::newRow("0.5 at 9") << qint64(500000) << 9 << qint64(500000000);
    }
    void limitsBecomeTheChannelsCounts() {
        QFETCH(qint64, millionths);
        QFETCH(int, decimals);
        QFETCH(qint64, counts);
        QCOMPARE(qint64(AlarmValueInCounts(millionths, unsigned(decimals))), counts);
    }

    void theSectionHoldsOneKeyPerChannel() {
        QTemporaryDir dir;
        const QString path = dir.filePath("zeda.ini");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[ZEDA]\r\nKanal_3=1,Kessel,C,0,1,0,500,0,1,0,0,0\r\n[Alarms]\r\n"
                "Kanal_3=high=95.0,delay=2\r\nKanal_5=high=x\r\n");
        f.close();
        TIniFile ini(path);
        QStringList refusals;
        ChannelAlarmLimits all = ReadAlarmLimits(ini, &refusals);
        QCOMPARE(qint64(*all[2].high), qint64(95000000));
        QVERIFY(!all[4].AnyLimit());
        QCOMPARE(refusals, QStringList{"Alarm limits of channel 5: The alarm field \"high\" needs "
                                       "a number with at most six decimals, not \"x\"!"});
        all[2].low = 10000000;
        QVERIFY(WriteAlarmLimits(ini, 3, all[2]));
        QVERIFY(WriteAlarmLimits(ini, 5, AlarmLimits{}));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 QByteArray("[ZEDA]\r\nKanal_3=1,Kessel,C,0,1,0,500,0,1,0,0,0\r\n[Alarms]\r\n"
                            "Kanal_3=high=95.0,low=10.0,highhigh=,lowlow=,hysteresis=0.0,"
                            "delay=2,latched=0\r\nKanal_5=\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestAlarmLimits)
#include "tst_alarmlimits.moc"
