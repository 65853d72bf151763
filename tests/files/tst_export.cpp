#include "Fmonthtestsupport.h"

#include "files/Ccsvwriter.h"
#include "files/Fexceptions.h"
#include "files/Fexport.h"
#include "files/Foutput.h"
#include "support/Fscriptedminutes.h"

#include <QDir>
#include <QTest>

// The CSV export of a marked range.
class TestExport : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void acrossMidnight();
    void eightToMidnight();
    void aWholeMonthComesOutInOrder();
    void values_data();
    void values();
    void fixedPointText_data();
    void fixedPointText();
    void twoChannels();
    void overflowDaysAreDatesOfTheNextMonth();
    void nothingWithoutBothMarksOrChannels();
    void targetCannotBeCreated();
    void failedWriteLeavesNoFile();
    void memberUsesTheWindowsDocument();
    void exportOntoItsSourceIsRefused();
    void foreignLockedOutputTargetIsRefused();
    void decimalsOfAForeignFileOverranTheLine();
    void scriptedMinutes();
    void exportOfADamagedFileStopsWithAMessage();

private:
    // The scripted December file opened into the fixture's document.
    bool OpenScripted() {
        m->path = m->fx.MonthPath(2025, 12);
        return WriteBytes(m->path, ScriptedFileImage(ScriptedDocument())) && m->Open();
    }
    QString Out() const { return m->fx.Path("out.csv"); }
    bool Export() { return ExportCsv(m->doc, Out(), m->fx.messages); }
    QList<QByteArray> Lines() const {
        QList<QByteArray> lines = ReadBytes(Out()).split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    std::unique_ptr<TMonthFixture> m;
};

void TestExport::init() {
    m = std::make_unique<TMonthFixture>();
    QVERIFY(m->Make());
}

void TestExport::cleanup() {
    m.reset();
}

void TestExport::acrossMidnight() {
    QVERIFY(m->PutValue(At(1, 23, 58), 1));
    QVERIFY(m->PutValue(At(1, 23, 59), 2));
    QVERIFY(m->PutValue(At(2, 0, 0), 3));
    QVERIFY(m->PutValue(At(2, 0, 1), 4));
    // The export reads the file, not the window's copy loaded before.
    m->Show({1, 14});
    m->Mark(At(1, 23, 58), At(2, 0, 1));
    QVERIFY(Export());
    const QByteArray expected = "Datum/Uhrzeit;Kanal 1 (V);Kanal 14 (V)\r\n"
                                "2026-03-01 23:58;1;1\r\n"
                                "2026-03-01 23:59;2;2\r\n"
                                "2026-03-02 00:00;3;3\r\n"
                                "2026-03-02 00:01;4;4\r\n";
    QCOMPARE(ReadBytes(Out()), expected);
    QCOMPARE(m->fx.messages.Texts(), QStringList{ExportDoneText()});
    QCOMPARE(m->fx.messages.shown[0].kind, TMessages::Information);
}

// A month's export is written in pieces while the next are formatted: every
// minute comes out once, in order, with its own value.
void TestExport::aWholeMonthComesOutInOrder() {
    const int minutes = 31 * SlotsPerDay;
    {
        QFile f(m->path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        for (int s = 0; s < minutes; ++s) {
            std::array<uint16_t, 14> v;
            v.fill(uint16_t(s % 997 + 1));
            QVERIFY(f.seek(SlotOffset(uint32_t(s))));
            QVERIFY(f.write(BuildSlot(0, v)) == SlotSize);
        }
    }
    m->Show({1, 14});
    m->Mark(0, uint16_t(minutes - 1));
    QVERIFY(Export());
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 1 + minutes);
    for (int s = 0; s < minutes; ++s) {
        const QByteArray value = QByteArray::number(s % 997 + 1);
        const QByteArray expected =
            QString::asprintf("2026-03-%02d %02d:%02d;", s / 1440 + 1, s % 1440 / 60, s % 60)
                .toLatin1() +
            value + ';' + value + '\r';
        if (lines[s + 1] != expected)
            QFAIL(("minute " + QByteArray::number(s) + ": " + lines[s + 1]).constData());
    }
}

void TestExport::eightToMidnight() {
    QVERIFY(m->PutValue(At(10, 8, 0), 7));
    QVERIFY(m->PutValue(At(10, 23, 59), 8));
    QVERIFY(m->PutValue(At(11, 0, 0), 9));
    m->Show({3});
    m->Mark(At(10, 8, 0), At(11, 0, 0));
    QVERIFY(Export());
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 1 + 961);
    QCOMPARE(lines[1], QByteArray("2026-03-10 08:00;7\r"));
    QCOMPARE(lines[960], QByteArray("2026-03-10 23:59;8\r"));
    QCOMPARE(lines[961], QByteArray("2026-03-11 00:00;9\r"));
    for (const QByteArray& line : lines)
        QVERIFY(line.endsWith('\r'));
}

