// The alarms of a report's days, listed beneath its chart: one line an
// alarm in columns, and a last line for those the page has no room for.

#include "Fprinttestsupport.h"

#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"

#include <QTest>

class TestPrintAlarms : public QObject {
    Q_OBJECT

private slots:
    void reportListsItsAlarmsUntilThePageIsFull() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1");
        TPrintFixture f(c);
        QVERIFY(f.Save());
        std::vector<AlarmLogEntry> log;
        for (int day = 1; day <= 12; ++day) {
            AlarmLogEntry e;
            e.event = AlarmRaised;
            e.channel = 1;
            e.name = "K1";
            e.unit = "V";
            e.kind = AlarmLowLow;
            e.raised = QString::asprintf("2026-03-%02d 08:00", day);
            e.limit = 95 * AlarmValueScale;
            e.peak = 97500000;
            e.file = day == 12 ? "D2026-02.ZMF" : f.doc.fileName;
            log.push_back(e);
        }
        log.push_back(log[1]);
        log.back().event = AlarmAcknowledged;
        log.back().by = "Anna";
        QVERIFY(AppendAlarmLog(AlarmLogPath(f.dir.path()), log));
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 31), 1);
        // Heads half a line under the chart's 1440 rows, then a line an alarm.
        const TRecording::Text* head = f.FindText("Raised");
        QVERIFY(head);
        QCOMPARE(head->baseline.x(), f.X(0));
        QVERIFY(head->baseline.y() > f.Y(1440) + f.h / 2);
        QVERIFY(head->baseline.y() <= f.Y(1440) + f.h / 2 + f.h);
        // First found: the cells of the first alarm, then the second's own.
        const int y = head->baseline.y() + f.h;
        QCOMPARE(f.FindText("1 K1")->baseline, QPoint(f.X(40), y));
        QCOMPARE(f.FindText("95.0 V")->baseline, QPoint(f.X(130), y));
        QCOMPARE(f.FindText("2026-03-02 08:00")->baseline, QPoint(f.X(0), y + f.h));
        QCOMPARE(f.FindText("Anna")->baseline, QPoint(f.X(210), y + f.h));
        // Lines from there to the footer's line; 11 alarms of this file.
        const int lines = (TPrintFixture::Metrics.heightPx - f.h - (f.Y(1440) + f.h / 2)) / f.h;
        QVERIFY(lines >= 3 && lines < 12);
        const int listed = lines - 2;
        const TRecording::Text* more =
            f.FindText(QString("%1 more alarms are in the alarm log").arg(11 - listed));
        QVERIFY(more);
        QCOMPARE(more->baseline.y(), head->baseline.y() + (listed + 1) * f.h);
        for (int day = 1; day <= 12; ++day)
            QCOMPARE(bool(f.FindText(QString::asprintf("2026-03-%02d 08:00", day))), day <= listed);
    }
};

QTEST_MAIN(TestPrintAlarms)
#include "tst_printalarms.moc"
