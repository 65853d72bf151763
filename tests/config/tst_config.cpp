#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Ctablecolor.h"
#include "config/Fdatadir.h"
#include "config/Ffont.h"

#include "Ftestfiles.h"
#include "support/Crecordingmessages.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Channel1("1,Temperatur,\xB0"
                          "C,100,10,0,5000,0,1,0,1,1");
// An 8-point italic "Courier New" with height -11.
const QByteArray FontText = QByteArray("F5FFFFFF") + QByteArray(32, '0') + "0100000008000000" +
                            QByteArray("Courier New").toHex().toUpper() + QByteArray(42, '0');

// Every field of the configuration, as one comparable text.
QByteArray Snapshot(const TConfig& c) {
    QByteArray s =
        c.location + '|' + QByteArray::number(c.retentionMonths) + '|' +
        QByteArray::number(c.timeZoom) + '|' + QByteArray::number(c.sizeZoom) + '|' +
        QByteArray::number(c.backgroundChoice) + '|' + QByteArray::number(c.backgroundColour, 16) +
        '|' + PrinterFont(c).toString().toLatin1() + '|' + QByteArray::number(c.printerFontSet) +
        '|' + QByteArray::number(c.operatorLoggedIn) + '|' + c.operatorName + '|' +
        QByteArray::number(c.operatorIndex);
    for (const ChannelDef& ch : c.channels)
        s += '|' + FormatChannelDef(ch);
    return s;
}

} // namespace

class TstConfig : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;
    QString Path() const { return FDir.filePath("zeda.ini"); }