void TestExport::values_data() {
    QTest::addColumn<uint16_t>("raw");
    QTest::addColumn<QByteArray>("exception");
    QTest::addColumn<QByteArray>("text");
    // Multiplier 10, one decimal, limits 100 (10,0) to 2000 (200,0).
    QTest::newRow("in range") << uint16_t(123) << QByteArray() << QByteArray("123,0");
    QTest::newRow("at the maximum") << uint16_t(200) << QByteArray() << QByteArray("200,0");
    QTest::newRow("above the maximum") << uint16_t(201) << QByteArray() << QByteArray("0");
    QTest::newRow("below the minimum") << uint16_t(9) << QByteArray() << QByteArray("0");
    QTest::newRow("ordinary period") << uint16_t(123) << QByteArray("WART x") << QByteArray("0");
    QTest::newRow("ordinary period, empty code")
        << uint16_t(0) << QByteArray("AB x") << QByteArray("0");
    QTest::newRow("note-only period")
        << uint16_t(123) << QByteArray("!Not x") << QByteArray("123,0");
}

void TestExport::values() {
    QFETCH(uint16_t, raw);
    QFETCH(QByteArray, exception);
    QFETCH(QByteArray, text);
    QByteArray defs = HeaderChannelBytes(m->doc.header);
    ChannelDef c = ReadChannelDef(defs, 0);
    c.inputMult = 10;
    c.offsetValue = 0;
    c.decimals = 1;
    c.minValue = 100;
    c.maxValue = 2000;
    WriteChannelDef(defs, 0, c);
    SetHeaderChannelBytes(m->doc.header, defs);
    QVERIFY(m->PutValue(500, raw));
    m->Show({1, 2});
    if (!exception.isEmpty()) {
        m->Mark(500, 500);
        m->Show({1});
        QVERIFY(ApplyException(m->doc, exception, m->fx.messages));
        m->Show({1, 2});
    }
    m->Mark(499, 501);
    QVERIFY(Export());
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 4);
    // Channel 2 keeps the plain 1:1 scaling and is never covered.
    QCOMPARE(lines[2], "2026-03-01 08:20;" + text + ';' + QByteArray::number(raw) + '\r');
    QCOMPARE(lines[1], QByteArray("2026-03-01 08:19;0;0\r"));
}

void TestExport::fixedPointText_data() {
    QTest::addColumn<uint32_t>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("0 without decimals") << 0u << 3 << QByteArray("0");
    QTest::newRow("no decimals") << 4711u << 0 << QByteArray("4711");
    QTest::newRow("largest, no decimals") << 4294967295u << 0 << QByteArray("4294967295");
    QTest::newRow("one digit, one decimal") << 7u << 1 << QByteArray("0,7");
    QTest::newRow("two decimals") << 12345u << 2 << QByteArray("123,45");
    QTest::newRow("four whole digits") << 999999u << 2 << QByteArray("9999,99");
    QTest::newRow("five whole digits") << 1000000u << 2 << QByteArray("10000,00");
    QTest::newRow("ten, no decimals") << 10u << 0 << QByteArray("10");
    QTest::newRow("zeros after the comma") << 1002u << 3 << QByteArray("1,002");
    QTest::newRow("fewer digits than decimals") << 5u << 4 << QByteArray("0,0005");
    QTest::newRow("as many digits as decimals") << 999u << 3 << QByteArray("0,999");
    QTest::newRow("a power of ten") << 100000u << 5 << QByteArray("1,00000");
    QTest::newRow("nine decimals") << 4294967295u << 9 << QByteArray("4,294967295");
    QTest::newRow("ten decimals") << 4294967295u << 10 << QByteArray("0,4294967295");
    QTest::newRow("twelve decimals") << 31u << 12 << QByteArray("0,000000000031");
}

