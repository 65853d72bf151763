#include "Cfakeunit.h"

#include "comm/Cacquisition.h"
#include "comm/Ccommbase.h"
#include "comm/Cnotices.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "support/Cfilesizelimit.h"
#include "support/Crecordingmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

class TCountingNotices : public TNotices {
public:
    int timeDiffs = 0;
    int disconnects = 0;
    void TimeDiff() override { ++timeDiffs; }
    void Disconnect() override { ++disconnects; }
};

SampleRecord Record(int year, int month, int day, int hour, int minute) {
    SampleRecord r;
    r.year = uint8_t(year - 1980);
    r.month = uint8_t(month);
    r.minute = uint16_t((day - 1) * 1440 + hour * 60 + minute);
    for (int i = 0; i < 14; ++i)
        r.values[i] = uint16_t(100 * i + minute);
    return r;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestAcquisition : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 5, 0})};
    TRecordingMessages messages;
    TCountingNotices notices;
    TEnv env;
    std::unique_ptr<TConfig> config;
    std::unique_ptr<TFakeUnit> unit;
    std::unique_ptr<MonthDocument> document;
    std::unique_ptr<TFileAct> file;
    std::unique_ptr<TAcquisition> acq;
    int refreshes = 0;
    int readies = 0;
    int loads = 0;

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        clock.SetLocal({2026, 3, 10, 14, 5, 0});
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        env.notices = &notices;
        messages.Clear();
        notices = TCountingNotices();
        config = std::make_unique<TConfig>(env.IniPath());
        unit = std::make_unique<TFakeUnit>(env);
        document = std::make_unique<MonthDocument>();
        file = std::make_unique<TFileAct>(document.get(), env, *config);
        acq = std::make_unique<TAcquisition>(env, *unit, *file, *document);
        refreshes = readies = loads = 0;
        acq->onRefresh = [this] { ++refreshes; };
        acq->onDataReady = [this] { ++readies; };
        acq->onLoaded = [this] { ++loads; };
    }

    void emptyUnitPollsAgainNextTick() {
        QCOMPARE(acq->RunCycle(), 1);
        QCOMPARE(messages.beeps, 0);
        QCOMPARE(unit->removals, 0);
        QCOMPARE(refreshes, 0);
        QVERIFY(QDir(dir.path()).entryList({"*.ZMF"}).isEmpty());
    }

    // A link error cost 55 s; after the link's quick tries the next tick
    // tries again.
    void linkErrorIsTriedAgainAtTheNextTick() {
        unit->readResult = -1;
        QCOMPARE(acq->RunCycle(), 1);
        QCOMPARE(unit->RetryPauseMs(), TCommBase::ReopenIntervalMs);
        unit->readResult = 7; // any other answer counts as nothing waiting
        QCOMPARE(acq->RunCycle(), 1);
        QCOMPARE(messages.beeps, 0);
    }

    void threeRecordsInOneCycle() {
        unit->waiting = {Record(2026, 3, 10, 14, 0), Record(2026, 3, 10, 14, 1),
                         Record(2026, 3, 10, 14, 2)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(messages.beeps, 1);
        QCOMPARE(unit->removals, 3);
        QCOMPARE(refreshes, 1);
        QCOMPARE(readies, 3);
        QCOMPARE(loads, 1);
        QCOMPARE(acq->StoredCount(), 3);
        QCOMPARE(acq->Caption(), QString("Aktuell: 2026.03.10 / 14:02"));
        const QByteArray bytes = ReadFile(dir.filePath("D2026-03.ZMF"));
        QCOMPARE(bytes.size(), qsizetype(FileSize(33)));
        QCOMPARE(HeaderEndSlot(bytes.left(HeaderSize)), uint16_t(13803));
        // The in-memory day block holds what the file holds.
        const qsizetype at = SlotOffset(13802);
        QCOMPARE(document->dayBlocks[9].mid((13802 % 1440) * 30, 30), bytes.mid(at, 30));
        QCOMPARE(uint8_t(bytes[at]), uint8_t(1));
        QCOMPARE(uint8_t(bytes[at + 1]), uint8_t(255));
    }

    void captionOfAnOverflowRecord() {
        // With February open, 1 March goes into February's overflow days.
        clock.SetLocal({2026, 3, 1, 0, 5, 0});
        unit->waiting = {Record(2026, 2, 28, 23, 59), Record(2026, 3, 1, 0, 0)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(document->fileName, QString("D2026-02.ZMF"));
        QCOMPARE(file->currentSlot, uint16_t(28 * 1440));
        QCOMPARE(acq->Caption(), QString("Aktuell: 2026.03.01 /  0:00"));
    }

    void implausibleRecordIsDroppedWithNotice() {
        // 31 days before the clock: removed, not stored; the record behind
        // it waits for the next cycle.
        unit->waiting = {Record(2026, 2, 7, 14, 5), Record(2026, 3, 10, 14, 0)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(notices.timeDiffs, 1);
        QCOMPARE(unit->removals, 1);
        QCOMPARE(unit->waiting.size(), 1);
        QVERIFY(!QFile::exists(dir.filePath("D2026-02.ZMF")));
        // Exactly 30 days away is still stored.
        unit->waiting = {Record(2026, 2, 8, 14, 5)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(notices.timeDiffs, 1);
        QVERIFY(QFile::exists(dir.filePath("D2026-02.ZMF")));
    }

    void unwritableMonthFileKeepsTheRecordInTheUnit() {
        // A directory where the month file must be created: nothing can
        // write it, whatever the rights of the user.
        const QString path = dir.filePath("D2026-03.ZMF");
        QVERIFY(QDir().mkpath(path));
        unit->waiting = {Record(2026, 3, 10, 14, 0), Record(2026, 3, 10, 14, 1)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(unit->removals, 0);
        QCOMPARE(unit->waiting.size(), 2);
        QCOMPARE(messages.Texts(),
                 QStringList{"Error - File " + path +
                             " cannot be written: a directory of that name is in the way!"});
        QCOMPARE(messages.shown[0].kind, TMessages::Error);
        // Told once until a record is stored again.
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(acq->Caption(), QString("Aktuell:"));
        // Once the file can be written, both records arrive in order.
        QVERIFY(QDir(path).removeRecursively());
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(unit->waiting.size(), 0);
        QCOMPARE(unit->removals, 2);
        QCOMPARE(acq->StoredCount(), 2);
        const QByteArray bytes = ReadFile(path);
        QCOMPARE(uint8_t(bytes[SlotOffset(13800)]), uint8_t(1));
        QCOMPARE(uint8_t(bytes[SlotOffset(13801)]), uint8_t(1));
        QCOMPARE(messages.shown.size(), 1);
    }

    // The fault: the record was removed from the unit with its minute still
    // in the page cache only. Now each minute is flushed to the disk before
    // its record's removal, and one whose flush failed stays in the unit.
    void recordLeavesTheUnitOnlyAfterItIsOnDisk() {
        unit->waiting = {Record(2026, 3, 10, 14, 0), Record(2026, 3, 10, 14, 1),
                         Record(2026, 3, 10, 14, 2)};
        QList<int> removalsAtFlush;
        file->storeSync = [&](TFileAccess& f) {
            removalsAtFlush << unit->removals;
            return f.SyncData();
        };
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(removalsAtFlush, (QList<int>{0, 1, 2}));
        QCOMPARE(unit->removals, 3);

        file->storeSync = [](TFileAccess&) { return false; };
        unit->waiting = {Record(2026, 3, 10, 14, 3)};
        QCOMPARE(acq->RunCycle(), 11);
        QCOMPARE(unit->removals, 3);
        QCOMPARE(unit->waiting.size(), 1);
        QCOMPARE(messages.Texts(), QStringList{"Error - File " + dir.filePath("D2026-03.ZMF") +
                                               " cannot be written: the disk reports an error!"});
    }

    void unstorableRecordDoesNotStallAcquisition() {
        // March's file holds nine day blocks only: day 10 lies in its tables.
        unit->waiting = {Record(2026, 3, 1, 0, 0)};
        QCOMPARE(acq->RunCycle(), 11);
        const QString path = dir.filePath("D2026-03.ZMF");
        QByteArray damaged = ReadFile(path);
        damaged[HdrDaysStored] = 9;
        damaged.truncate(FileSize(9));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(damaged), damaged.size());
        f.close();
        document = std::make_unique<MonthDocument>();
        file = std::make_unique<TFileAct>(document.get(), env, *config);
        acq = std::make_unique<TAcquisition>(env, *unit, *file, *document);
        messages.Clear();

        SampleRecord february30 = Record(2026, 2, 28, 14, 5);
        february30.minute += 2 * 1440;
        unit->waiting = {february30, Record(2026, 3, 9, 12, 0), Record(2026, 3, 10, 14, 0),
                         Record(2026, 3, 10, 14, 1)};
        QCOMPARE(acq->RunCycle(), 11);
        QVERIFY(unit->waiting.isEmpty());
        // Only the minute no month has is lost; the damaged file is kept.
        QCOMPARE(acq->StoredCount(), 3);
        const QString aside =
            path + ".damaged-" +
            QString::asprintf("%04d%02d%02d-%02d%02d", clock.Local().year, clock.Local().month,
                              clock.Local().day, clock.Local().hour, clock.Local().minute);
        QCOMPARE(
            messages.Texts(),
            QStringList({"Error - The record of 2026-02-30 14:05 cannot be stored and was "
                         "removed from the unit: its month has no such day!",
                         "The month file " + path +
                             " cannot take the records: its header announces only 9 "
                             "days. It is kept as " +
                             aside + ", and a new month file " + path + " takes the records."}));
        QCOMPARE(uint8_t(ReadFile(aside)[SlotOffset(8 * 1440 + 720)]), uint8_t(1));
        const QByteArray now = ReadFile(path);
        QCOMPARE(uint8_t(now[SlotOffset(9 * 1440 + 840)]), uint8_t(1));
        QCOMPARE(uint8_t(now[SlotOffset(9 * 1440 + 841)]), uint8_t(1));
    }

    void lastMinuteOfADayReachesTheDayBlock() {
        clock.SetLocal({2026, 4, 2, 12, 0, 0});
        unit->waiting = {Record(2026, 3, 10, 23, 59), Record(2026, 4, 2, 23, 59)};
        QCOMPARE(acq->RunCycle(), 11);
        const QByteArray bytes = ReadFile(dir.filePath("D2026-03.ZMF"));
        for (const int slot : {9 * 1440 + 1439, 32 * 1440 + 1439}) {
            QCOMPARE(document->dayBlocks[slot / 1440].mid(1439 * 30, 30),
                     bytes.mid(SlotOffset(slot), 30));
            QCOMPARE(uint8_t(bytes[SlotOffset(slot)]), uint8_t(1));
        }
    }

    void writeFailureAfterAStoredRecordIsReportedAgain() {
        const QString path = dir.filePath("D2026-03.ZMF");
        for (int round = 1; round <= 2; ++round) {
            unit->waiting = {Record(2026, 3, 1, 0, round)};
            QCOMPARE(acq->RunCycle(), 11);
            QVERIFY(unit->waiting.isEmpty());
            unit->waiting = {Record(2026, 3, 31, 12, round)};
            {
                TFileSizeLimit limit(1000000); // day 31 lies beyond
                QVERIFY(limit.Active());
                QCOMPARE(acq->RunCycle(), 11);
            }
            QCOMPARE(unit->waiting.size(), 1);
            QCOMPARE(messages.shown.size(), round);
            QCOMPARE(messages.shown.last().text,
                     "Error - File " + path + " cannot be written: the disk reports an error!");
        }
    }

    void cycleTimerCountsAndHonoursBusy() {
        TCycleTimer timer;
        int runs = 0;
        int answer = 11;
        const auto cycle = [&] {
            ++runs;
            return answer;
        };
        timer.Tick(nullptr, cycle);
        QCOMPARE(runs, 1);
        for (int i = 0; i < 10; ++i)
            timer.Tick(nullptr, cycle);
        QCOMPARE(runs, 1);
        timer.Tick(nullptr, cycle);
        QCOMPARE(runs, 2);
        timer.busy = true;
        for (int i = 0; i < 20; ++i)
            timer.Tick(nullptr, cycle);
        QCOMPARE(runs, 2);
        QCOMPARE(timer.ticksToCycle, 0);
        timer.busy = false;
        answer = 1;
        timer.Tick(nullptr, cycle);
        timer.Tick(nullptr, cycle);
        QCOMPARE(runs, 4);
    }
};

QTEST_GUILESS_MAIN(TestAcquisition)
#include "tst_acquisition.moc"
