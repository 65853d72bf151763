#include "Ffiletestsupport.h"

#include "files/Cmonthdata.h"
#include "support/Fscriptedminutes.h"

#include <QTest>

// The month-data core over a file on disk, and the file layer's rules.
class TestMonthData : public QObject {
    Q_OBJECT

    TFilesFixture fx;
    QString Write(qint64 size = -1) {
        const QString path = fx.MonthPath(2025, 12);
        const QByteArray image = ScriptedFileImage(ScriptedDocument());
        return WriteBytes(path, size < 0 ? image : image.left(size)) ? path : QString();
    }

private slots:
    void scriptedMinutes_data() { ScriptedMinuteRows(); }
    void scriptedMinutes() {
        QFETCH(int, index);
        const TScriptedMinute& m = ScriptedMinutes[index];
        TMonthFileReader file(Write(), fx.env.lockWaitMs);
        QVERIFY(file.IsOpen());
        const TChannelMinute at = file.Reader().At(0, ScriptedSlot(index));
        const TMinuteKind kind = m.stats == 'c' ? TMinuteKind::InRange
                                 : m.stats == 'w'
                                     ? (m.stored ? TMinuteKind::Excepted : TMinuteKind::NoData)
                                 : m.screen[1] == 'U' ? TMinuteKind::UnderLimit
                                                      : TMinuteKind::OverLimit;
        QCOMPARE(int(at.Kind()), int(kind));
        QCOMPARE(at.raw, m.raw);
    }

    // A file that ends inside its day blocks is damaged: its missing days are
    // no days of empty minutes.
    void damagedFileIsNeverTakenForEmptyMinutes() {
        const MonthDocument d = ScriptedDocument();
        TFileDays days(Write(DayBlockOffset(5) + 100), fx.env.lockWaitMs);
        TMonthReader r(d, days);
        QVERIFY(r.Readable(5 * 1440 - 1));
        QVERIFY(!r.Readable(5 * 1440));
        QCOMPARE(r.Failure(), TDaysFailure::Damaged);
        QCOMPARE(DaysFailureMessage(r.Failure()),
                 QString::fromUtf8("Diese Datei ist keine gültige Datendatei!"));
    }

    void fileBusyBeyondTheWaitCannotBeRead() {
        const QString path = Write();
        TForeignLock lock(path, LOCK_EX);
        QVERIFY(lock.Locked());
        TMonthFileReader file(path, fx.env.lockWaitMs);
        QVERIFY(!file.IsOpen());
        QCOMPARE(file.Why(), TFileAccess::Busy);
        QVERIFY(!file.Reader().Readable(0));
    }
};

QTEST_GUILESS_MAIN(TestMonthData)
#include "tst_monthdata.moc"
