#include "Ffiletestsupport.h"

#include "config/Fmemory.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <thread>

namespace {

QByteArray SlotOf(const SampleRecord& r, uint8_t op) {
    return BuildSlot(op, r.values);
}

} // namespace

// The running-month file: choosing file and slot, month change and take-over,
// operator table, channel definitions, failures.
class TestFileAct : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstRecordCreatesTheMonthFile();
    void recordsOnOverflowDays();
    void monthSwitchAtDay3();
    void yearEndOverflow();
    void dayOneAfterRestartGoesToPreviousFile();
    void existingFileIsOpenedNotCreated();
    void lateRecordGoesToItsOwnMonth();
    void takeOverRenumbersOperators();
    void takeOverOfShortFileCopiesEmptySlots();
    void channelDefinitionsCopiedWithNextRecord();
    void operatorTableGrows();
    void hundredFirstOperator();
    void locationIsCut();
    void invalidRecordTimes_data();
    void invalidRecordTimes();
    void failedCreation_data();
    void failedCreation();
    void injectedWriteFailure();
    void reloadExceptions();
    void purgeKeepsFiles();
    void busyMonthFileIsNeitherRecreatedNorTruncated();
    void vanishedRunningFileIsCreatedAgain();
    void damagedMonthFileIsMovedAsideAndTheRecordStored_data();
    void damagedMonthFileIsMovedAsideAndTheRecordStored();
    void recordOfNoSuchDayIsRefusedForGood();
    void reasonlessWriteFailureNamesTheReason_data();
    void reasonlessWriteFailureNamesTheReason();
    void emptyMonthFileIsReplaced_data();
    void emptyMonthFileIsReplaced();
    void heldEmptyMonthFileIsWaitedFor();
    void interruptedCreationIsRemovedByTheNextWriter();
    void crashBetweenWritesNeverGivesTheMinuteToAnotherOperator();
    void failedFlushLeavesTheHeaderAsItWas();
    void busyPreviousMonthFileIsWaitedFor();

private:
    TFileAct& Act() { return *act; }
    QByteArray File(int year, int month) const { return ReadBytes(fx->MonthPath(year, month)); }

    std::unique_ptr<TFilesFixture> fx;
    std::unique_ptr<MonthDocument> doc;
    std::unique_ptr<TFileAct> act;
};

void TestFileAct::init() {
    fx = std::make_unique<TFilesFixture>();
    doc = std::make_unique<MonthDocument>();
    act = std::make_unique<TFileAct>(doc.get(), fx->env, *fx->config);
}

void TestFileAct::cleanup() {
    act.reset();
    doc.reset();
    fx.reset();
}

void TestFileAct::firstRecordCreatesTheMonthFile() {
    QVERIFY(!Act().opened);
    const SampleRecord r = Record(2026, 3, 10, 14, 0, 1000);
    QVERIFY(Act().WriteRecord(r));
    QCOMPARE(Act().currentSlot, 13800);
    QCOMPARE(Act().lastSlot, SlotOf(r, NoOperator));
    QVERIFY(Act().opened);
    QVERIFY(!Act().daysLoaded);
    QCOMPARE(doc->fileName, QString("D2026-03.ZMF"));

    const QByteArray file = File(2026, 3);
    QCOMPARE(file.size(), FileSize(33));
    QCOMPARE(file.mid(765 + 30 * 13800, 30), SlotOf(r, NoOperator));
    QCOMPARE(HeaderEndSlot(file), 13801);
    QCOMPARE(doc->header, file.left(HeaderSize));
    QCOMPARE(HeaderLocation(file), QByteArray("Werk Nord"));
    QCOMPARE(HeaderChannelBytes(file), ChannelDefsImage(fx->config->channels));
    // Everything else is empty.
    QByteArray expected = EmptySlot().repeated(33 * 1440);
    expected.replace(13800 * 30, 30, SlotOf(r, NoOperator));
    QCOMPARE(file.mid(HeaderSize, 33 * DayBlockSize), expected);
}

void TestFileAct::recordsOnOverflowDays() {
    QVERIFY(Act().WriteRecord(Record(2026, 2, 27, 12, 0)));
    const SampleRecord first = Record(2026, 3, 1, 0, 0, 10);
    QVERIFY(Act().WriteRecord(first));
    QCOMPARE(Act().currentSlot, 40320);
    const SampleRecord second = Record(2026, 3, 2, 0, 10, 20);
    QVERIFY(Act().WriteRecord(second));
    QCOMPARE(Act().currentSlot, 41770);
    QVERIFY(!QFile::exists(fx->MonthPath(2026, 3)));
    const QByteArray feb = File(2026, 2);
    QCOMPARE(feb.mid(1253865, 30), SlotOf(second, NoOperator));
    QCOMPARE(SlotBytes(feb, 40320), SlotOf(first, NoOperator));
    QCOMPARE(HeaderEndSlot(feb), 41771);
    QCOMPARE(HeaderMonth(doc->header), 2);
}

