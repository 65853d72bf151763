#include "Ffiletestsupport.h"

#include "config/Fmemory.h"
#include "files/Cfileact.h"

#include <QFileInfo>
#include <QTest>

// The month file layout: names, sizes, offsets, header, slot and exception
// entry bytes.
class TestMonthFile : public QObject {
    Q_OBJECT

private slots:
    void monthFileName_data();
    void monthFileName();
    void newFileLayout_data();
    void newFileLayout();
    void newHeaderFields();
    void locationIsCutTo21Bytes();
    void slotBytes();
    void overflowSlotConvertsBack();
    void exceptionEntryBytes();
    void headerFits_data();
    void headerFits();
    void findOperator();
};

void TestMonthFile::monthFileName_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("name");
    QTest::newRow("march 2026") << 46 << 3 << "D2026-03.ZMF";
    QTest::newRow("first") << 0 << 1 << "D1980-01.ZMF";
    QTest::newRow("last") << 255 << 12 << "D2235-12.ZMF";
}

void TestMonthFile::monthFileName() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, name);
    QCOMPARE(MonthFileName(uint8_t(year), uint8_t(month)), name);
}

void TestMonthFile::newFileLayout_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("daysStored");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<qint64>("operatorTable");
    QTest::addColumn<qint64>("exceptionTable");
    QTest::newRow("28 days") << 2026 << 2 << 30 << qint64(1303365) << qint64(1296765)
                             << qint64(1298365);
    QTest::newRow("29 days") << 2028 << 2 << 31 << qint64(1346565) << qint64(1339965)
                             << qint64(1341565);
    QTest::newRow("30 days") << 2026 << 4 << 32 << qint64(1389765) << qint64(1383165)
                             << qint64(1384765);
    QTest::newRow("31 days") << 2026 << 12 << 33 << qint64(1432965) << qint64(1426365)
                             << qint64(1427965);
}

void TestMonthFile::newFileLayout() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, daysStored);
    QFETCH(qint64, size);
    QFETCH(qint64, operatorTable);
    QFETCH(qint64, exceptionTable);
    QCOMPARE(FileSize(daysStored), size);
    QCOMPARE(OperatorTableOffset(daysStored), operatorTable);
    QCOMPARE(ExceptionTableOffset(daysStored), exceptionTable);

    TFilesFixture fx;
    MonthDocument doc;
    TFileAct act(&doc, fx.env, *fx.config);
    QVERIFY(act.CreateMonthFile(Year(year), uint8_t(month)));
    const QByteArray file = ReadBytes(fx.MonthPath(year, month));
    QCOMPARE(file.size(), size);
    QCOMPARE(HeaderDaysStored(file.left(HeaderSize)), daysStored);
    // Every slot empty, both tables zero.
    QCOMPARE(file.mid(HeaderSize, operatorTable - HeaderSize),
             EmptySlot().repeated(daysStored * SlotsPerDay));
    QCOMPARE(file.mid(operatorTable), QByteArray(OperatorTableSize + ExceptionTableSize, '\0'));
}

void TestMonthFile::newHeaderFields() {
    ChannelDefs channels{};
    channels[0].active = 1;
    channels[0].name = "Temperatur";
    channels[13].dimension = "mbar";
    const QByteArray h = NewHeader(46, 3, "Werk", channels);
    QCOMPARE(h.size(), HeaderSize);
    QCOMPARE(h.left(8), QByteArray("VELO01\0\0", 8));
    QCOMPARE(GetU8(h, 8), 46);
    QCOMPARE(GetU8(h, 9), 3);
    QCOMPARE(GetU8(h, 10), 33);
    QCOMPARE(GetU8(h, 11), 2);
    QCOMPARE(GetU16(h, 12), 0);
    QCOMPARE(h.mid(14, 22), QByteArray("Werk").leftJustified(22, '\0'));
    QCOMPARE(HeaderChannel(h, 0), channels[0]);
    QCOMPARE(HeaderChannel(h, 13), channels[13]);
    QCOMPARE(GetU8(h, 764), 0);
    const MonthInfo info = HeaderMonthInfo(h);
    QCOMPARE(info.year, 46);
    QCOMPARE(info.month, 3);
    QCOMPARE(info.daysStored, 33);
    QCOMPARE(info.overflowDays, 2);
}

void TestMonthFile::locationIsCutTo21Bytes() {
    const QByteArray h = NewHeader(46, 3, "Kl\xE4ranlage Ober-Unterdorf", ChannelDefs{});
    QCOMPARE(HeaderLocation(h), QByteArray("Kl\xE4ranlage Ober-Unter"));
    QCOMPARE(GetU8(h, 14 + 21), 0);
    // The channel definitions behind the field are untouched.
    QCOMPARE(HeaderChannelBytes(h), ChannelDefsImage(ChannelDefs{}));
}