// Known answers for the fixed-point writer, every length of a value
// against every count of decimals that changes its path.
void TestExport::fixedPointText() {
    QFETCH(uint32_t, value);
    QFETCH(int, decimals);
    QFETCH(QByteArray, text);
    ChannelDef c;
    c.decimals = uint8_t(decimals);
    TCsvWriter csv({}, {c, c});
    const TCsvCell cells[2] = {{value, 0}, {10u, 0}};
    csv.Minute("2026-03-01 08:20", cells);
    const QByteArray tail = decimals == 0   ? "10"
                            : decimals == 1 ? "1,0"
                                            : "0," + QByteArray(decimals - 2, '0') + "10";
    QCOMPARE(csv.Take(), "2026-03-01 08:20;" + text + ';' + tail + "\r\n");
}

void TestExport::twoChannels() {
    QByteArray defs = HeaderChannelBytes(m->doc.header);
    ChannelDef c2 = ReadChannelDef(defs, 1 * ChannelDef::Size);
    c2.dimension = "bar";
    WriteChannelDef(defs, 1 * ChannelDef::Size, c2);
    ChannelDef c5 = ReadChannelDef(defs, 4 * ChannelDef::Size);
    c5.name = "Druck";
    c5.dimension = "\xb0"
                   "C";
    WriteChannelDef(defs, 4 * ChannelDef::Size, c5);
    SetHeaderChannelBytes(m->doc.header, defs);
    m->Show({2, 5});
    m->Mark(At(4, 12, 0), At(4, 12, 59));
    QVERIFY(Export());
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 61);
    QCOMPARE(lines[0], QByteArray("Datum/Uhrzeit;Kanal 2 (bar);Druck (\xb0"
                                  "C)\r"));
    for (const QByteArray& line : lines)
        QCOMPARE(line.count(';'), 2);
}

void TestExport::overflowDaysAreDatesOfTheNextMonth() {
    TMonthFixture dec;
    QVERIFY(dec.Make(2026, 12));
    QVERIFY(dec.PutValue(At(33, 23, 59), 5));
    dec.Show({1});
    dec.Mark(At(31, 23, 59), At(33, 23, 59));
    QVERIFY(ExportCsv(dec.doc, Out(), dec.fx.messages));
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 1 + 2 * 1440 + 1);
    QCOMPARE(lines[1], QByteArray("2026-12-31 23:59;0\r"));
    QCOMPARE(lines[2], QByteArray("2027-01-01 00:00;0\r"));
    QCOMPARE(lines.last(), QByteArray("2027-01-02 23:59;5\r"));
}

void TestExport::nothingWithoutBothMarksOrChannels() {
    m->Mark(100, MonthDisplay::NoMark);
    QVERIFY(!Export());
    m->Mark(MonthDisplay::NoMark, 100);
    QVERIFY(!Export());
    m->Mark(100, 200);
    m->doc.display.channelVisible.fill(0);
    QVERIFY(!Export());
    QVERIFY(!QFile::exists(Out()));
    QVERIFY(m->fx.messages.shown.isEmpty());
}

void TestExport::targetCannotBeCreated() {
    m->Mark(100, 200);
    const QByteArray before = m->Bytes();
    QVERIFY(!ExportCsv(m->doc, m->fx.Path("missing/out.csv"), m->fx.messages));
    QCOMPARE(m->fx.messages.Texts(), QStringList{ExportCreateFailedText()});
    QCOMPARE(m->fx.messages.shown[0].kind, TMessages::Error);
    QVERIFY(QDir(m->fx.Path("ausgabe.csv")).mkpath("."));
    QVERIFY(!ExportCsv(m->doc, m->fx.Path("ausgabe.csv"), m->fx.messages));
    QCOMPARE(m->Bytes(), before);
}

void TestExport::failedWriteLeavesNoFile() {
    m->Mark(0, 44639);
    {
        TFileSizeLimit limit(100 * 1024);
        QVERIFY(limit.Active());
        QVERIFY(!Export());
    }
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(m->fx.messages.Texts(), QStringList{"Error - File " + Out() + " cannot be written!"});
    QCOMPARE(m->fx.messages.shown[0].kind, TMessages::Error);
    // An older export of that name survives a failed one.
    QVERIFY(WriteBytes(Out(), "old"));
    {
        TFileSizeLimit limit(100 * 1024);
        QVERIFY(!Export());
    }
    QCOMPARE(ReadBytes(Out()), QByteArray("old"));
    QCOMPARE(QDir(m->fx.dir.path()).entryList({"*out*"}, QDir::Files | QDir::Hidden),
             QStringList{"out.csv"});
}