void TestFileAct::monthSwitchAtDay3() {
    QVERIFY(Act().WriteRecord(Record(2026, 2, 28, 23, 59)));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0, 10)));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 23, 59, 20)));
    const QByteArray feb = File(2026, 2);

    // Creation alone: the two overflow days and an end slot of 2880.
    {
        MonthDocument other;
        TFileAct creator(&other, fx->env, *fx->config);
        QVERIFY(creator.CreateMonthFile(Year(2026), 3));
        const QByteArray march = File(2026, 3);
        QCOMPARE(HeaderEndSlot(march), 2880);
        QCOMPARE(march.mid(HeaderSize, 2 * DayBlockSize),
                 feb.mid(DayBlockOffset(28), 2 * DayBlockSize));
        QCOMPARE(march.mid(DayBlockOffset(2), 31 * DayBlockSize), EmptySlot().repeated(31 * 1440));
        QVERIFY(QFile::remove(fx->MonthPath(2026, 3)));
    }

    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 12, 0, 30))); // still February
    const QByteArray febNow = File(2026, 2);
    const SampleRecord third = Record(2026, 3, 3, 0, 0, 40);
    QVERIFY(Act().WriteRecord(third));
    QCOMPARE(Act().currentSlot, 2880);
    QCOMPARE(HeaderMonth(doc->header), 3);
    QVERIFY(!Act().daysLoaded);
    const QByteArray march = File(2026, 3);
    QCOMPARE(march.size(), FileSize(33));
    QCOMPARE(HeaderEndSlot(march), 2881);
    QCOMPARE(march.mid(HeaderSize, 2 * DayBlockSize),
             febNow.mid(DayBlockOffset(28), 2 * DayBlockSize));
    QCOMPARE(SlotBytes(march, 2880), SlotOf(third, NoOperator));
    QCOMPARE(SlotBytes(march, 1440 + 720), SlotOf(Record(2026, 3, 2, 12, 0, 30), NoOperator));
    // February keeps its bytes.
    QCOMPARE(File(2026, 2), febNow);
}

void TestFileAct::yearEndOverflow() {
    QVERIFY(Act().WriteRecord(Record(2025, 12, 31, 23, 59)));
    const SampleRecord r = Record(2026, 1, 2, 23, 59, 7);
    QVERIFY(Act().WriteRecord(r));
    QCOMPARE(Act().currentSlot, 47519);
    const QByteArray dec = File(2025, 12);
    QCOMPARE(SlotOffset(47519) + SlotSize, OperatorTableOffset(33));
    QCOMPARE(SlotBytes(dec, 47519), SlotOf(r, NoOperator));
    QCOMPARE(HeaderEndSlot(dec), 47520);
    QCOMPARE(dec.mid(OperatorTableOffset(33)), QByteArray(6600, '\0'));
    QVERIFY(!QFile::exists(fx->MonthPath(2026, 1)));
    const MonthInfo info = doc->Info();
    QCOMPARE(SlotYear(info, 47519), 2026);
    QCOMPARE(SlotMonth(info, 47519), 1);
    QCOMPARE(SlotDay(info, 47519), 2);
}

void TestFileAct::dayOneAfterRestartGoesToPreviousFile() {
    QVERIFY(Act().WriteRecord(Record(2026, 2, 10, 8, 0)));
    // A new program run: the document holds no file yet.
    MonthDocument fresh;
    TFileAct restarted(&fresh, fx->env, *fx->config);
    QVERIFY(restarted.WriteRecord(Record(2026, 3, 1, 6, 0)));
    QCOMPARE(restarted.currentSlot, 28 * 1440 + 360);
    QCOMPARE(HeaderMonth(fresh.header), 2);
    QVERIFY(!QFile::exists(fx->MonthPath(2026, 3)));
}

void TestFileAct::existingFileIsOpenedNotCreated() {
    const SampleRecord early = Record(2026, 3, 5, 10, 0, 5);
    QVERIFY(Act().WriteRecord(early));
    MonthDocument fresh;
    TFileAct restarted(&fresh, fx->env, *fx->config);
    QVERIFY(restarted.WriteRecord(Record(2026, 3, 20, 10, 0)));
    const QByteArray march = File(2026, 3);
    QCOMPARE(SlotBytes(march, 4 * 1440 + 600), SlotOf(early, NoOperator));
    QCOMPARE(HeaderEndSlot(march), 19 * 1440 + 601);
}

