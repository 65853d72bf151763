#include "Ffiletestsupport.h"

#include "config/Cclock.h"
#include "files/Cmonthdata.h"
#include "support/Fscriptedminutes.h"

#include <QTest>

#include <optional>

// The month-data core: what a channel holds at a minute, from memory and
// from the file on disk, and the file layer's rules while reading.
class TestMonthData : public QObject {
    Q_OBJECT

private:
    // The kind a scripted minute must have, told by its table columns.
    static TMinuteKind Expected(const TScriptedMinute& m) {
        switch (m.stats) {
        case 'c':
            return TMinuteKind::InRange;
        case 'b':
            return QByteArray(m.screen) == "#U/L" ? TMinuteKind::UnderLimit
                                                  : TMinuteKind::OverLimit;
        default:
            return m.stored ? TMinuteKind::Excepted : TMinuteKind::NoData;
        }
    }

    static void Check(TMonthReader& r, int index) {
        const TScriptedMinute& m = ScriptedMinutes[index];
        const TChannelMinute at = r.At(0, ScriptedSlot(index));
        QCOMPARE(int(at.Kind()), int(Expected(m)));
        QCOMPARE(at.stored, m.stored);
        QCOMPARE(at.raw, m.raw);
        QCOMPARE(at.exception, m.period == 'o' ? 1 : m.period == 'n' ? 2 : 0);
        if (at.Counts())
            QCOMPARE(FormatFixed(at.value, 1, false), QByteArray(m.screen));
    }

private slots:
    void scriptedMinutesFromMemory_data() { ScriptedMinuteRows(); }
    void scriptedMinutesFromMemory() {
        QFETCH(int, index);
        const MonthDocument d = ScriptedDocument();
        TMemoryDays days(d);
        TMonthReader r(d, days);
        Check(r, index);
    }

    void scriptedMinutesFromDisk_data() { ScriptedMinuteRows(); }
    void scriptedMinutesFromDisk() {
        QFETCH(int, index);
        TFilesFixture fx;
        const QString path = fx.MonthPath(2025, 12);
        QVERIFY(WriteBytes(path, ScriptedFileImage(ScriptedDocument())));
        TMonthFileReader file(path, fx.env.lockWaitMs);
        QVERIFY(file.IsOpen());
        Check(file.Reader(), index);
        QCOMPARE(file.Reader().Failure(), TDaysFailure::None);
    }

    void minutesBeyondTheFileHaveNoData() {
        const MonthDocument d = ScriptedDocument();
        TMemoryDays days(d);
        TMonthReader r(d, days);
        QCOMPARE(r.SlotCount(), uint32_t(33 * 1440));
        QVERIFY(r.Readable(33 * 1440 - 1));
        QVERIFY(!r.Readable(33 * 1440));
        QCOMPARE(int(r.At(0, 33 * 1440).Kind()), int(TMinuteKind::NoData));
        QCOMPARE(r.Operator(33 * 1440), NoOperator);
    }

    // A file that ends inside its day blocks is damaged: its missing days are
    // no days of empty minutes.
    void damagedFileIsNeverTakenForEmptyMinutes() {
        TFilesFixture fx;
        const QString path = fx.MonthPath(2025, 12);
        const QByteArray image = ScriptedFileImage(ScriptedDocument());
        QVERIFY(WriteBytes(path, image.left(DayBlockOffset(5) + 100)));
        const MonthDocument d = ScriptedDocument();
        TFileDays days(path, fx.env.lockWaitMs);
        TMonthReader r(d, days);
        QVERIFY(r.Readable(4 * 1440 + 1439));
        QCOMPARE(r.Failure(), TDaysFailure::None);
        QVERIFY(!r.Readable(5 * 1440));
        QCOMPARE(r.Failure(), TDaysFailure::Damaged);
        QCOMPARE(DaysFailureMessage(r.Failure()),
                 QString::fromUtf8("Diese Datei ist keine gültige Datendatei!"));
    }

