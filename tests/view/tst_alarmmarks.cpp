// The alarms in the diagrams: dashed limit lines at the heights the curves
// have on them, and bars under the time axis over the alarms' minutes.

#include "Fviewtestsupport.h"

#include "config/Cinifile.h"
#include "config/Falarmlimits.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "view/Cscale.h"
#include "view/Falarmmarks.h"
#include "view/Frender.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// The rows of a column range that hold the colour.
QList<int> RowsWith(const QImage& image, int x1, int x2, int y1, int y2, const QColor& c) {
    QList<int> rows;
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (QColor(image.pixel(x, y)) == c) {
                rows << y;
                break;
            }
        }
    }
    return rows;
}

AlarmLogEntry Raised(int channel, const QString& raised, const QString& file) {
    AlarmLogEntry e;
    e.event = AlarmRaised;
    e.channel = channel;
    e.raised = raised;
    e.file = file;
    return e;
}

AlarmLogEntry Cleared(AlarmLogEntry e, const QString& cleared) {
    e.event = AlarmCleared;
    e.cleared = cleared;
    return e;
}

} // namespace

class TestAlarmMarks : public QObject {
    Q_OBJECT

private slots:
    // Heights worked out by hand: (limit x 10^decimals - offsetValue) /
    // inputMult + dispOffset is the plot position.
    void limitPlotPosition_data() {
        QTest::addColumn<int>("mult");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("disp");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<double>("position");
        QTest::newRow("plain") << 1 << 0 << 0 << 0 << qint64(120000000) << 120.0;
        QTest::newRow("scaled") << 2 << 100 << 1 << 10 << qint64(45500000) << 187.5;
        QTest::newRow("negative") << 1 << 0 << 2 << 50 << qint64(-250000) << 25.0;
    }
    void limitPlotPosition() {
        QFETCH(int, mult);
        QFETCH(int, offset);
        QFETCH(int, decimals);
        QFETCH(int, disp);
        QFETCH(qint64, limit);
        QFETCH(double, position);
        ChannelDef c = Channel(uint16_t(disp));
        c.inputMult = uint16_t(mult);
        c.offsetValue = uint32_t(offset);
        c.decimals = uint8_t(decimals);
        double got = 0;
        QVERIFY(LimitPlotPosition(c, limit, got));
        QCOMPARE(got, position);
        c.inputMult = 0;
        QVERIFY(!LimitPlotPosition(c, limit, got));
    }