void TestFileAct::lateRecordGoesToItsOwnMonth() {
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    const QByteArray march = File(2026, 3);
    const SampleRecord late = Record(2026, 2, 15, 9, 30, 3);
    QVERIFY(Act().WriteRecord(late));
    QCOMPARE(HeaderMonth(doc->header), 2);
    QCOMPARE(Act().currentSlot, 14 * 1440 + 570);
    QCOMPARE(SlotBytes(File(2026, 2), 14 * 1440 + 570), SlotOf(late, NoOperator));
    QCOMPARE(File(2026, 3), march);
    // The next current record switches back.
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 1)));
    QCOMPARE(HeaderMonth(doc->header), 3);
    QCOMPARE(HeaderEndSlot(File(2026, 3)), 13802);
}

void TestFileAct::takeOverRenumbersOperators() {
    TConfig& c = *fx->config;
    c.operatorLoggedIn = true;
    c.operatorName = "Xaver";
    QVERIFY(Act().WriteRecord(Record(2026, 2, 5, 8, 0)));
    c.operatorName = "Berta";
    QVERIFY(Act().WriteRecord(Record(2026, 2, 6, 8, 0)));
    c.operatorName = "Anton";
    QVERIFY(Act().WriteRecord(Record(2026, 2, 7, 8, 0)));
    QCOMPARE(HeaderOperatorCount(doc->header), 3); // Xaver 0, Berta 1, Anton 2
    // On the overflow days Anton comes first, then Berta.
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0)));
    c.operatorName = "Berta";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 1)));
    c.operatorName = "Anton";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 7, 0)));
    c.operatorLoggedIn = false;
    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 7, 1)));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 3, 0, 0)));

    const QByteArray march = File(2026, 3);
    QCOMPARE(HeaderOperatorCount(march), 2);
    const qint64 table = OperatorTableOffset(33);
    QCOMPARE(march.mid(table, 16), QByteArray("Anton").leftJustified(16, '\0'));
    QCOMPARE(march.mid(table + 16, 16), QByteArray("Berta").leftJustified(16, '\0'));
    QCOMPARE(march.mid(table + 32, OperatorTableSize - 32),
             QByteArray(OperatorTableSize - 32, '\0'));
    QCOMPARE(GetU8(march, SlotOffset(0) + 1), 0);
    QCOMPARE(GetU8(march, SlotOffset(1) + 1), 1);
    QCOMPARE(GetU8(march, SlotOffset(1440 + 420) + 1), 0);
    QCOMPARE(GetU8(march, SlotOffset(1440 + 421) + 1), NoOperator);
    QCOMPARE(GetU8(march, SlotOffset(2880) + 1), NoOperator);
    // The document took the new table over with the file.
    QCOMPARE(doc->operators, march.mid(table, OperatorTableSize));
}

void TestFileAct::takeOverOfShortFileCopiesEmptySlots() {
    QVERIFY(Act().WriteRecord(Record(2026, 2, 27, 0, 0)));
    const SampleRecord a = Record(2026, 3, 1, 0, 0, 11);
    QVERIFY(Act().WriteRecord(a));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 1, 12)));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 0, 0, 13)));
    // February ends in the middle of slot 40321.
    const QByteArray feb = File(2026, 2);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 2), feb.left(SlotOffset(40321) + 10)));

    QVERIFY(Act().WriteRecord(Record(2026, 3, 3, 0, 0)));
    const QByteArray march = File(2026, 3);
    QByteArray expected = EmptySlot().repeated(2 * 1440);
    expected.replace(0, 30, SlotOf(a, NoOperator));
    QCOMPARE(march.mid(HeaderSize, 2 * DayBlockSize), expected);
    QCOMPARE(HeaderEndSlot(march), 2881);
}

void TestFileAct::channelDefinitionsCopiedWithNextRecord() {
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    const QByteArray before = File(2026, 3).left(HeaderSize);
    fx->config->channels[2].name = "Durchfluss";
    fx->config->channels[2].decimals = 2;
    // Nothing changes until a record is stored.
    QCOMPARE(File(2026, 3).left(HeaderSize), before);
    QCOMPARE(HeaderChannel(doc->header, 2).name, QByteArray("Kanal 3"));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 1)));
    const QByteArray after = File(2026, 3).left(HeaderSize);
    QCOMPARE(HeaderChannel(after, 2), fx->config->channels[2]);
    QCOMPARE(HeaderChannelBytes(after), ChannelDefsImage(fx->config->channels));
    // Only the end slot and channel 3 differ.
    QByteArray expected = before;
    SetHeaderEndSlot(expected, 13802);
    SetHeaderChannelBytes(expected, ChannelDefsImage(fx->config->channels));
    QCOMPARE(after, expected);
}