    void fileBusyBeyondTheWaitCannotBeRead() {
        TFilesFixture fx;
        const QString path = fx.MonthPath(2025, 12);
        QVERIFY(WriteBytes(path, ScriptedFileImage(ScriptedDocument())));
        TForeignLock lock(path, LOCK_EX);
        QVERIFY(lock.Locked());
        const MonthDocument d = ScriptedDocument();
        TFileDays days(path, fx.env.lockWaitMs);
        TMonthReader r(d, days);
        QVERIFY(!r.Readable(ScriptedFirstSlot));
        QCOMPARE(r.Failure(), TDaysFailure::CannotOpen);
        QCOMPARE(DaysFailureMessage(r.Failure()),
                 QString::fromUtf8("Fehler beim Versuch eine Datei zu öffnen!"));
    }

    // The reader of a file on disk changes nothing, not even a file of the
    // earliest layout, which the program converts when it opens it.
    void fileReaderReadsAnEarlyLayoutAsItLies() {
        TFilesFixture fx;
        const QString path = fx.MonthPath(2025, 12);
        QByteArray image = ScriptedFileImage(ScriptedDocument());
        image[HdrExceptionCount] = '0';
        image[HdrExceptionCount + 1] = '0';
        QVERIFY(WriteBytes(path, image));
        TMonthFileReader file(path, fx.env.lockWaitMs);
        QVERIFY(file.IsOpen());
        // No exception table: the minute of the ordinary period is a value.
        QCOMPARE(int(file.Reader().At(0, ScriptedSlot(6)).Kind()), int(TMinuteKind::InRange));
        QCOMPARE(ReadBytes(path), image);
    }

    void fileReaderOfAForeignFile() {
        TFilesFixture fx;
        const QString path = fx.MonthPath(2025, 12);
        QVERIFY(WriteBytes(path, QByteArray(2000, 'x')));
        TMonthFileReader file(path, fx.env.lockWaitMs);
        QVERIFY(!file.IsOpen());
        QCOMPARE(file.Result(), 2);
        QVERIFY(!file.Reader().Readable(0));
        TMonthFileReader missing(fx.MonthPath(2025, 11), fx.env.lockWaitMs);
        QCOMPARE(missing.Result(), 1);
        QCOMPARE(missing.Why(), TFileAccess::Missing);
    }

    void slotOfTime_data() {
        QTest::addColumn<int>("fileYear");
        QTest::addColumn<int>("fileMonth");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("slot"); // -1: the file cannot hold it
        QTest::newRow("last minute of December") << 2025 << 12 << "2025-12-31 23:59" << 44639;
        QTest::newRow("new year in the overflow") << 2025 << 12 << "2026-01-01 00:00" << 44640;
        QTest::newRow("last overflow minute") << 2025 << 12 << "2026-01-02 23:59" << 47519;
        QTest::newRow("beyond the overflow") << 2025 << 12 << "2026-01-03 00:00" << -1;
        QTest::newRow("the month before") << 2025 << 12 << "2025-11-30 12:00" << -1;
        QTest::newRow("a year later") << 2025 << 12 << "2026-12-01 00:00" << -1;
        QTest::newRow("March in February's file") << 2026 << 2 << "2026-03-02 00:10" << 41770;
        QTest::newRow("leap day") << 2024 << 2 << "2024-02-29 08:00" << 40800;
        QTest::newRow("no 30 February") << 2024 << 2 << "2024-02-30 00:00" << -1;
    }
    void slotOfTime() {
        QFETCH(int, fileYear);
        QFETCH(int, fileMonth);
        QFETCH(QString, time);
        QFETCH(int, slot);
        const QByteArray h = NewHeader(uint8_t(fileYear - 1980), uint8_t(fileMonth), "", {});
        LocalTime t;
        t.year = time.mid(0, 4).toInt();
        t.month = time.mid(5, 2).toInt();
        t.day = time.mid(8, 2).toInt();
        t.hour = time.mid(11, 2).toInt();
        t.minute = time.mid(14, 2).toInt();
        const std::optional<uint16_t> got = SlotOfTime(HeaderMonthInfo(h), t);
        QCOMPARE(got ? int(*got) : -1, slot);
    }
};

QTEST_GUILESS_MAIN(TestMonthData)
#include "tst_monthdata.moc"