    void onlyShownChannelsAndLimitsInTheBand() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1);
        c[1] = Channel(0, 2);
        c[2] = Channel(0, 3);
        c[2].active = 0;
        InitDocument(d, c, 100);
        d.display.channelVisible[1] = 0;
        ChannelAlarmLimits limits{};
        limits[0].high = 350 * AlarmValueScale; // above the band
        limits[0].low = 20 * AlarmValueScale;
        limits[0].lowlow = -5 * AlarmValueScale; // below it
        limits[1].high = 100 * AlarmValueScale;  // hidden
        limits[2].high = 100 * AlarmValueScale;  // not in use
        const std::vector<LimitLine> lines = ShownLimitLines(d, limits, 300);
        QCOMPARE(lines.size(), size_t(1));
        QCOMPARE(lines[0].channel, 0);
        QCOMPARE(lines[0].kind, int(AlarmLow));
        QCOMPARE(lines[0].position, 20.0);
    }

    // At a height that fits the band to 450 pixels, 187.5 units lie 281.25
    // pixels up: the line lies on the pixel the curve of 187 would take.
    void limitLineAtTheCurvesHeight() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(10, 1);
        c[0].inputMult = 2;
        c[0].offsetValue = 100;
        c[0].decimals = 1;
        InitDocument(d, c, 100);
        ChannelAlarmLimits limits{};
        limits[0].high = 45500000;
        TScale scale(&d);
        scale.SetFitHeight(450);
        scale.SetValueZoom(1);
        QImage image(200, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        DrawLimitLines(p, ShownLimitLines(d, limits, 300), scale, 500, 10, 190);
        p.end();
        QCOMPARE(RowsWith(image, 0, 200, 0, 500, Red), QList<int>{500 - 281});
        // Dashed over columns 10 .. 190: most of the row, but not all of it.
        int red = 0;
        for (int x = 0; x < 200; ++x)
            red += QColor(image.pixel(x, 219)) == Red ? 1 : 0;
        QVERIFY2(red > 90 && red < 180, qPrintable(QString::number(red)));
    }

    void alarmTimeToSlot_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("slot");
        QTest::newRow("first minute") << "2026-03-01 00:00" << 0;
        QTest::newRow("second day") << "2026-03-02 10:00" << 1440 + 600;
        QTest::newRow("overflow day") << "2026-04-01 00:10" << 31 * 1440 + 10;
        QTest::newRow("after the overflow") << "2026-04-03 00:05" << -1;
        QTest::newRow("month before") << "2026-02-28 23:59" << -1;
        QTest::newRow("no time") << "soon" << -1;
    }
    void alarmTimeToSlot() {
        QFETCH(QString, time);
        QFETCH(int, slot);
        MonthDocument d;
        InitDocument(d, NoChannels(), 100);
        QCOMPARE(SlotOfAlarmTime(d, time), slot);
    }

    void stretchesOfTheMonthsAlarms() {
        MonthDocument d;
        InitDocument(d, NoChannels(), 3000);
        d.fileName = "M2603.DAT";
        const AlarmLogEntry a = Raised(3, "2026-03-02 10:00", d.fileName);
        const AlarmLogEntry b = Raised(1, "2026-03-02 10:20", d.fileName);
        const AlarmLogEntry into = Raised(2, "2026-03-01 23:00", d.fileName);
        const AlarmLogEntry other = Raised(4, "2026-03-01 00:00", "M2602.DAT");
        const std::vector<AlarmLogEntry> log = {a, b, other, into, Cleared(a, "2026-03-02 10:30"),
                                                Cleared(into, "2026-05-01 00:00"), a};
        const std::vector<AlarmStretch> s = AlarmStretchesOf(d, log);
        QCOMPARE(s.size(), size_t(3));
        QCOMPARE(s[0].channel, 2);
        QCOMPARE(s[0].from, 2040u);
        QCOMPARE(s[0].to, 2070u);
        QVERIFY(!s[0].open);
        QCOMPARE(s[1].channel, 0);
        QCOMPARE(s[1].from, 2060u);
        QVERIFY(s[1].open);
        // Cleared beyond the file: to the end of its minutes.
        QCOMPARE(s[2].from, 1380u);
        QCOMPARE(s[2].to, 3000u);
    }

    // Through the drawing a month-file window and zedactl render share:
    // plot area at (20, 30), 314 pixels high, one pixel a minute and a unit.
    void renderedWindowMarksLimitsAndStretches() {
        TViewFixture fx;
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1);
        c[1] = Channel(0, 2);
        InitDocument(d, c, 3000);
        for (int s = 0; s < 3000; ++s)
            SetRaw(d, s, 0, 10);
        const QString path = fx.WriteMonth(d);
        AlarmLimits l;
        l.high = 120 * AlarmValueScale;
        TIniFile ini(fx.env.IniPath());
        QVERIFY(WriteAlarmLimits(ini, 1, l));
        const QString file = QFileInfo(path).fileName();
        const AlarmLogEntry a = Raised(2, "2026-03-02 10:00", file);
        QVERIFY(AppendAlarmLog(AlarmLogPath(fx.dir.path()),
                               {a, Cleared(a, "2026-03-02 10:30"),
                                Raised(1, "2026-03-02 10:50", file)}));
        TRenderRequest r;
        r.path = path;
        r.width = 400;
        r.height = 360;
        r.firstSlot = 2000;
        QImage img;
        QVERIFY(RenderMonthFile(fx.env, r, img));
        const int bottom = 30 + 314;
        QCOMPARE(RowsWith(img, 20, 400, 30, bottom, Red), (QList<int>{bottom - 120, bottom - 10}));
        // Minute 2040 is column 40, shown 20 pixels right in the strip.
        const int y = 29;
        QCOMPARE(QColor(img.pixel(20 + 40, y)), Blue);
        QCOMPARE(QColor(img.pixel(20 + 69, y)), Blue);
        QVERIFY(QColor(img.pixel(20 + 39, y)) != Blue);
        QVERIFY(QColor(img.pixel(20 + 70, y)) != Blue);
        // Still active from minute 2090: to the newest minute, beyond the edge.
        QVERIFY(QColor(img.pixel(20 + 89, y)) != Red);
        QCOMPARE(QColor(img.pixel(20 + 90, y)), Red);
        QCOMPARE(QColor(img.pixel(20 + 370, y)), Red);
    }
};

QTEST_MAIN(TestAlarmMarks)
#include "tst_alarmmarks.moc"