void TestFileAct::operatorTableGrows() {
    TConfig& c = *fx->config;
    c.operatorLoggedIn = true;
    c.operatorName = "Meier";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0)));
    QCOMPARE(HeaderOperatorCount(File(2026, 3)), 1);
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 1)));
    c.operatorName = "meier"; // letter case counts
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 2)));
    c.operatorName = "Meier";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 3)));
    c.operatorLoggedIn = false;
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 4)));

    const QByteArray march = File(2026, 3);
    QCOMPARE(HeaderOperatorCount(march), 2);
    const qint64 table = OperatorTableOffset(33);
    QCOMPARE(march.mid(table, 32), QByteArray("Meier").leftJustified(16, '\0') +
                                       QByteArray("meier").leftJustified(16, '\0'));
    QCOMPARE(march.mid(table + 32, 1568), QByteArray(1568, '\0'));
    const QList<int> ops{0, 0, 1, 0, NoOperator};
    for (int s = 0; s < 5; ++s)
        QCOMPARE(int(GetU8(march, SlotOffset(s) + 1)), ops[s]);
    QCOMPARE(doc->operators, march.mid(table, OperatorTableSize));
}

void TestFileAct::hundredFirstOperator() {
    TConfig& c = *fx->config;
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0)));
    // Two exception periods set by another window.
    QByteArray table(ExceptionTableSize, '\0');
    WriteExceptionPeriod(table, 0, ExceptionPeriod{1, 2, 1, {'A', 'B', 'C', 'D'}});
    WriteExceptionPeriod(table, 1, ExceptionPeriod{3, 4, 2, {'E', 'F', 'G', 'H'}});
    QByteArray file = File(2026, 3);
    file.replace(ExceptionTableOffset(33), ExceptionTableSize, table);
    PutU16(file, 6, 2);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    QVERIFY(Act().ReloadExceptions());

    c.operatorLoggedIn = true;
    for (int i = 0; i < 100; ++i) {
        c.operatorName = "Op" + QByteArray::number(i);
        QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 0, i)));
    }
    const QByteArray full = File(2026, 3);
    QCOMPARE(HeaderOperatorCount(full), 100);
    QCOMPARE(OperatorName(full.mid(OperatorTableOffset(33)), 99), QByteArray("Op99"));

    c.operatorName = "Op100";
    const SampleRecord r = Record(2026, 3, 2, 2, 0, 9);
    QVERIFY(Act().WriteRecord(r));
    QCOMPARE(Act().lastSlot, SlotOf(r, NoOperator));
    const QByteArray after = File(2026, 3);
    QCOMPARE(SlotBytes(after, 1440 + 120), SlotOf(r, NoOperator));
    QCOMPARE(HeaderOperatorCount(after), 100);
    QCOMPARE(HeaderExceptionCount(after), 2);
    QCOMPARE(after.mid(OperatorTableOffset(33)), full.mid(OperatorTableOffset(33)));
    QCOMPARE(after.mid(ExceptionTableOffset(33)), table);
    // A known operator still gets the index.
    c.operatorName = "Op42";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 2, 2, 1)));
    QCOMPARE(GetU8(File(2026, 3), SlotOffset(1440 + 121) + 1), 42);
}

void TestFileAct::locationIsCut() {
    fx->config->location = "Kl\xE4rwerk Neustadt an der Saale";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    const QByteArray h = File(2026, 3).left(HeaderSize);
    QCOMPARE(h.mid(14, 22), QByteArray("Kl\xE4rwerk Neustadt an ") + QByteArray(1, '\0'));
    QCOMPARE(HeaderChannelBytes(h), ChannelDefsImage(fx->config->channels));
}

void TestFileAct::invalidRecordTimes_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("minute");
    QTest::newRow("month 0") << 0 << 0;
    QTest::newRow("month 13") << 13 << 0;
    QTest::newRow("30 February") << 2 << 29 * 1440;
    QTest::newRow("32 March") << 3 << 44640;
}

