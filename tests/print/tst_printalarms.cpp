// The alarms of a report's days, listed beneath its chart: one line an
// alarm in columns, and a last line for those the page has no room for.

#include "Fprinttestsupport.h"

#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"

#include <QTest>

namespace {

ChannelDefs OneChannel() {
    ChannelDefs c = NoChannels();
    c[0] = PrintChannel("K1");
    return c;
}

AlarmLogEntry Alarm(const QString& raised, const QString& file) {
    AlarmLogEntry e;
    e.event = AlarmRaised;
    e.channel = 1;
    e.name = "K1";
    e.unit = "V";
    e.kind = AlarmLowLow;
    e.raised = raised;
    e.limit = 95 * AlarmValueScale;
    e.peak = 97500000;
    e.file = file;
    return e;
}

} // namespace

class TestPrintAlarms : public QObject {
    Q_OBJECT

private slots:
    void dayReportListsItsAlarmsInColumns() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        AlarmLogEntry a = Alarm("2026-03-04 10:00", f.doc.fileName);
        AlarmLogEntry ack = a;
        ack.event = AlarmAcknowledged;
        ack.acknowledged = "2026-03-04 10:05";
        ack.by = "Anna";
        QVERIFY(AppendAlarmLog(AlarmLogPath(f.dir.path()),
                               {Alarm("2026-03-03 23:59", f.doc.fileName), a,
                                Alarm("2026-03-04 11:00", "D2026-02.DAT"), ack,
                                Alarm("2026-03-05 00:00", f.doc.fileName)}));
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 3, 1), 1);
        // Beneath the day's 1440 rows, half a line apart; heads first.
        const TRecording::Text* head = f.FindText("Raised");
        QVERIFY(head);
        QCOMPARE(head->baseline.x(), f.X(0));
        QVERIFY(head->baseline.y() > f.Y(1440) + f.h / 2);
        QVERIFY(head->baseline.y() <= f.Y(1440) + f.h / 2 + f.h);
        const QList<std::pair<QString, int>> cells = {{"2026-03-04 10:00", 0}, {"1 K1", 40},
                                                      {"low-low", 100},        {"95.0 V", 130},
                                                      {"97.5 V", 170},         {"Anna", 210}};
        for (const auto& [text, mm] : cells) {
            const TRecording::Text* t = f.FindText(text);
            QVERIFY2(t, qPrintable(text));
            QCOMPARE(t->baseline, QPoint(f.X(mm), head->baseline.y() + f.h));
        }
        QVERIFY(!f.FindText("2026-03-03 23:59"));
        QVERIFY(!f.FindText("2026-03-05 00:00"));
        QVERIFY(!f.FindText("2026-03-04 11:00"));
    }

    void fullPageTellsHowManyMoreAreInTheLog() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        std::vector<AlarmLogEntry> log;
        for (int day = 1; day <= 12; ++day)
            log.push_back(Alarm(QString::asprintf("2026-03-%02d 08:00", day), f.doc.fileName));
        QVERIFY(AppendAlarmLog(AlarmLogPath(f.dir.path()), log));
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 31), 1);
        // Lines from half a line under the chart to the footer's line.
        const int lines = (TPrintFixture::Metrics.heightPx - f.h - (f.Y(1440) + f.h / 2)) / f.h;
        QVERIFY(lines >= 2 && lines < 13);
        const int listed = lines - 2;
        const TRecording::Text* more =
            f.FindText(QString("%1 more alarms are in the alarm log").arg(12 - listed));
        QVERIFY(more);
        QCOMPARE(more->baseline.y(), f.FindText("Raised")->baseline.y() + (listed + 1) * f.h);
        for (int day = 1; day <= 12; ++day)
            QCOMPARE(bool(f.FindText(QString::asprintf("2026-03-%02d 08:00", day))), day <= listed);
    }
};

QTEST_MAIN(TestPrintAlarms)
#include "tst_printalarms.moc"