void TestMonthFile::slotBytes() {
    std::array<uint16_t, 14> values{};
    for (int i = 0; i < 14; ++i)
        values[i] = uint16_t(0x0102 * (i + 1));
    const QByteArray s = BuildSlot(7, values);
    QCOMPARE(s.size(), SlotSize);
    QCOMPARE(GetU8(s, 0), 1);
    QCOMPARE(GetU8(s, 1), 7);
    QCOMPARE(s.mid(2, 4), QByteArray("\x02\x01\x04\x02", 4));
    QCOMPARE(GetU16(s, 28), 0x0102 * 14);
    QCOMPARE(EmptySlot(), QByteArray("\xFF\xFF", 2) + QByteArray(28, '\0'));

    QByteArray block = EmptyDayBlock();
    QCOMPARE(block.size(), DayBlockSize);
    PutSlot(block, 1439, s);
    QCOMPARE(SlotState(block, 1439), SlotStored);
    QCOMPARE(SlotOperator(block, 1439), 7);
    QCOMPARE(SlotValue(block, 1439, 13), 0x0102 * 14);
    QCOMPARE(SlotState(block, 1438), SlotEmpty);
    QCOMPARE(block.size(), DayBlockSize);
}

void TestMonthFile::overflowSlotConvertsBack() {
    // 2 March 00:10 in the February file of a common year.
    const QByteArray h = NewHeader(Year(2026), 2, "", ChannelDefs{});
    const uint32_t slot = 28 * 1440 + 1450;
    QCOMPARE(slot, 41770u);
    QCOMPARE(SlotOffset(slot), qint64(1253865));
    const MonthInfo info = HeaderMonthInfo(h);
    QCOMPARE(SlotYear(info, slot), 2026);
    QCOMPARE(SlotMonth(info, slot), 3);
    QCOMPARE(SlotDay(info, slot), 2);
    QCOMPARE(SlotHour(slot), 0);
    QCOMPARE(slot % 60, 10u);
}

void TestMonthFile::exceptionEntryBytes() {
    QByteArray table(ExceptionTableSize, '\0');
    ExceptionPeriod p;
    p.from = 600;
    p.to = 0x1234;
    p.channelMask = 0x2005;
    p.code = {'!', 'R', 'e', 'v'};
    WriteExceptionPeriod(table, 499, p);
    QCOMPARE(table.size(), ExceptionTableSize);
    QCOMPARE(table.mid(4990), QByteArray("\x58\x02\x34\x12\x05\x20!Rev", 10));
    QCOMPARE(ReadExceptionPeriod(table, 499), p);
    QVERIFY(p.IsNoteOnly());

    ExceptionPeriod empty;
    empty.to = 5;
    WriteExceptionPeriod(table, 0, empty);
    QCOMPARE(table.mid(6, 4), QByteArray(4, '\0'));
    QVERIFY(!ReadExceptionPeriod(table, 0).IsNoteOnly());
}

void TestMonthFile::headerFits_data() {
    QTest::addColumn<qint64>("at");
    QTest::addColumn<int>("byte");
    QTest::addColumn<bool>("fits");
    QTest::newRow("as created") << qint64(10) << 33 << true;
    QTest::newRow("no day block") << qint64(10) << 0 << false;
    QTest::newRow("34 day blocks") << qint64(10) << 34 << false;
    QTest::newRow("only the overflow days") << qint64(10) << 2 << true;
    QTest::newRow("overflow = blocks") << qint64(11) << 33 << true;
    QTest::newRow("overflow > blocks") << qint64(11) << 34 << false;
    QTest::newRow("month 0") << qint64(9) << 0 << false;
    QTest::newRow("month 13") << qint64(9) << 13 << false;
    QTest::newRow("100 operators") << qint64(764) << 100 << true;
    QTest::newRow("101 operators") << qint64(764) << 101 << false;
    QTest::newRow("signature") << qint64(5) << int('2') << false;
}

void TestMonthFile::headerFits() {
    QFETCH(qint64, at);
    QFETCH(int, byte);
    QFETCH(bool, fits);
    QByteArray h = NewHeader(46, 3, "", ChannelDefs{});
    PutU8(h, at, uint8_t(byte));
    QCOMPARE(HeaderFits(h), fits);

    // Exception counts: up to 500, or the earlier layout's "00".
    QByteArray e = NewHeader(46, 3, "", ChannelDefs{});
    PutU16(e, 6, 500);
    QVERIFY(HeaderFits(e));
    PutU16(e, 6, 501);
    QVERIFY(!HeaderFits(e));
    e.replace(6, 2, "00");
    QVERIFY(HeaderFits(e));
    QVERIFY(!HeaderFits(e.left(764)));
}

void TestMonthFile::findOperator() {
    QByteArray table(OperatorTableSize, '\0');
    PutText(table, 0, 16, "Meier");
    PutText(table, 16, 16, "Schulze-Wolfgang"); // 16 bytes: kept as 15
    QCOMPARE(FindOperator(table, 2, "Meier"), 0);
    QCOMPARE(FindOperator(table, 2, "meier"), -1);
    QCOMPARE(FindOperator(table, 2, "Schulze-Wolfgang"), 1);
    QCOMPARE(FindOperator(table, 1, "Schulze-Wolfgang"), -1);
    QCOMPARE(OperatorName(table, 1), QByteArray("Schulze-Wolfgan"));
}

QTEST_GUILESS_MAIN(TestMonthFile)
#include "tst_monthfile.moc"