void TestFileAct::invalidRecordTimes() {
    QFETCH(int, month);
    QFETCH(int, minute);
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    const QByteArray march = File(2026, 3);
    SampleRecord r = Record(2026, 3, 1, 0, 0);
    r.month = uint8_t(month);
    r.minute = uint16_t(minute);
    QVERIFY(!Act().WriteRecord(r));
    QCOMPARE(File(2026, 3), march);
    QCOMPARE(QDir(fx->dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
             QStringList({"D2026-03.ZMF"}));
}

void TestFileAct::failedCreation_data() {
    QTest::addColumn<bool>("locked");
    QTest::newRow("directory in the way") << false;
    QTest::newRow("file locked by another program") << true;
}

void TestFileAct::failedCreation() {
    QFETCH(bool, locked);
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    QVERIFY(Act().WriteRecord(Record(2026, 4, 1, 0, 0))); // March overflow
    const QByteArray march = File(2026, 3);
    const QString april = fx->MonthPath(2026, 4);
    QByteArray aprilBytes;
    std::unique_ptr<TForeignLock> lock;
    if (locked) {
        // An April file of another run, held by another program.
        MonthDocument other;
        TFileAct creator(&other, fx->env, *fx->config);
        QVERIFY(creator.CreateMonthFile(Year(2026), 4));
        aprilBytes = File(2026, 4);
        lock = std::make_unique<TForeignLock>(april, LOCK_EX);
        QVERIFY(lock->Locked());
    } else {
        QVERIFY(QDir(fx->dir.path()).mkdir("D2026-04.ZMF"));
    }

    // The window keeps showing March; nothing goes into March's file.
    QVERIFY(!Act().WriteRecord(Record(2026, 4, 3, 0, 0)));
    QCOMPARE(Act().failure, TFileAct::Transient);
    QCOMPARE(HeaderMonth(doc->header), 3);
    QCOMPARE(File(2026, 3), march);
    QVERIFY(!Act().WriteRecord(Record(2026, 4, 3, 0, 1)));
    QCOMPARE(File(2026, 3), march);
    if (locked)
        QCOMPARE(File(2026, 4), aprilBytes);

    // Once the way is clear the next record switches.
    lock.reset();
    if (!locked)
        QVERIFY(QDir(fx->dir.path()).rmdir("D2026-04.ZMF"));
    const SampleRecord r = Record(2026, 4, 3, 0, 2, 77);
    QVERIFY(Act().WriteRecord(r));
    QCOMPARE(HeaderMonth(doc->header), 4);
    QCOMPARE(SlotBytes(File(2026, 4), 2882), SlotOf(r, NoOperator));
    QCOMPARE(File(2026, 3), march);
}

void TestFileAct::injectedWriteFailure() {
    TConfig& c = *fx->config;
    c.operatorLoggedIn = true;
    c.operatorName = "Meier";
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0)));
    QVERIFY(Act().WriteRecord(Record(2026, 4, 2, 23, 59)));
    const QByteArray march = File(2026, 3);
    const QByteArray header = doc->header;
    const QByteArray operators = doc->operators;
    {
        TFileSizeLimit limit(1000000);
        QVERIFY(limit.Active());
        // A record of day 31: the slot lies beyond the limit.
        QVERIFY(!Act().WriteRecord(Record(2026, 3, 31, 12, 0)));
        QCOMPARE(doc->header, header);
        // A new operator: the slot could be written, the table cannot.
        c.operatorName = "Schulze";
        QVERIFY(!Act().WriteRecord(Record(2026, 3, 1, 0, 1)));
        QCOMPARE(doc->header, header);
        QCOMPARE(doc->operators, operators);
        // The April file cannot be written completely and is not left behind.
        QVERIFY(!Act().WriteRecord(Record(2026, 4, 3, 0, 0)));
        QVERIFY(!QFile::exists(fx->MonthPath(2026, 4)));
        QCOMPARE(QDir(fx->dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"D2026-03.ZMF"}));
        QCOMPARE(File(2026, 3), march);
        // Back to March: the switch opens it again, the write still fails.
        QVERIFY(!Act().WriteRecord(Record(2026, 3, 1, 0, 2)));
    }
    QCOMPARE(File(2026, 3), march);

    // With room again the same operator is added once, at index 1.
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 2)));
    const QByteArray now = File(2026, 3);
    QCOMPARE(HeaderOperatorCount(now), 2);
    QCOMPARE(OperatorName(now.mid(OperatorTableOffset(33)), 1), QByteArray("Schulze"));
    QCOMPARE(GetU8(now, SlotOffset(2) + 1), 1);
    QCOMPARE(SlotBytes(now, 1), EmptySlot());
    QCOMPARE(HeaderEndSlot(now), 3);
}

void TestFileAct::reloadExceptions() {
    QVERIFY(!Act().ReloadExceptions()); // no file yet
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    QVERIFY(!Act().ReloadExceptions());

    // Another window sets a period.
    QByteArray file = File(2026, 3);
    QByteArray table(ExceptionTableSize, '\0');
    WriteExceptionPeriod(table, 0, ExceptionPeriod{100, 200, 5, {'W', 'A', 'R', 'T'}});
    file.replace(ExceptionTableOffset(33), ExceptionTableSize, table);
    PutU16(file, 6, 1);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    QVERIFY(Act().ReloadExceptions());
    QCOMPARE(HeaderExceptionCount(doc->header), 1);
    QCOMPARE(doc->exceptions, table);
    QVERIFY(!Act().ReloadExceptions());

    // A count the table cannot hold is not taken.
    PutU16(file, 6, 501);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    QVERIFY(!Act().ReloadExceptions());
    QCOMPARE(HeaderExceptionCount(doc->header), 1);
}

