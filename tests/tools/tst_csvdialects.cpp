#include "Fctlrun.h"
#include "view/Fviewtestsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

// zedactl export in each dialect, read back by Python's csv module and
// pandas as a spreadsheet user's script would.
class TestCsvDialects : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString month;

    QString Out() const { return dir.filePath("out.csv"); }
    Run Export(const QStringList& more) {
        return Ctl(QStringList{"export", month, "-o", Out(), "--from", "2026-03-01 00:00", "--to",
                               "2026-03-01 00:04", "--data-dir", dir.path()} +
                   more);
    }
    // What read_csv.py made of the file.
    QJsonObject ReadBack(const QString& dialect) {
        QProcess p;
        p.start(QStringLiteral(PYTHON3_PATH),
                {QStringLiteral(TOOLS_TEST_DIR "/read_csv.py"), Out(), dialect});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            qWarning() << p.readAllStandardError();
        return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    }
    static QJsonArray Row(const QStringList& cells) { return QJsonArray::fromStringList(cells); }

private slots:
    void initTestCase() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 0, "Temp; au\xDF"
                             "en",
                       "\xB0"
                       "C");
        c[0].decimals = 3;
        c[0].minValue = 1000;
        c[0].maxValue = 5000;
        c[1] = Channel(0, 0, "Druck \"A\"", "bar");
        c[2] = Channel(0, 0, "Frei", "V");
        c[2].active = 0;
        MonthDocument d;
        InitDocument(d, c, 10);
        const uint16_t first[] = {1100, 500, 6000, 1500};
        for (int m = 0; m < 4; ++m) {
            SetRaw(d, m, 0, first[m]);
            SetRaw(d, m, 1, uint16_t(7 + m));
            SetRaw(d, m, 2, 99);
        }
        AddException(d, 3, 3, 0x0001, "WART"); // channel 1 at 00:03
        month = dir.filePath("D2026-03.ZMF");
        QVERIFY(WriteBytes(month, FileImage(d)));
    }

    // The system's own layout, byte for byte; the channel not in use is
    // left out unless asked for.
    void zedaDialectKeepsTheOwnLayout() {
        QCOMPARE(Export({}).exitCode, 0);
        const QByteArray expected = "Datum/Uhrzeit;Temp; au\xDF"
                                    "en (\xB0"
                                    "C);Druck \"A\" (bar)\r\n"
                                    "2026-03-01 00:00;1,100;7\r\n"
                                    "2026-03-01 00:01;0;8\r\n"
                                    "2026-03-01 00:02;0;9\r\n"
                                    "2026-03-01 00:03;0;10\r\n"
                                    "2026-03-01 00:04;0;0\r\n";
        QCOMPARE(ReadFile(Out()), expected);
        QCOMPARE(Export({"--dialect", "zeda", "--channels", "3"}).exitCode, 0);
        QVERIFY(ReadFile(Out()).contains("\r\n2026-03-01 00:00;99\r\n"));
    }

    // Without a state column nothing tells an empty value from a 0; with it
    // every empty cell says why.
    void rfc4180ReadsIntoFloatColumns() {
        QCOMPARE(Export({"--dialect", "rfc4180", "--state"}).exitCode, 0);
        QVERIFY(ReadFile(Out()).startsWith(
                 QByteArray("\"Datum/Uhrzeit\",\"Temp; au\xC3\x9F"
                            "en (\xC2\xB0"
                            "C)\",\"Temp; au\xC3\x9F"
                            "en Status\",\"Druck \"\"A\"\" (bar)\",")));
        const QJsonArray rows = ReadBack("rfc4180")["rows"].toArray();
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0], Row({"Datum/Uhrzeit", QString::fromUtf8("Temp; außen (°C)"),
                               QString::fromUtf8("Temp; außen Status"), "Druck \"A\" (bar)",
                               "Druck \"A\" Status"}));
        QCOMPARE(rows[1], Row({"2026-03-01 00:00", "1.100", "", "7", ""}));
        QCOMPARE(rows[2], Row({"2026-03-01 00:01", "", "#U/L", "8", ""}));
        QCOMPARE(rows[3], Row({"2026-03-01 00:02", "", "#O/L", "9", ""}));
        QCOMPARE(rows[4], Row({"2026-03-01 00:03", "", "exception", "10", ""}));
        QCOMPARE(rows[5], Row({"2026-03-01 00:04", "", "no data", "", "no data"}));

        QCOMPARE(Export({"--dialect", "rfc4180"}).exitCode, 0);
        QVERIFY(!ReadFile(Out()).contains('\r'));
        const QJsonObject frame = ReadBack("rfc4180")["pandas"].toObject();
        const QJsonObject temp = frame[QString::fromUtf8("Temp; außen (°C)")].toObject();
        QCOMPARE(temp["dtype"].toString(), QString("float64"));
        QCOMPARE(temp["values"].toArray(), (QJsonArray{1.1, {}, {}, {}, {}}));
        const QJsonObject druck = frame["Druck \"A\" (bar)"].toObject();
        QCOMPARE(druck["dtype"].toString(), QString("float64"));
        QCOMPARE(druck["values"].toArray(), (QJsonArray{7.0, 8.0, 9.0, 10.0, {}}));
        QCOMPARE(frame.size(), 3);
    }

    void excelDialects_data() {
        QTest::addColumn<QString>("dialect");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<QString>("value");
        QTest::newRow("excel-de") << "excel-de" << QByteArray("\xEF\xBB\xBF\"Datum/Uhrzeit\";")
                                  << "1,100";
        QTest::newRow("excel-en") << "excel-en" << QByteArray("\xEF\xBB\xBF\"Datum/Uhrzeit\",")
                                  << "1.100";
    }
    void excelDialects() {
        QFETCH(QString, dialect);
        QFETCH(QByteArray, start);
        QFETCH(QString, value);
        QCOMPARE(Export({"--dialect", dialect}).exitCode, 0);
        const QByteArray bytes = ReadFile(Out());
        QVERIFY(bytes.startsWith(start));
        QCOMPARE(bytes.count("\r\n"), 6);
        const QJsonArray rows = ReadBack(dialect)["rows"].toArray();
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows[0].toArray()[1].toString(), QString::fromUtf8("Temp; außen (°C)"));
        QCOMPARE(rows[1], Row({"2026-03-01 00:00", value, "7"}));
        QCOMPARE(rows[5], Row({"2026-03-01 00:04", "", ""}));
    }

    void unknownDialectOrStateWithoutOneIsRefused() {
        QCOMPARE(Export({"--dialect", "excel"}).exitCode, 2);
        QCOMPARE(Export({"--state"}).exitCode, 2);
    }
};

QTEST_MAIN(TestCsvDialects)
#include "tst_csvdialects.moc"
