// The alarms in the diagrams: dashed limit lines at the heights the curves
// have on them, and bars under the time axis over the alarms' minutes.

#include "Fviewtestsupport.h"

#include "config/Cinifile.h"
#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "view/Cpaintarea.h"
#include "view/Cviewbase.h"
#include "view/Falarmmarks.h"
#include "view/Frender.h"

#include <QFileInfo>
#include <QImage>
#include <QTest>

class TestAlarmMarks : public QObject {
    Q_OBJECT

private slots:
    // Through the drawing a month-file window and zedactl render share:
    // plot area at (20, 30), 314 pixels high, one pixel a minute and a unit.
    void renderedWindowMarksLimitsAndStretches() {
        TViewFixture fx;
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1); // red
        c[1] = Channel(0, 2); // blue
        c[1].inputMult = 2;
        c[1].decimals = 1;
        InitDocument(d, c, 3000);
        const QString path = fx.WriteMonth(d);
        AlarmLimits l;
        l.high = 120 * AlarmValueScale;
        TIniFile ini(fx.env.IniPath());
        QVERIFY(WriteAlarmLimits(ini, 1, l));
        l.high = 45500000;                 // 455 counts: raw 227.5
        l.highhigh = 90 * AlarmValueScale; // raw 450, beyond the band
        QVERIFY(WriteAlarmLimits(ini, 2, l));
        AlarmLogEntry a;
        a.event = AlarmRaised;
        a.channel = 2;
        a.raised = "2026-03-02 10:00";
        a.file = QFileInfo(path).fileName();
        AlarmLogEntry cleared = a;
        cleared.event = AlarmCleared;
        cleared.cleared = "2026-03-02 10:30";
        AlarmLogEntry open = a;
        open.channel = 1;
        open.raised = "2026-03-02 10:50";
        QVERIFY(AppendAlarmLog(AlarmLogPath(fx.dir.path()), {a, cleared, open}));
        TRenderRequest r;
        r.path = path;
        r.width = 400;
        r.height = 360;
        r.firstSlot = 2000;
        QImage img;
        QVERIFY(RenderMonthFile(fx.env, r, img));
        const int bottom = 30 + 314;
        const auto rowsWith = [&img](const QColor& colour) {
            QList<int> rows;
            for (int y = 30; y < 344; ++y) {
                for (int x = 20; x < 400 && (rows.isEmpty() || rows.back() != y); ++x) {
                    if (QColor(img.pixel(x, y)) == colour)
                        rows << y;
                }
            }
            return rows;
        };
        QCOMPARE(rowsWith(QColor(255, 0, 0)), QList<int>{bottom - 120});
        QCOMPARE(rowsWith(QColor(0, 0, 255)), QList<int>{bottom - 227});
        // Minute 2040 is column 40, 20 pixels right in the strip; 2070 ends it.
        const auto strip = [&img](int column) { return QColor(img.pixel(20 + column, 29)); };
        QCOMPARE(strip(40), QColor(0, 0, 255));
        QCOMPARE(strip(69), QColor(0, 0, 255));
        QVERIFY(strip(39) != QColor(0, 0, 255) && strip(70) != QColor(0, 0, 255));
        // Still active from minute 2090: to the newest minute, beyond the edge.
        QVERIFY(strip(89) != QColor(255, 0, 0));
        QCOMPARE(strip(90), QColor(255, 0, 0));
        QCOMPARE(strip(370), QColor(255, 0, 0));
    }

    // The window reads the log and the limits again only when they changed:
    // what was appended, a month file of its own and new limits all show.
    void alarmsFollowTheLogTheLimitsAndTheMonthFile() {
        TViewFixture fx;
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1);
        InitDocument(d, c, 3000);
        d.fileName = "D2026-03.ZMF";
        TScrollModel sb(400, 300, 16);
        TViewData view(&d, &sb);
        view.LoadAlarms(fx.env); // no log yet
        QVERIFY(view.alarmStretches.empty());
        AlarmLogEntry a;
        a.event = AlarmRaised;
        a.channel = 1;
        a.raised = "2026-03-02 01:00";
        a.file = d.fileName;
        const QString log = AlarmLogPath(fx.dir.path());
        QVERIFY(AppendAlarmLog(log, {a}));
        QVERIFY(view.LoadAlarms(fx.env));
        // Nothing changed since: a window need not be drawn again.
        QVERIFY(!view.LoadAlarms(fx.env));
        QCOMPARE(view.alarmStretches.size(), size_t(1));
        QCOMPARE(view.alarmStretches[0].from, 1440u + 60);
        QVERIFY(view.alarmStretches[0].open);
        AlarmLogEntry cleared = a;
        cleared.event = AlarmCleared;
        cleared.cleared = "2026-03-02 01:05";
        QVERIFY(AppendAlarmLog(log, {cleared}));
        view.LoadAlarms(fx.env);
        QCOMPARE(view.alarmStretches.size(), size_t(1));
        QVERIFY(!view.alarmStretches[0].open);
        QCOMPARE(view.alarmStretches[0].to, 1440u + 65);
        // The next month's file, the log as it was: none of its alarms.
        InitDocument(d, c, 3000, 2026, 4);
        d.fileName = "D2026-04.ZMF";
        view.LoadAlarms(fx.env);
        QVERIFY(view.alarmStretches.empty());
        AlarmLimits l;
        l.high = 7 * AlarmValueScale;
        TIniFile ini(fx.env.IniPath());
        QVERIFY(WriteAlarmLimits(ini, 1, l));
        QVERIFY(view.LoadAlarms(fx.env));
        QCOMPARE(view.alarmLimits[0].high, l.high);
    }
};

QTEST_MAIN(TestAlarmMarks)
#include "tst_alarmmarks.moc"