void TestFileAct::purgeKeepsFiles() {
    fx->config->retentionMonths = 1;
    QVERIFY(Act().WriteRecord(Record(2026, 2, 10, 0, 0)));
    const QByteArray feb = File(2026, 2);
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 0, 0)));
    QVERIFY(Act().PurgeMonth(Year(2026), 2));
    QCOMPARE(File(2026, 2), feb);
    fx->config->retentionMonths = 0;
    QVERIFY(Act().WriteRecord(Record(2026, 4, 10, 0, 0)));
    QVERIFY(QFile::exists(fx->MonthPath(2026, 3)));
    QCOMPARE(File(2026, 2), feb);
}

void TestFileAct::busyMonthFileIsNeitherRecreatedNorTruncated() {
    for (int i = 0; i < 600; ++i)
        QVERIFY(Act().WriteRecord(Record(2026, 3, 1, i / 60, i % 60, uint16_t(i))));
    const QByteArray march = File(2026, 3);
    // A fresh start while another program holds the file: busy, not missing.
    MonthDocument restarted;
    TFileAct fresh(&restarted, fx->env, *fx->config);
    auto lock = std::make_unique<TForeignLock>(fx->MonthPath(2026, 3), LOCK_EX);
    QVERIFY(lock->Locked());
    QVERIFY(!fresh.WriteRecord(Record(2026, 3, 1, 10, 0)));
    QCOMPARE(fresh.failure, TFileAct::Transient);
    lock.reset();
    // Creation never replaces a file that exists.
    QVERIFY(!fresh.CreateMonthFile(Year(2026), 3));
    QCOMPARE(File(2026, 3), march);
    QCOMPARE(QDir(fx->dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"D2026-03.ZMF"}));

    // A lock given up within the wait is waited for.
    fx->env.lockWaitMs = 5000;
    lock = std::make_unique<TForeignLock>(fx->MonthPath(2026, 3), LOCK_EX);
    std::thread release([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        lock.reset();
    });
    const bool stored = fresh.WriteRecord(Record(2026, 3, 1, 10, 0, 4242));
    release.join();
    QVERIFY(stored);
    const QByteArray now = File(2026, 3);
    QCOMPARE(now.mid(SlotOffset(0), 600 * SlotSize), march.mid(SlotOffset(0), 600 * SlotSize));
    QCOMPARE(GetU16(now, SlotOffset(600) + 2), uint16_t(4242));
}

void TestFileAct::vanishedRunningFileIsCreatedAgain() {
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 0, 0, 11))); // February is not there
    QVERIFY(Act().WriteRecord(Record(2026, 4, 1, 0, 0, 22))); // March's overflow
    QVERIFY(Act().WriteRecord(Record(2026, 4, 3, 0, 0, 33))); // April takes over
    QVERIFY(Act().LoadDays());
    QVERIFY(QFile::remove(fx->MonthPath(2026, 4)));
    QVERIFY(Act().WriteRecord(Record(2026, 4, 3, 0, 1, 44)));
    QCOMPARE(HeaderMonth(doc->header), 4);
    QVERIFY(!Act().daysLoaded); // the window reloads the new file
    const QByteArray april = File(2026, 4);
    QCOMPARE(GetU16(april, SlotOffset(0) + 2), uint16_t(22)); // taken over again
    QCOMPARE(GetU16(april, SlotOffset(2881) + 2), uint16_t(44));
    QCOMPARE(HeaderEndSlot(april), uint16_t(2882));
}

void TestFileAct::damagedMonthFileIsMovedAsideAndTheRecordStored_data() {
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("why");
    QTest::newRow("days byte 8") << "days"
                                 << "its header announces only 8 days";
    QTest::newRow("2 MB of zeros") << "zeros"
                                   << "it is no month file";
    QTest::newRow("November under December's name") << "name"
                                                    << "it holds another month";
}

// Every later record of the month was removed from the unit and stored
// nowhere, or waited in the unit until it overflowed.
void TestFileAct::damagedMonthFileIsMovedAsideAndTheRecordStored() {
    QFETCH(QString, damage);
    QFETCH(QString, why);
    const QString december = fx->MonthPath(2026, 12);
    QByteArray bytes;
    if (damage == "days") {
        QVERIFY(Act().WriteRecord(Record(2026, 12, 3, 0, 0, 5)));
        bytes = File(2026, 12);
        bytes[HdrDaysStored] = 8;
    } else if (damage == "zeros") {
        bytes = QByteArray(2 * 1024 * 1024, '\0');
    } else {
        QVERIFY(Act().WriteRecord(Record(2026, 11, 3, 0, 0, 5)));
        bytes = File(2026, 11);
    }
    QVERIFY(WriteBytes(december, bytes));
    fx->clock.SetLocal({2026, 12, 10, 10, 43, 7});
    fx->messages.Clear();
    MonthDocument restarted;
    TFileAct fresh(&restarted, fx->env, *fx->config);
    const SampleRecord r = Record(2026, 12, 10, 10, 42, 900);
    QVERIFY(fresh.WriteRecord(r));

    const QString aside = december + ".damaged-20261210-1043";
    QCOMPARE(ReadBytes(aside), bytes); // kept byte for byte
    const QByteArray now = File(2026, 12);
    QCOMPARE(now.size(), FileSize(33));
    QCOMPARE(SlotBytes(now, 9 * 1440 + 642), SlotOf(r, NoOperator));
    QCOMPARE(HeaderEndSlot(now), 9 * 1440 + 643);
    QCOMPARE(fx->messages.Texts(),
             QStringList{"The month file " + december + " cannot take the records: " + why +
                         ". It is kept as " + aside + ", and a new month file " + december +
                         " takes the records."});
}