private slots:
    void init() {
        QFile::setPermissions(Path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(Path());
    }

    void missingFileGivesDefaults() {
        const TConfig c(Path());
        QCOMPARE(c.backgroundChoice, 1);
        QCOMPARE(c.backgroundColour, 0xFFFFFFu);
        QCOMPARE(c.timeZoom, 1);
        QCOMPARE(c.sizeZoom, 1);
        QCOMPARE(c.location, QByteArray());
        QCOMPARE(c.retentionMonths, 0);
        QVERIFY(!c.printerFontSet);
        QCOMPARE(PrinterFont(c), QFont());
        QVERIFY(!c.operatorLoggedIn);
        QCOMPARE(c.operatorName, QByteArray());
        QCOMPARE(c.operatorIndex, -1);
        for (const ChannelDef& ch : c.channels)
            QCOMPARE(ch, ChannelDef());
        QVERIFY(!QFile::exists(Path())); // the configuration never writes
    }

    void onlyGreyBackground() {
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nFormsColor=2\n"));
        const TConfig c(Path());
        QCOMPARE(c.backgroundChoice, 2);
        QCOMPARE(c.backgroundColour, 0xC0C0C0u);
        QCOMPARE(c.timeZoom, 1);
        QCOMPARE(c.sizeZoom, 1);
        QCOMPARE(c.location, QByteArray());
        QCOMPARE(c.retentionMonths, 0);
        for (const ChannelDef& ch : c.channels)
            QCOMPARE(ch, ChannelDef());
    }

    void background_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("choice");
        QTest::addColumn<uint>("colour");
        QTest::newRow("white") << QByteArray("1") << 1 << 0xFFFFFFu;
        QTest::newRow("grey") << QByteArray("2") << 2 << 0xC0C0C0u;
        QTest::newRow("7 keeps white") << QByteArray("7") << 7 << 0xFFFFFFu;
        QTest::newRow("malformed") << QByteArray("2x") << 1 << 0xFFFFFFu;
    }
    void background() {
        QFETCH(QByteArray, value);
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nFormsColor=" + value + "\n"));
        const TConfig c(Path());
        QTEST(c.backgroundChoice, "choice");
        QTEST(c.backgroundColour, "colour");
    }

    void retentionKeepsLow16Bits_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("months");
        QTest::newRow("12") << QByteArray("12") << 12;
        QTest::newRow("70000") << QByteArray("70000") << 4464;
        QTest::newRow("-1") << QByteArray("-1") << 65535;
    }
    void retentionKeepsLow16Bits() {
        QFETCH(QByteArray, value);
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nDatenerhaltzeitraum=" + value + "\n"));
        QTEST(int(TConfig(Path()).retentionMonths), "months");
    }

    void fullFile() {
        QVERIFY(WriteBytes(
            Path(), "[ZEDA]\r\nBetriebsort= Kl\xE4ranlage S\xFC"
                    "d \r\nZeitfaktor=-10\r\n" +
                        SettingKey::SizeZoom + "=20\r\nKanal_1=" + Channel1 +
                        "\r\nKanal_14=1,Last\r\nDruckerschriftdefinition=" + FontText + "\r\n"));
        const TConfig c(Path());
        QCOMPARE(c.location, QByteArray("Kl\xE4ranlage S\xFC"
                                        "d"));
        QCOMPARE(c.timeZoom, -10);
        QCOMPARE(c.sizeZoom, 20);
        QCOMPARE(c.channels[0], ParseChannelDef(Channel1));
        QCOMPARE(c.channels[13].name, QByteArray("Last"));
        QVERIFY(c.printerFontSet);
        QCOMPARE(PrinterFont(c).family(), FontFamily("Courier New"));
        QCOMPARE(PrinterFont(c).pointSize(), 8);
        QVERIFY(PrinterFont(c).italic());
    }

    void sizeFactorLookalikeIsAnotherKey() {
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nGr\xF6\xDF"
                                   "enfaktor=5\n"));
        QCOMPARE(TConfig(Path()).sizeZoom, 1);
    }

    void badPrinterFontKeepsTheFont_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("118") << FontText.left(118);
        QTest::newRow("122") << FontText + "00";
        QTest::newRow("empty face") << FontText.left(56) + QByteArray(64, '0');
    }
    void badPrinterFontKeepsTheFont() {
        QFETCH(QByteArray, text);
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nDruckerschriftdefinition=" + text + "\n"));
        TConfig c(Path());
        QVERIFY(!c.printerFontSet);
        QCOMPARE(PrinterFont(c), QFont());

        QVERIFY(WriteBytes(Path(), "[ZEDA]\nDruckerschriftdefinition=" + FontText + "\n"));
        c.Load();
        const QFont loaded = PrinterFont(c);
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nDruckerschriftdefinition=" + text + "\n"));
        c.Load();
        QVERIFY(c.printerFontSet);
        QCOMPARE(PrinterFont(c), loaded);
    }

    void reloadReadsOnlyItsPart() {
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nBetriebsort=A\nDatenerhaltzeitraum=3\n"));
        TConfig c(Path());
        c.operatorLoggedIn = true;
        c.operatorIndex = 2;
        c.operatorName = "Meier";
        QVERIFY(WriteBytes(Path(), "[ZEDA]\nBetriebsort=B\nDatenerhaltzeitraum=4\nFormsColor=2\n"
                                   "Zeitfaktor=5\nKanal_2=1,Neu\nDruckerschriftdefinition=" +
                                       FontText + "\n"));
        QList<TSettingsGroup> told;
        QObject::connect(&c, &TConfig::changed, [&told](TSettingsGroup g) { told << g; });
        const QByteArray before = Snapshot(c);
        c.Reload(TSettingsGroup::Operators);
        c.Reload(TSettingsGroup::SummerTime);
        QCOMPARE(Snapshot(c), before);

        c.Reload(TSettingsGroup::Location);
        QCOMPARE(c.location, QByteArray("B"));
        QCOMPARE(c.retentionMonths, 3);
        c.Reload(TSettingsGroup::RetentionMonths);
        QCOMPARE(c.retentionMonths, 4);
        QCOMPARE(c.channels[1], ChannelDef());
        c.Reload(TSettingsGroup::Channels);
        QCOMPARE(c.channels[1].name, QByteArray("Neu"));
        // Every reload is told, the groups read where they are used too.
        QCOMPARE(told,
                 (QList<TSettingsGroup>{TSettingsGroup::Operators, TSettingsGroup::SummerTime,
                                        TSettingsGroup::Location, TSettingsGroup::RetentionMonths,
                                        TSettingsGroup::Channels}));
        // None of the reloads touches the rest.
        QCOMPARE(c.backgroundChoice, 1);
        QCOMPARE(c.timeZoom, 1);
        QVERIFY(!c.printerFontSet);
        QCOMPARE(c.operatorName, QByteArray("Meier"));
        QCOMPARE(c.operatorIndex, 2);
    }

    void writeConfigKey() {
        TRecordingMessages messages;
        TEnv env;
        env.dataDir = FDir.path();
        env.messages = &messages;
        QCOMPARE(env.IniPath(), Path());
        QVERIFY(WriteConfigKey(env, "Betriebsort", QByteArray("Werk 1")));
        QVERIFY(WriteConfigKey(env, "FormsColor", 2));
        QCOMPARE(ReadBytes(Path()), QByteArray("[ZEDA]\nBetriebsort=Werk 1\nFormsColor=2\n"));
        QVERIFY(messages.shown.isEmpty());

        QVERIFY(QFile::setPermissions(Path(), QFileDevice::ReadOwner));
        QVERIFY(!WriteConfigKey(env, "FormsColor", 1));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0].kind, TMessages::Error);
        QCOMPARE(messages.shown[0].text, "Error - File " + Path() + " cannot be written!");
        QVERIFY(!WriteConfigKey(env, "Betriebsort", QByteArray("x")));
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(ReadBytes(Path()), QByteArray("[ZEDA]\nBetriebsort=Werk 1\nFormsColor=2\n"));

        env.messages = nullptr; // no one to tell: still refused, still no crash
        QVERIFY(!WriteConfigKey(env, "FormsColor", 1));
    }

    void colourTable() {
        const TTableColor t;
        const uint32_t expected[14] = {0x000000, 0x0000FF, 0xFF0000, 0xFFFF00, 0x00FFFF,
                                       0xFF00FF, 0x00FF00, 0x808080, 0x000080, 0x800000,
                                       0x808000, 0x008080, 0x800080, 0x008000};
        for (int i = 0; i < 14; ++i)
            QCOMPARE(t.Color(i), expected[i]);
        QCOMPARE(t.Color(14), 0u);
        QCOMPARE(t.Color(99), 0u);
        QCOMPARE(t.Color(-1), 0u);
        QCOMPARE(ColourToQColor(t.Color(1)), QColor(255, 0, 0));
        QCOMPARE(ColourToQColor(t.Color(2)), QColor(0, 0, 255));
        QCOMPARE(ColourToQColor(t.Color(11)), QColor(128, 128, 0)); // olive
        QCOMPARE(ColourToQColor(0x00C0C0C0), QColor(192, 192, 192));
        QCOMPARE(ColourToQColor(0xFF123456).alpha(), 255); // the top byte is not alpha
    }

    void installedProgramKeepsItsDataWithTheUser() {
        QTemporaryDir build;
        QCOMPARE(DefaultDataDir(build.path()), build.path());
        const QString user =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/zeda";
        QCOMPARE(DefaultDataDir("/usr/bin"), user); // also for root
        QCOMPARE(DefaultDataDir(build.filePath("missing")), user);
    }
};

QTEST_MAIN(TstConfig)
#include "tst_config.moc"