void TestExport::exportOntoItsSourceIsRefused() {
    m->Mark(0, 10);
    const QByteArray before = m->Bytes();
    // The file itself, under another name too, and any other month file.
    QVERIFY(QFile::link(m->path, m->fx.Path("link.csv")));
    QVERIFY(QFile::copy(m->path, m->fx.Path("april.csv")));
    for (const QString& target : {m->path, m->fx.Path("link.csv"), m->fx.Path("april.csv")}) {
        m->fx.messages.Clear();
        QVERIFY(!ExportCsv(m->doc, target, m->fx.messages));
        QCOMPARE(m->fx.messages.Texts(), QStringList{OutputIsMonthFileText(target)});
    }
    QCOMPARE(m->Bytes(), before);
    QCOMPARE(ReadBytes(m->fx.Path("april.csv")), before);
}

void TestExport::decimalsOfAForeignFileOverranTheLine() {
    // A month file may hold any decimals byte; 255 on every channel once
    // wrote past the export's digit and line buffers.
    QByteArray defs = HeaderChannelBytes(m->doc.header);
    for (int ch = 0; ch < 14; ++ch) {
        ChannelDef c = ReadChannelDef(defs, ch * ChannelDef::Size);
        c.inputMult = 1;
        c.offsetValue = 0;
        c.decimals = 255;
        c.minValue = 0;
        c.maxValue = 0xFFFFFFFF;
        WriteChannelDef(defs, ch * ChannelDef::Size, c);
    }
    SetHeaderChannelBytes(m->doc.header, defs);
    QVERIFY(m->PutValue(500, 123));
    m->Show({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    m->Mark(500, 500);
    QVERIFY(Export());
    const QByteArray value = "0," + QByteArray(252, '0') + "123";
    QByteArray line = "2026-03-01 08:20";
    for (int ch = 0; ch < 14; ++ch)
        line += ';' + value;
    QCOMPARE(Lines().value(1), line + '\r');
}

void TestExport::memberUsesTheWindowsDocument() {
    QVERIFY(m->PutValue(0, 42));
    m->Show({1});
    m->Mark(0, 1);
    QVERIFY(m->file->ExportCsv(Out()));
    QCOMPARE(ReadBytes(Out()), QByteArray("Datum/Uhrzeit;Kanal 1 (V)\r\n"
                                          "2026-03-01 00:00;42\r\n"
                                          "2026-03-01 00:01;0\r\n"));
}

// A file another program keeps locked is a month file in use (a slip that
// let it be replaced was missed): refused, whatever it holds.
void TestExport::foreignLockedOutputTargetIsRefused() {
    m->Mark(0, 10);
    const QString busy = m->fx.Path("busy.csv");
    QVERIFY(WriteBytes(busy, "not a month file\n"));
    {
        TForeignLock lock(busy, LOCK_EX);
        QVERIFY(lock.Locked());
        m->fx.messages.Clear();
        QVERIFY(!ExportCsv(m->doc, busy, m->fx.messages));
        QCOMPARE(m->fx.messages.Texts(), QStringList{OutputIsMonthFileText(busy)});
        QCOMPARE(RefusedOutputTarget(busy, m->path), OutputIsMonthFileText(busy));
    }
    QCOMPARE(ReadBytes(busy), QByteArray("not a month file\n"));
    QCOMPARE(RefusedOutputTarget(busy, m->path), QString());
}

// Every scripted minute in one export: one line each, the CSV's verdict.
void TestExport::scriptedMinutes() {
    QVERIFY(OpenScripted());
    m->Show({1});
    m->Mark(ScriptedSlot(0), ScriptedSlot(ScriptedCount - 1));
    QVERIFY(Export());
    const QList<QByteArray> lines = Lines();
    QCOMPARE(lines.size(), 1 + ScriptedCount);
    QCOMPARE(lines[0], QByteArray("Datum/Uhrzeit;Druck (bar)\r"));
    for (int i = 0; i < ScriptedCount; ++i) {
        const TScriptedMinute& s = ScriptedMinutes[i];
        QCOMPARE(lines[1 + i], QByteArray(s.time) + ';' + s.csv + '\r');
    }
}

// A file that ends inside the marked range used to be exported with zeros
// for the days it lacks, as if they were measured.
void TestExport::exportOfADamagedFileStopsWithAMessage() {
    QVERIFY(OpenScripted());
    QVERIFY(WriteBytes(m->path, ReadBytes(m->path).left(DayBlockOffset(31) + 10)));
    m->Show({1});
    m->Mark(ScriptedSlot(0), ScriptedSlot(ScriptedCount - 1));
    QVERIFY(!Export());
    QVERIFY(!QFile::exists(Out()));
    QCOMPARE(m->fx.messages.Texts(),
             QStringList{QString::fromUtf8("Diese Datei ist keine gültige Datendatei!")});
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