void TestFileAct::recordOfNoSuchDayIsRefusedForGood() {
    // 30 February: no file can hold it.
    SampleRecord r = Record(2026, 2, 28, 0, 0);
    r.minute += 2 * 1440;
    QVERIFY(!Act().WriteRecord(r));
    QCOMPARE(Act().failure, TFileAct::NoSuchMinute);
}

void TestFileAct::reasonlessWriteFailureNamesTheReason_data() {
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QString>("why");
    QTest::newRow("busy") << true << "another program holds it";
    QTest::newRow("no space") << false << "the disk is full";
}

// "cannot be written!" told nothing of why.
void TestFileAct::reasonlessWriteFailureNamesTheReason() {
    QFETCH(bool, busy);
    QFETCH(QString, why);
    const QString march = fx->MonthPath(2026, 3);
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    TForeignLock lock(busy ? march : fx->Path("elsewhere"), LOCK_EX);
    Act().storeSync = [](TFileAccess&) { return false; };
    Act().freeSpace = [](const QString&) { return qint64(4096); };
    QVERIFY(!Act().WriteRecord(Record(2026, 3, 10, 14, 1)));
    QCOMPARE(Act().WriteFailureText(),
             "Error - File " + march + " cannot be written: " + why + "!");
}

void TestFileAct::emptyMonthFileIsReplaced_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("0 bytes, as flock(1) leaves it") << 0;
    QTest::newRow("cut within the header") << int(HeaderSize - 1);
}

// Such a file holds no minute, but was "busy or damaged" for ever: every
// record stayed in the unit until it overflowed.
void TestFileAct::emptyMonthFileIsReplaced() {
    QFETCH(int, size);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), QByteArray(size, 'V')));
    const SampleRecord r = Record(2026, 3, 10, 14, 0, 500);
    QVERIFY(Act().WriteRecord(r));
    const QByteArray march = File(2026, 3);
    QCOMPARE(march.size(), FileSize(33));
    QCOMPARE(HeaderSignature(march), QByteArray("VELO01"));
    QCOMPARE(SlotBytes(march, 13800), SlotOf(r, NoOperator));
    QCOMPARE(HeaderEndSlot(march), 13801);
    QCOMPARE(QDir(fx->dir.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"D2026-03.ZMF"}));
}

void TestFileAct::heldEmptyMonthFileIsWaitedFor() {
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), QByteArray()));
    {
        TForeignLock lock(fx->MonthPath(2026, 3), LOCK_SH);
        QVERIFY(lock.Locked());
        QVERIFY(!Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
        QCOMPARE(Act().failure, TFileAct::Transient);
        QCOMPARE(File(2026, 3), QByteArray());
    }
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    QCOMPARE(File(2026, 3).size(), FileSize(33));
}

// A creation killed before its file was put into place left its 1.4 MB
// temporary file for ever.
void TestFileAct::interruptedCreationIsRemovedByTheNextWriter() {
    const QString left = fx->dir.filePath(".D2026-01.ZMF.a1B2c3");
    const QString underWay = fx->dir.filePath(".D2026-02.ZMF.Zz9Yy8");
    const QString other = fx->dir.filePath(".notes.txt.abcdef");
    for (const QString& path : {left, underWay, other})
        QVERIFY(WriteBytes(path, QByteArray(1000, 'x')));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    TForeignLock creating(underWay, LOCK_EX);
    QVERIFY(creating.Locked());
    QCOMPARE(RemoveInterruptedCreations(fx->dir.path()), 1);
    QVERIFY(!QFile::exists(left));
    QVERIFY(QFile::exists(underWay));
    QVERIFY(QFile::exists(other));
    QVERIFY(QFile::exists(fx->MonthPath(2026, 3)));
}

// The fault: the slot was written before the operator count in the header;
// a crash in between left a slot naming index n with a table of n names,
// and the next operator took index n, and the minute with it. A crash is
// played by refusing every write after the first k of a store.
void TestFileAct::crashBetweenWritesNeverGivesTheMinuteToAnotherOperator() {
    for (int k = 0; k <= 4; ++k) {
        QFile::remove(fx->MonthPath(2026, 3));
        TConfig& c = *fx->config;
        c.operatorLoggedIn = false;
        MonthDocument before;
        TFileAct first(&before, fx->env, c);
        QVERIFY(first.WriteRecord(Record(2026, 3, 10, 14, 0)));
        c.operatorLoggedIn = true;
        c.operatorName = "Anna";
        int writes = 0;
        first.storeWrite = [&](TFileAccess& f, qint64 offset, const QByteArray& bytes) {
            return writes++ < k && f.WriteAll(offset, bytes);
        };
        QCOMPARE(first.WriteRecord(Record(2026, 3, 10, 14, 1)), k == 4);

        // After the restart Bob is on duty.
        c.operatorName = "Bob";
        MonthDocument after;
        TFileAct restarted(&after, fx->env, c);
        QVERIFY(restarted.WriteRecord(Record(2026, 3, 10, 14, 2)));
        const QByteArray march = File(2026, 3);
        const QByteArray table = march.mid(OperatorTableOffset(33));
        const int count = HeaderOperatorCount(march);
        const auto operatorOf = [&](int minute) {
            const int index = GetU8(march, SlotOffset(13800 + minute) + 1);
            return index < count ? OperatorName(table, index) : QByteArray("?");
        };
        QCOMPARE(operatorOf(2), QByteArray("Bob"));
        if (GetU8(march, SlotOffset(13801)) == 1)
            QCOMPARE(operatorOf(1), QByteArray("Anna"));
        else
            QVERIFY2(k < 4, "a complete store stores its minute");
    }
}

// A record whose minute could not be flushed to the disk stays in the unit
// and leaves no header claiming it.
void TestFileAct::failedFlushLeavesTheHeaderAsItWas() {
    QVERIFY(Act().WriteRecord(Record(2026, 3, 10, 14, 0)));
    const QByteArray header = File(2026, 3).left(HeaderSize);
    Act().storeSync = [](TFileAccess&) { return false; };
    QVERIFY(!Act().WriteRecord(Record(2026, 3, 20, 14, 0)));
    QCOMPARE(Act().failure, TFileAct::Transient);
    QCOMPARE(File(2026, 3).left(HeaderSize), header);
    QCOMPARE(HeaderEndSlot(doc->header), 13801);
}

// Busy is not missing, for the previous month's file too: a record of day 1
// or 2 waits rather than go to its own month, and a new month file is not
// made without the days it takes over.
void TestFileAct::busyPreviousMonthFileIsWaitedFor() {
    QVERIFY(Act().WriteRecord(Record(2026, 2, 27, 12, 0, 7)));
    QVERIFY(Act().WriteRecord(Record(2026, 3, 1, 8, 0, 8)));
    MonthDocument restarted;
    TFileAct fresh(&restarted, fx->env, *fx->config);
    {
        TForeignLock lock(fx->MonthPath(2026, 2), LOCK_EX);
        QVERIFY(lock.Locked());
        QVERIFY(!fresh.WriteRecord(Record(2026, 3, 2, 9, 0)));
        QCOMPARE(fresh.failure, TFileAct::Transient);
        QVERIFY(!fresh.WriteRecord(Record(2026, 3, 5, 9, 0)));
        QVERIFY(!QFile::exists(fx->MonthPath(2026, 3)));
    }
    QVERIFY(fresh.WriteRecord(Record(2026, 3, 2, 9, 0, 9)));
    QCOMPARE(HeaderMonth(restarted.header), 2);
    QVERIFY(fresh.WriteRecord(Record(2026, 3, 5, 9, 0)));
    const QByteArray march = File(2026, 3);
    QCOMPARE(GetU16(march, SlotOffset(480) + 2), uint16_t(8)); // 1 March 08:00, taken over
    QCOMPARE(GetU16(march, SlotOffset(1440 + 540) + 2), uint16_t(9));

    // With both files there, 2 March still belongs to February's overflow.
    MonthDocument again;
    TFileAct third(&again, fx->env, *fx->config);
    {
        TForeignLock lock(fx->MonthPath(2026, 2), LOCK_EX);
        QVERIFY(!third.WriteRecord(Record(2026, 3, 2, 10, 0, 10)));
        QCOMPARE(SlotBytes(File(2026, 3), 1440 + 600), EmptySlot());
    }
    QVERIFY(third.WriteRecord(Record(2026, 3, 2, 10, 0, 10)));
    QCOMPARE(HeaderMonth(again.header), 2);
    QCOMPARE(SlotBytes(File(2026, 3), 1440 + 600), EmptySlot());
}

QTEST_GUILESS_MAIN(TestFileAct)
#include "tst_fileact.moc"
